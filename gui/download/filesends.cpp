#include "gui/download/filesends.h"

#include "gui/widgets/pagehost.h"

FileSends::FileSends(PageHost &host, QObject *parent) : QObject(parent), m_host(host) {}

jobs::Job *FileSends::start(Kind kind, const QString &title, jobs::Body body,
                            const std::function<void(const ops::Outcome &)> &done)
{
    m_kind = kind;
    jobs::Job *job = m_host.startJob(title, std::move(body));
    m_job = job;
    connect(job, &jobs::Job::progressed, this, [this](int sent, int total) {
        if (total > 0)
            emit progress(int(qint64(sent) * 100 / total));
    });
    connect(job, &jobs::Job::finished, this, [this, done](const ops::Outcome &outcome) {
        m_job = nullptr;
        if (done)
            done(outcome);
        emit ended();
    });
    emit started(kind);
    return job;
}

void FileSends::requestStop()
{
    if (m_job)
        m_job->cancel();
}

std::function<void(const filestream::Progress &)> FileSends::reportTo(const jobs::Context &context)
{
    return [&context](const filestream::Progress &progress) {
        // Files this tool sends are far below 2 GiB.
        context.progress(int(progress.bytes), int(progress.size), filestream::sentSoFar(progress));
    };
}
