#pragma once

#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "sessionfixture.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <memory>

// A window talking over the wireless medium to a simulated printer on 127.0.0.1.
struct NetPrinterFixture
{
    std::unique_ptr<SimPrinter> printer;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<MainWindow> window;

    // Starts the printer and the window; the device list is not searched yet.
    bool start(const QString &model = QStringLiteral("P1"))
    {
        QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
        printer = std::make_unique<SimPrinter>(SessionFixture::configFor(model));
        printer->setTcpAddress(QHostAddress::LocalHost);
        printer->setTcpPort(0);
        printer->setUdpEnabled(false);
        if (!printer->start())
            return false;
        recorder = std::make_unique<MessageRecorder>();
        window = std::make_unique<MainWindow>();
        Ui::MainWindow *ui = window->ui;
        QTest::mouseClick(ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_WIFI")), Qt::LeftButton);
        ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->setText(QStringLiteral("127.0.0.1"));
        ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->setText(QString::number(printer->tcpPort()));
        return true;
    }

    // Refreshes the list and opens its entry; true when "连接成功！" was shown.
    bool open()
    {
        QTest::mouseClick(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_getList")), Qt::LeftButton);
        if (window->ui->centralwidget->findChild<QComboBox *>(QStringLiteral("comboBox_ScanResult"))->count() != 1)
            return false;
        QTest::mouseClick(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open")), Qt::LeftButton);
        const bool ok = recorder->lastText() == QString::fromUtf8("连接成功！");
        recorder->clear();
        printer->clearRecords();
        return ok;
    }

    ~NetPrinterFixture()
    {
        window.reset();
        recorder.reset();
        if (printer)
            printer->stop();
        // Links retired on close are deleted by the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
