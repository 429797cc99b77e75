#include "gui/widgets/jobprogress.h"

#include "device/jobs/job.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

JobProgress::JobProgress(QWidget *parent)
    : QWidget(parent), m_text(new QLabel(this)), m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(tr("取消"), this)), m_showTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("jobProgressPanel"));
    m_text->setObjectName(QStringLiteral("jobProgressText"));
    m_bar->setObjectName(QStringLiteral("jobProgress"));
    m_bar->setMaximumWidth(160);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(tr("操作进度"));
    m_cancel->setObjectName(QStringLiteral("jobCancel"));
    m_cancel->setToolTip(tr("在下一帧之前停止正在进行的操作"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel);
    m_showTimer->setSingleShot(true);
    m_showTimer->setInterval(kShowAfterMs);
    connect(m_showTimer, &QTimer::timeout, this, [this] {
        if (m_job && !m_job->isFinished())
            show();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (!m_job)
            return;
        m_job->cancel();
        m_cancel->setEnabled(false);
        m_text->setText(tr("正在取消…"));
    });
    hide();
}

void JobProgress::follow(jobs::Job *job)
{
    if (m_job)
        disconnect(m_job, nullptr, this, nullptr);
    m_job = job;
    hide();
    m_text->setText(job->title());
    m_bar->setRange(0, 0);
    m_cancel->setEnabled(true);
    connect(job, &jobs::Job::progressed, this, &JobProgress::showProgress);
    connect(job, &jobs::Job::finished, this, &JobProgress::finish);
    m_showTimer->start();
}

void JobProgress::showProgress(int done, int total, const QString &text)
{
    if (total > 0) {
        m_bar->setRange(0, total);
        m_bar->setValue(done);
    }
    if (m_cancel->isEnabled())
        m_text->setText(text.isEmpty() && total > 0 ? QStringLiteral("%1/%2").arg(done).arg(total)
                                                    : text);
}

void JobProgress::finish()
{
    m_showTimer->stop();
    m_job = nullptr;
    hide();
}
