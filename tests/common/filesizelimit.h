#pragma once

#include <csignal>
#include <sys/resource.h>

// Stands in for a full disk: while it lives, no file of this process may grow past
// `bytes` (0: no limit set). A write past it fails with EFBIG instead of a signal.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long long bytes)
    {
        if (bytes <= 0 || getrlimit(RLIMIT_FSIZE, &m_saved) != 0)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = rlim_t(bytes);
        m_set = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() { release(); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // False when a limit was asked for and could not be set.
    bool holds(long long bytes) const { return bytes <= 0 || m_set; }
    void release()
    {
        if (m_set)
            setrlimit(RLIMIT_FSIZE, &m_saved);
        m_set = false;
    }

private:
    rlimit m_saved{};
    bool m_set = false;
};
