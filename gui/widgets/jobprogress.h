#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
namespace jobs {
class Job;
}

// How far the running job got, and its Cancel button: shown only once a job has run for
// half a second, so that quick exchanges do not flicker. Cancel asks the job to stop at
// its next frame boundary; the job says itself what was done.
class JobProgress : public QWidget
{
    Q_OBJECT

public:
    explicit JobProgress(QWidget *parent = nullptr);

    // Follows `job` from now until it finishes; a job followed before is let go.
    void follow(jobs::Job *job);
    jobs::Job *job() const { return m_job; }

    static constexpr int kShowAfterMs = 500;

private:
    void showProgress(int done, int total, const QString &text);
    void finish();

    QPointer<jobs::Job> m_job;
    QLabel *m_text;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
    QTimer *m_showTimer;
};
