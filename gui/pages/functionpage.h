#pragma once

#include "device/jobs/job.h"

#include <QWidget>
#include <functional>

class PageHost;
class PrinterSession;

namespace Ui {
class FunctionPage;
}

// The function page: printer information, printer status and the one-click
// maintenance commands.
class FunctionPage : public QWidget
{
    Q_OBJECT

public:
    FunctionPage(PrinterSession &session, PageHost &host, QWidget *parent = nullptr);
    ~FunctionPage() override;

    // The information button, which rests with the other exchange buttons.
    QWidget *infoButton() const;

signals:
    // A restart (true) or an initialisation closed the connection through the session.
    void printerClosed(bool restarted);

private slots:
    void on_pushButton_getPrinterInfo_clicked();
    void on_pushButton_GetPrinterStatus_clicked();
    void on_pushButton_Reboot_clicked();
    void on_pushButton_PrinterInit_clicked();

private:
    // Runs `body` as a job with the busy cursor; `after` gets its outcome on this thread.
    void runJob(const QString &title, jobs::Body body,
                std::function<void(const ops::Outcome &)> after);
    // One command; with `closeAfter`, a command that went out closes the connection and
    // waits for the printer to drop its side (a restart takes longer) before it ends.
    void runCommand(const QString &name, std::function<void(int result)> after,
                    bool closeAfter = false, bool restarted = false);

    Ui::FunctionPage *ui;
    PrinterSession &m_session;
    PageHost &m_host;
};
