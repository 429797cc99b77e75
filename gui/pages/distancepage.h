#pragma once

#include "gui/pages/pagebinding.h"

#include <QWidget>

class PageHost;
class PrinterSession;

namespace Ui {
class DistancePage;
}

// The distance page: four paper-path distances of the printer.
class DistancePage : public QWidget
{
    Q_OBJECT

public:
    DistancePage(PrinterSession &session, PageHost &host, QWidget *parent = nullptr);
    ~DistancePage() override;

    // Shows the opened printer's dots per millimetre and wants a new read.
    void printerChanged();
    void forgetRead();

private slots:
    void on_pushButton_DistanceSettingRead_clicked();
    void on_pushButton_DistanceSettingSet_clicked();

private:
    Ui::DistancePage *ui;
    PrinterSession &m_session;
    PageHost &m_host;
    PageBinding m_binding;
};
