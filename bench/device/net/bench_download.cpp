// Firmware download over TCP to the simulated printer on 127.0.0.1, through the
// window and its worker as a user starts it:
//   net_download_4MiB_share  the rate at which a 4 MiB file reaches the printer, as a
//                            share of the limit that the pacing allows (850 bytes
//                            every 2 ms: 425,000 bytes/s)
#include "gui/shell/mainwindow.h"
#include "gui/widgets/prompts.h"
#include "gui/download/filesends.h"
#include "gui/pages/filesendhelpers.h"
#include "sim/simprinter.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    constexpr int kFileSize = 4 * 1024 * 1024;
    constexpr double kPacedLimit = 850.0 / 0.002;

    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("fw.hex"));
    if (!writeEncryptedFile(file, rawPayload(kFileSize, 1))) {
        std::fprintf(stderr, "cannot write the firmware file\n");
        return 1;
    }
    SimPrinter printer;
    printer.setTcpPort(0);
    printer.setUdpEnabled(false);
    QString error;
    if (!printer.start(&error)) {
        std::fprintf(stderr, "simulated printer: %s\n", qPrintable(error));
        return 1;
    }
    QStringList messages;
    prompts::setMessageHandler(
        [&messages](QWidget *, const prompts::Message &m) { messages << m.text; });
    prompts::setFileHandler(
        [&file](QWidget *, const QString &, const QString &, const QString &) { return file; });

    int result = 1;
    {
        MainWindow window;
        Ui::MainWindow *ui = window.ui;
        ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_WIFI"))->click();
        ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->setText(QStringLiteral("127.0.0.1"));
        ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->setText(QString::number(printer.tcpPort()));
        // The search and the open are jobs: each is over before the next click.
        const auto settle = [&window] {
            QElapsedTimer waited;
            waited.start();
            while (window.busy() && waited.elapsed() < 20000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        };
        ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_getList"))->click();
        settle();
        ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open"))->click();
        settle();
        messages.clear();
        printer.clearRecords();

        // Decryption is not part of the stream; the job starts once the file is decrypted.
        QElapsedTimer clock;
        QObject::connect(window.fileSends(), &FileSends::started, [&clock] { clock.start(); });
        window.findChild<QPushButton *>(QStringLiteral("pushButton_DownloadFW"))->click();
        while (printer.rawByteCount() < kFileSize && messages.isEmpty() &&
               (!clock.isValid() || clock.elapsed() < 60000)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::usleep(500);
        }
        const double seconds = clock.isValid() ? clock.nsecsElapsed() / 1e9 : 0;
        if (printer.rawByteCount() == kFileSize && seconds > 0) {
            std::printf("BENCH net_download_4MiB_share %.1f %%\n",
                        100.0 * kFileSize / seconds / kPacedLimit);
            result = 0;
        } else {
            std::fprintf(stderr, "the printer got %lld of %d bytes\n",
                         static_cast<long long>(printer.rawByteCount()), kFileSize);
        }
        QElapsedTimer tail;
        tail.start();
        while ((window.busy() || messages.isEmpty()) && tail.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    prompts::setMessageHandler(nullptr);
    prompts::setFileHandler(nullptr);
    printer.stop();
    return result;
}
