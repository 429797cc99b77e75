#pragma once

#include "device/operations/outcome.h"

#include <QWidget>

class FileSends;
class PageHost;
class PrinterSession;

namespace Ui {
class ConsolePage;
}

// The debug console: sends typed text or hex to the printer in blocks, shows what it
// sent and what came back in a time-stamped message area, and sends whole files. Both
// sends run as jobs on the printer's worker.
class ConsolePage : public QWidget
{
    Q_OBJECT

public:
    ConsolePage(PrinterSession &session, PageHost &host, FileSends &sends,
                QWidget *parent = nullptr);
    ~ConsolePage() override;

    // Appends one time-stamped line to the message area as plain text.
    void appendLine(const QString &tag, const QString &payload);
    // The send buttons rest while a multi-frame exchange runs.
    void setSendEnabled(bool on);
    // After a restart the last file send's progress no longer applies.
    void resetProgress();

private slots:
    void on_pushButton_Send_clicked();
    void on_pushButton_SendFile_clicked();
    void on_pushButton_ClearDebug_clicked();
    void on_pushButton_ClearSend_clicked();
    void on_radioButton_hexSend_toggled(bool checked);

private:
    // Says in the status bar what a refused hex text should have been, and selects the
    // part that does not fit.
    void showHexProblem(const QString &typed);
    // Refuses while the printer is in use, and with a message when none is open.
    bool readyToSend();
    void followStream(bool running);
    void showFileOutcome(const ops::Outcome &outcome);

    Ui::ConsolePage *ui;
    PrinterSession &m_session;
    PageHost &m_host;
    FileSends &m_sends;
};
