// The window thread's longest stall while printer work runs, each case started from
// the main window's widgets (offscreen) as a user starts it, against simulated
// printers on 127.0.0.1:
//   stall_<case>     the largest gap between two ticks of a 5 ms timer on the window's
//                    thread, from the click until the work is over
//   duration_<case>  from the click until the result box was shown (and the window is
//                    no longer busy, where it tells)
// Cases: doctor (the connection doctor on the typed address), print_read (the print
// page), download_1MiB (a font file), wifi_write (the station name, after a read) and
// fleet_dry_run_50 (a profile's difference against 50 printers, the write declined).
//
// Boxes, dialogs and file questions go through the prompts seam, so nothing waits for a
// user. The waits here turn the event loop and never sleep: a stall is the window's own.
#include "gui/shell/mainwindow.h"
#include "common/encryptedfile.h"
#include "common/fleetprinters.h"
#include "common/messagerecorder.h"
#include "core/protocol/frame.h"
#include "sim/simprinter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kTickMs = 5;
constexpr int kCapMs = 180000; // per case: today's slowest takes seconds, not minutes
constexpr int kFleetPrinters = 50;
constexpr int kDownloadBytes = 1024 * 1024;

// The largest gap between two ticks of a timer on this thread.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(kTickMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_worst = qMax(m_worst, m_clock.nsecsElapsed());
            m_clock.restart();
        });
    }
    void start()
    {
        m_worst = 0;
        m_clock.start();
        m_timer.start();
    }
    double stopMs()
    {
        m_timer.stop();
        return double(m_worst) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_worst = 0;
};

// Turns this thread's event loop until `done` holds or `capMs` passed.
bool waitUntil(const std::function<bool()> &done, int capMs)
{
    const QDeadlineTimer deadline(capMs);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(2);
    if (!done())
        loop.exec();
    return done();
}

void turnEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A window that tells when its printer work is over; one that does not is over once
// its result box was shown.
bool idle(const QObject *window)
{
    const QVariant busy = window ? window->property("busy") : QVariant();
    return !busy.isValid() || !busy.toBool();
}

struct Bench
{
    MessageRecorder recorder;
    MainWindow window;
    StallMeter meter;
    bool failed = false;

    // A widget by object name, in the main window unless `in` is given.
    template <typename T = QWidget> T *child(const char *name, QWidget *in = nullptr)
    {
        return (in ? in : &window)->findChild<T *>(QLatin1String(name));
    }
    int records() const
    {
        return recorder.messages.size() + recorder.dialogTitles.size() +
               recorder.questions.size();
    }
    QString lastRecord() const
    {
        if (!recorder.questions.isEmpty() && recorder.messages.isEmpty())
            return recorder.questions.last().section(QLatin1Char('\n'), 0, 0);
        if (!recorder.dialogTitles.isEmpty() && recorder.messages.isEmpty())
            return recorder.dialogTitles.last();
        return recorder.lastText();
    }
    // Clicks a button as a user does; false (and why) when it cannot be clicked.
    bool click(const char *name, QWidget *in = nullptr)
    {
        auto *button = child<QAbstractButton>(name, in);
        if (!button || !button->isEnabled()) {
            std::fprintf(stderr, "%s %s\n", name, button ? "is disabled" : "is missing");
            return false;
        }
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }
    // Clicks and waits for the result box without measuring (the steps before a case).
    bool step(const char *button, QWidget *in = nullptr)
    {
        recorder.clear();
        if (!click(button, in))
            return false;
        return waitUntil([&] { return records() > 0 && idle(&window) && idle(in); }, kCapMs);
    }
    // Runs one case from its click to its result box and prints its figures.
    void measure(const char *name, const char *button, QWidget *in = nullptr)
    {
        recorder.clear();
        meter.start();
        QElapsedTimer took;
        took.start();
        const bool clicked = click(button, in);
        const bool ended =
            clicked &&
            waitUntil([&] { return records() > 0 && idle(&window) && idle(in); }, kCapMs);
        const double durationMs = double(took.nsecsElapsed()) / 1e6;
        // A stall that ended with the work is counted at the next tick.
        turnEventLoop(4 * kTickMs);
        const double stallMs = meter.stopMs();
        if (!ended) {
            std::fprintf(stderr, "%s: %s\n", name,
                         clicked ? "no result within the cap" : "could not be started");
            failed = true;
            return;
        }
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(lastRecord()));
        std::printf("BENCH stall_%s %.1f ms\n", name, stallMs);
        std::printf("BENCH duration_%s %.1f ms\n", name, durationMs);
        std::fflush(stdout);
    }
};

// The printer's own WiFi and Ethernet addresses lead back to it on loopback, for the
// window copies them into its connection fields after a write.
void keepAddressesOnLoopback(SimPrinter &printer)
{
    const QByteArray loopback = QByteArray::fromHex("7F000001");
    const QByteArray mask = QByteArray::fromHex("FF000000");
    const QByteArray port = frame::le16(printer.tcpPort());
    const char nul = '\0';
    printer.setValue(0x28, QByteArray(1, nul) + loopback + loopback + mask + loopback);
    printer.setValue(0x27, QByteArray("Bench-AP") + nul + "bench1234" + nul + "127.0.0.1" + nul);
    printer.setValue(0x29, port);
    printer.setValue(0x0D, QByteArray(1, nul) + loopback + mask + loopback);
    printer.setValue(0x0F, port + frame::le16(38400));
}

void singlePrinterCases(Bench &b, SimPrinter &printer, const QString &fontFile)
{
    b.click("checkBox_WIFI");
    b.child<QLineEdit>("lineEdit_ConnectAddr")->setText(QStringLiteral("127.0.0.1"));
    b.child<QLineEdit>("lineEdit_ConnectTCPPort")->setText(QString::number(printer.tcpPort()));

    // Before the printer is opened: the doctor connects on its own.
    b.measure("doctor", "pushButton_Doctor");

    auto *list = b.child<QComboBox>("comboBox_ScanResult");
    auto *search = b.child<QAbstractButton>("pushButton_getList");
    if (!b.click("pushButton_getList") ||
        !waitUntil([&] { return list->count() > 0 && search->isEnabled(); }, kCapMs) ||
        !b.step("pushButton_open") || !b.window.isDeviceOpen()) {
        std::fprintf(stderr, "the printer could not be opened: %s\n", qPrintable(b.lastRecord()));
        b.failed = true;
        return;
    }

    b.measure("print_read", "pushButton_PrintSettingRead");

    b.recorder.fileToOpen = fontFile;
    b.measure("download_1MiB", "pushButton_DownloadFL");
    b.recorder.fileToOpen.clear();

    // A user joining the printer to a network: read, then a new station name. The write
    // restarts the connection, so it comes last.
    if (!b.step("pushButton_WifiSettingRead")) {
        std::fprintf(stderr, "wifi_write: the page could not be read\n");
        b.failed = true;
        return;
    }
    b.child<QComboBox>("comboBox_WifiMode")->setCurrentIndex(0);
    b.child<QLineEdit>("lineEdit_WStaName")->setText(QStringLiteral("BenchNet"));
    b.child<QLineEdit>("lineEdit_WStaPassword")->setText(QStringLiteral("bench1234"));
    b.measure("wifi_write", "pushButton_WifiSettingSet");
}

void fleetCase(Bench &b, const QString &profileFile)
{
    std::vector<std::unique_ptr<SimPrinter>> printers;
    QStringList addresses;
    for (int i = 0; i < kFleetPrinters; ++i) {
        printers.push_back(startFleetPrinter(QStringLiteral("127.0.0.1"), 0));
        if (!printers.back()) {
            std::fprintf(stderr, "fleet_dry_run_50: simulated printer %d did not start\n", i);
            b.failed = true;
            return;
        }
        addresses << QStringLiteral("127.0.0.1:%1").arg(printers.back()->tcpPort());
    }
    QWidget *fleet = nullptr;
    if (b.click("pushButton_Fleet"))
        fleet = b.child<QWidget>("FleetWindow");
    if (!fleet || !waitUntil([fleet] { return fleet->isVisible(); }, 5000)) {
        std::fprintf(stderr, "fleet_dry_run_50: no fleet window\n");
        b.failed = true;
        return;
    }
    b.child<QLineEdit>("lineEdit_FleetAddress", fleet)->setText(addresses.join(QLatin1Char(' ')));
    b.click("pushButton_FleetAdd", fleet);
    auto *table = b.child<QTableView>("tableView_Fleet", fleet);
    if (table->model()->rowCount() != kFleetPrinters) {
        std::fprintf(stderr, "fleet_dry_run_50: %d printers listed\n", table->model()->rowCount());
        b.failed = true;
        return;
    }
    table->selectAll();
    // The difference is shown and the write declined: only the dry run goes out.
    b.recorder.fileToOpen = profileFile;
    b.recorder.questionAnswer = false;
    b.measure("fleet_dry_run_50", "pushButton_FleetApply", fleet);
    fleet->close();
    turnEventLoop(50);
}

} // namespace

int main(int argc, char **argv)
{
    // The window and the fleet remember things: here in a folder of their own.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    const QString fontFile = home.filePath(QStringLiteral("font.bin"));
    const QString profileFile = home.filePath(QStringLiteral("profile.json"));
    QFile profile(profileFile);
    if (!writeEncryptedFile(fontFile, rawPayload(kDownloadBytes, 3)) ||
        !profile.open(QIODevice::WriteOnly) ||
        profile.write(R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA",
                         "dotsPerMm": 12, "settings": {"print": {"density": 12}}})") < 0) {
        std::fprintf(stderr, "cannot write the test files\n");
        return 1;
    }
    profile.close();

    SimPrinter printer;
    printer.setTcpAddress(QHostAddress::LocalHost);
    printer.setTcpPort(0);
    printer.setUdpEnabled(false);
    QString error;
    if (!printer.start(&error)) {
        std::fprintf(stderr, "simulated printer: %s\n", qPrintable(error));
        return 1;
    }
    keepAddressesOnLoopback(printer);

    bool failed = false;
    {
        Bench b;
        b.window.show();
        QApplication::setActiveWindow(&b.window);
        turnEventLoop(50);
        singlePrinterCases(b, printer, fontFile);
        fleetCase(b, profileFile);
        failed = b.failed;
    }
    // Links retired on close are deleted by the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    printer.stop();
    return failed ? 1 : 0;
}
