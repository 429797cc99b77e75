#pragma once

#include "gui/pages/pagebinding.h"

#include <QWidget>

class PageHost;
class PrinterSession;

namespace Ui {
class BluetoothPage;
class SerialPage;
} // namespace Ui

// The Bluetooth page: names, pairing mode, PIN and the module's MAC address.
class BluetoothPage : public QWidget
{
    Q_OBJECT

public:
    BluetoothPage(PrinterSession &session, PageHost &host, QWidget *parent = nullptr);
    ~BluetoothPage() override;

    // Another printer: nothing is written before the page is read.
    void printerChanged();

private slots:
    void on_pushButton_BleSettingRead_clicked();
    void on_pushButton_BleSettingSet_clicked();

private:
    PrinterSession &m_session;
    PageHost &m_host;
    Ui::BluetoothPage *ui;
    PageBinding m_binding;
};

// The serial page: line parameters, serial number and the device information.
class SerialPage : public QWidget
{
    Q_OBJECT

public:
    SerialPage(PrinterSession &session, PageHost &host, QWidget *parent = nullptr);
    ~SerialPage() override;

    void printerChanged();

private slots:
    void on_pushButton_ComSettingRead_clicked();
    void on_pushButton_ComSettingSet_clicked();

private:
    PrinterSession &m_session;
    PageHost &m_host;
    Ui::SerialPage *ui;
    PageBinding m_binding;
};
