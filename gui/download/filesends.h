#pragma once

#include "device/operations/filestream.h"
#include "device/jobs/job.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class PageHost;

// The files this window sends to the open printer: the firmware and font download and the
// console's file send. Each runs as a job on the printer's worker; this tells the window
// which kind of file goes, how far it is, and when it has ended.
class FileSends : public QObject
{
    Q_OBJECT

public:
    enum class Kind
    {
        Download,
        ConsoleFile
    };

    explicit FileSends(PageHost &host, QObject *parent = nullptr);

    // Starts `body` as a job; `done` is given its outcome on this thread, before ended().
    // The body reports its progress through reportTo().
    jobs::Job *start(Kind kind, const QString &title, jobs::Body body,
                     const std::function<void(const ops::Outcome &)> &done);
    bool running() const { return !m_job.isNull(); }
    Kind kind() const { return m_kind; }
    // Stops the file under way between two pieces (or gives up a stalled one).
    void requestStop();

    // A stream's progress as the job's: bytes sent of all, and the pieces in words.
    static std::function<void(const filestream::Progress &)> reportTo(const jobs::Context &context);

signals:
    void started(FileSends::Kind kind);
    void progress(int percent);
    // After the outcome was handled: the controls may come back.
    void ended();

private:
    PageHost &m_host;
    QPointer<jobs::Job> m_job;
    Kind m_kind = Kind::Download;
};
