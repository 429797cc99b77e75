// Drives the real main window against the built-in simulated printer and saves
// screenshots of it for the README. Run by scripts/screenshots.sh under Xvfb:
//   labelsetup-screenshots <outdir> <prefix> <width>x<height> [language argument]
#include "app/demomode.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "provisioning/distributenet.h"
#include "provisioning/wifiprovisioning.h"
#include "provisioning/wifiscan.h"
#include "sim/simprinter.h"
#include "tests/common/messagerecorder.h"
#include "tests/pages/filesendhelpers.h"
#include "ui_distributenet.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <QApplication>
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
    window.setWindowTitle(applicationWindowTitle() + QStringLiteral(" - ") +
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
