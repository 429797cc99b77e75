#pragma once

#include "gui/pages/pagebinding.h"

#include <QWidget>

class PageHost;
class PrinterSession;

namespace Ui {
class StripperPage;
}

// The stripper page: how long the printer waits for a stripped label to be taken.
// Asks once per opened printer that a stripper is fitted before talking to it.
class StripperPage : public QWidget
{
    Q_OBJECT

public:
    StripperPage(PrinterSession &session, PageHost &host, QWidget *parent = nullptr);
    ~StripperPage() override;

    // Asks the stripper question again and wants a new read.
    void printerChanged();
    void forgetRead();

private slots:
    void on_pushButton_StripperSettingRead_clicked();
    void on_pushButton_StripperSettingSet_clicked();

private:
    // False when the user declined the stripper question.
    bool confirmStripperFitted();

    Ui::StripperPage *ui;
    PrinterSession &m_session;
    PageHost &m_host;
    PageBinding m_binding;
};
