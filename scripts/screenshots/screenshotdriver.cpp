// Drives the real main window against the built-in simulated printer and saves
// screenshots of it for the README. Run by scripts/screenshots.sh under Xvfb:
//   labelsetup-screenshots <outdir> <prefix> <width>x<height> [language argument]
#include "gui/shell/demomode.h"
#include "gui/fleet/fleetwindow.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/startup.h"
#include "device/fleet/fleetmodel.h"
#include "gui/provisioning/distributenet.h"
#include "gui/provisioning/wifiprovisioning.h"
#include "core/hostwifi/wifiscan.h"
#include "core/language.h"
#include "core/protocol/ports.h"
#include "sim/simprinter.h"
#include "tests/common/messagerecorder.h"
#include "tests/gui/pages/filesendhelpers.h"
#include "ui_distributenet.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QHeaderView>
#include <QSettings>
#include <QTableView>
#include <memory>
#include <vector>

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool save(QWidget *window, const QString &path)
{
    QCoreApplication::processEvents();
    QTest::qWait(300); // let the X server show what was painted
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    const bool ok = !shot.isNull() && shot.save(path);
    qInfo().noquote() << (ok ? "saved" : "FAILED") << path;
    return ok;
}

// Without a window manager there is no title bar: the window's own title is drawn above
// its picture as a title bar would show it.
bool saveWithTitle(QWidget *window, const QString &path)
{
    QCoreApplication::processEvents();
    QTest::qWait(300);
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    const int bar = window->fontMetrics().height() + 12;
    QPixmap framed(shot.width(), shot.height() + bar);
    framed.fill(QColor(0x2b, 0x2f, 0x36));
    QPainter painter(&framed);
    painter.setPen(Qt::white);
    painter.setFont(window->font());
    painter.drawText(QRect(0, 0, shot.width(), bar), Qt::AlignCenter, window->windowTitle());
    painter.drawPixmap(0, bar, shot);
    painter.end();
    const bool ok = !shot.isNull() && framed.save(path);
    qInfo().noquote() << (ok ? "saved" : "FAILED") << path;
    return ok;
}

// The palette of a dark desktop scheme.
QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x30));
    p.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2a, 0x2a));
    p.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3d));
    p.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0x7e, 0xdb));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x4a, 0x41, 0x1c));
    p.setColor(QPalette::ToolTipText, QColor(0xff, 0xe9, 0x9a));
    p.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    return p;
}

template <typename Pred> bool waitFor(Pred done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QTest::qWait(20);
    return done();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.size() < 3) {
        qCritical("usage: labelsetup-screenshots <outdir> <prefix> <width>x<height> [language]");
        return 2;
    }
    const QDir out(args.at(0));
    const QString prefix = args.at(1);
    const QStringList size = args.at(2).split(QLatin1Char('x'));
    const LanguageChoice choice = chooseLanguage(args.mid(3), QLocale::system());
    installTranslations(app, choice);
    QFont font(QString::fromUtf8(kApplicationFontFamily));
    font.setPointSize(choice.fontPointSize);
    app.setFont(font);
    QIcon appIcon;
    for (int px : {16, 32, 48, 64, 256})
        appIcon.addFile(QStringLiteral(":/icons/labelsetup-%1.png").arg(px), QSize(px, px));
    app.setWindowIcon(appIcon);

    DemoPrinter demo;
    QString error;
    if (!demo.start(&error)) {
        qCritical().noquote() << "simulated printer:" << error;
        return 1;
    }
    MessageRecorder recorder; // boxes are recorded, none blocks the run
    MainWindow window;
    Ui::MainWindow *ui = window.ui;
    demo.prepareWindow(window);
    window.setTitleBase(applicationWindowTitle() + QStringLiteral(" - ") +
                          QCoreApplication::translate("MainWindow", "演示模式：模拟打印机 %1:%2")
                              .arg(demo.address())
                              .arg(demo.port()));
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    bool ok = true;
    const auto shot = [&](QWidget *w, const char *name) {
        ok = save(w, out.filePath(prefix + QLatin1Char('-') + QLatin1String(name) + ".png")) && ok;
    };
    QTest::mouseClick(ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_getList")), Qt::LeftButton);
    QTest::mouseClick(ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open")), Qt::LeftButton);
    if (!window.isDeviceOpen()) {
        qCritical() << "the simulated printer did not open:" << recorder.texts();
        return 1;
    }

    // The print page before it is read, in the light and in a dark scheme, and the title
    // naming the printer just opened.
    ui->tabWidget_2->setCurrentIndex(0);
    ui->toolBox_PrinterSetting->setCurrentIndex(0);
    shot(&window, "print-unread");
    ok = saveWithTitle(&window, out.filePath(prefix + QStringLiteral("-title.png"))) && ok;
    const QPalette light = QApplication::palette();
    const QString styleName = QApplication::style()->objectName();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(darkPalette());
    shot(&window, "print-unread-dark");
    QApplication::setStyle(styleName);
    QApplication::setPalette(light);

    ui->tabWidget_2->setCurrentIndex(1);
    QTest::mouseClick(window.findChild<QPushButton *>("pushButton_getPrinterInfo"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton *>("pushButton_GetPrinterStatus"),
                      Qt::LeftButton);
    shot(&window, "function");

    ui->tabWidget_2->setCurrentIndex(0);
    ui->toolBox_PrinterSetting->setCurrentIndex(0);
    QTest::mouseClick(window.findChild<QPushButton *>("pushButton_PrintSettingRead"),
                      Qt::LeftButton);
    shot(&window, "print");

    ui->toolBox_PrinterSetting->setCurrentIndex(2);
    QTest::mouseClick(window.findChild<QPushButton *>("pushButton_WifiSettingRead"),
                      Qt::LeftButton);
    shot(&window, "wifi");

    // The provisioning window over a scan that reports three made-up networks.
    WifiScanCommands scan;
    scan.source = WifiScanSource::NetworkManager;
    scan.powerProgram = QStringLiteral("/bin/sh");
    scan.powerArguments = QStringList{QStringLiteral("-c"), QStringLiteral("echo enabled")};
    scan.listProgram = QStringLiteral("/bin/sh");
    scan.listArguments =
        QStringList{QStringLiteral("-c"),
                    QStringLiteral("printf '*:82:Workshop\\n:64:Office-2.4G\\n:38:Guest\\n'")};
    setWifiScanCommands(scan);
    QTest::mouseClick(window.findChild<QPushButton *>("pushButton_NetSetup"), Qt::LeftButton);
    DistributeNet *dialog = window.provisioning()->window();
    if (dialog) {
        dialog->move(window.width() / 4, 40);
        QListWidget *list = dialog->findChild<QListWidget *>(QStringLiteral("listWifi"));
        waitFor([list] { return list->count() > 0; }, 10000);
        list->setCurrentRow(0);
        shot(dialog, "provisioning");
        dialog->close();
        QCoreApplication::processEvents();
    } else {
        ok = false;
    }
    resetWifiScanCommands();

    // The fleet window over 40 simulated printers on loopback addresses in several
    // states; four addresses answer nobody.
    {
        std::vector<std::unique_ptr<SimPrinter>> fleetPrinters;
        const quint32 words[] = {0, 0, 0x1, 0, 0x2, 0, 0x80, 0, 0x2000, 0, 0x10, 0};
        const char *models[] = {"K53TA", "K53TA", "WX-310", "K53TA", "T80-DT"};
        QList<fleet::Address> addresses;
        for (int i = 0; i < 40; ++i) {
            fleet::Address a;
            a.host = QStringLiteral("127.0.1.%1").arg(11 + i);
            addresses.append(a);
            if (i % 10 == 9)
                continue; // nobody at this address
            PrinterConfig config = PrinterConfig::defaults();
            config.identity[1] = QLatin1String(models[i % 5]);
            config.identity[4] = QStringLiteral("%1%2").arg(config.identity[1]).arg(2401000100 + i);
            config.firmwareVersion =
                i % 4 == 0 ? QStringLiteral("V1.3.0") : QStringLiteral("V1.2.7");
            config.dpi = i % 5 == 4 ? 203 : 300;
            config.statusWord = words[i % 12];
            auto p = std::make_unique<SimPrinter>(config);
            p->setTcpAddress(QHostAddress(a.host));
            p->setTcpPort(ports::kCommand);
            p->setUdpEnabled(false);
            if (p->start())
                fleetPrinters.push_back(std::move(p));
        }
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton_Fleet")),
                          Qt::LeftButton);
        auto *fleetWindow = window.findChild<FleetWindow *>(QStringLiteral("FleetWindow"));
        if (fleetWindow) {
            fleetWindow->addPrinters(addresses);
            fleetWindow->move(40, 30);
            fleetWindow->resize(1180, 720);
            waitFor(
                [fleetWindow] {
                    for (int row = 0; row < fleetWindow->model().rowCount(); ++row) {
                        if (fleetWindow->model()
                                .index(row, fleet::FleetModel::StatusColumn)
                                .data()
                                .toString()
                                .isEmpty())
                            return false;
                    }
                    return true;
                },
                20000);
            auto *table = fleetWindow->findChild<QTableView *>(QStringLiteral("tableView_Fleet"));
            // Three printers chosen by keyboard: into the table, down one, Shift+Down twice.
            fleetWindow->activateWindow();
            if (!QTest::qWaitForWindowActive(fleetWindow))
                ok = false;
            fleetWindow->findChild<QWidget *>(QStringLiteral("pushButton_FleetDiscover"))
                ->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(table, Qt::Key_Down);
            QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
            QTest::mouseClick(
                fleetWindow->findChild<QPushButton *>(QStringLiteral("pushButton_FleetSelfTest")),
                Qt::LeftButton);
            waitFor([fleetWindow] { return !fleetWindow->working(); }, 10000);
            QTest::qWait(100);
            table->resizeColumnsToContents();
            table->horizontalHeader()->setStretchLastSection(false);
            table->horizontalHeader()->setStretchLastSection(true);
            shot(fleetWindow, "fleet");
            fleetWindow->close();
            QCoreApplication::processEvents();
            // The made-up printers stay out of the list the tool remembers.
            QSettings(QStringLiteral("Company"), QStringLiteral("App"))
                .remove(QStringLiteral("fleet"));
        } else {
            ok = false;
        }
    }

    // A firmware download, caught half way: the printer takes its bytes slowly.
    QTemporaryDir temp;
    const QString file = temp.filePath(QStringLiteral("K53TA_demo_firmware.hex"));
    if (!writeEncryptedFile(file, rawPayload(256 * 1024, 7)))
        return 1;
    demo.printer()->setSlowRead(2048, 15);
    recorder.fileToOpen = file;
    ui->tabWidget_2->setCurrentIndex(2);
    auto *downloadFirmware =
        window.findChild<QPushButton *>(QStringLiteral("pushButton_DownloadFW"));
    auto *progress = window.findChild<QProgressBar *>(QStringLiteral("progressBar_Update"));
    QTest::mouseClick(downloadFirmware, Qt::LeftButton);
    waitFor([progress] { return progress->value() >= 30; }, 60000);
    shot(&window, "download");
    waitFor([downloadFirmware] { return downloadFirmware->isEnabled(); }, 120000);
    demo.printer()->setSlowRead(0, 0);
    return ok ? 0 : 1;
}
