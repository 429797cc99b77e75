#pragma once

#include <QWidget>

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
    int runCommand(const QString &name);
    void closeAfterRestart(bool restarted);

    Ui::FunctionPage *ui;
    PrinterSession &m_session;
    PageHost &m_host;
};
