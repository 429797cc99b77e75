// The window thread's longest stall while printer work runs, each case started from
// the main window's widgets (offscreen) as a user starts it, against simulated
// printers on 127.0.0.1 (the single printer answers after 50 ms):
//   stall_<case>     the largest gap between two ticks of a 5 ms timer on the window's
//                    thread, from the click until the work is over
//   duration_<case>  from the click until the result box was shown (and the window is
//                    no longer busy, where it tells)
// each the median of three runs. Cases: doctor (the connection doctor on the typed
// address), print_read (the print page), download_1MiB (a font file), wifi_write (the
// station's name and password, after a read) and fleet_dry_run_50 (a profile's
// difference against 50 printers, the write declined).
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
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kTickMs = 5;
constexpr int kCapMs = 180000; // per case: today's slowest takes seconds, not minutes
constexpr int kFleetPrinters = 50;
constexpr int kDownloadBytes = 1024 * 1024;
constexpr int kRuns = 3;
// An answer takes this long, as from a printer on a busy WiFi; the fleet's printers
// answer at once (50 of them at this pace would make a run long for no insight).
constexpr int kReplyDelayMs = 50;

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

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
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
        return recorder.messages.size() + recorder.dialogTitles.size() + recorder.questions.size();
    }
    QString lastRecord() const
    {
        if (!recorder.messages.isEmpty())
            return recorder.lastText();
        if (!recorder.questions.isEmpty())
            return recorder.questions.last().section(QLatin1Char('\n'), 0, 0);
        return recorder.dialogTitles.value(recorder.dialogTitles.size() - 1);
    }
    void fail(const char *name, const QString &why)
    {
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(why));
        failed = true;
    }
    // Clicks a button as a user does; false when it cannot be clicked.
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
    // The work a click started is over: its result box was shown and neither window
    // is busy any more.
    bool over(QWidget *in) { return records() > 0 && idle(&window) && idle(in); }
    // Clicks and waits for the result box without measuring (the steps before a case).
    bool step(const char *button, QWidget *in = nullptr)
    {
        recorder.clear();
        return click(button, in) && waitUntil([&] { return over(in); }, kCapMs);
    }
    // The device list searched and its printer opened.
    bool open()
    {
        auto *list = child<QComboBox>("comboBox_ScanResult");
        auto *search = child<QAbstractButton>("pushButton_getList");
        auto *openButton = child<QAbstractButton>("pushButton_open");
        if (!click("pushButton_getList"))
            return false;
        turnEventLoop(kTickMs);
        return waitUntil(
                   [&] {
                       return list->count() > 0 && search->isEnabled() && openButton->isEnabled() &&
                              idle(&window);
                   },
                   kCapMs) &&
               step("pushButton_open") && window.isDeviceOpen();
    }
    // Runs a case kRuns times, each from its click to its result box, after `prepare`
    // (not measured), and prints the medians.
    void measure(
        const char *name, const char *button, QWidget *in = nullptr,
        const std::function<bool()> &prepare = [] { return true; })
    {
        QVector<double> stalls, durations;
        for (int run = 0; run < kRuns; ++run) {
            if (!prepare())
                return fail(name, QStringLiteral("could not be prepared: ") + lastRecord());
            recorder.clear();
            meter.start();
            QElapsedTimer took;
            took.start();
            const bool clicked = click(button, in);
            const bool ended = clicked && waitUntil([&] { return over(in); }, kCapMs);
            durations << double(took.nsecsElapsed()) / 1e6;
            // A stall that ended with the work is counted at the next tick.
            turnEventLoop(4 * kTickMs);
            stalls << meter.stopMs();
            if (!ended)
                return fail(name, clicked ? QStringLiteral("no result within the cap")
                                          : QStringLiteral("could not be started"));
            // Each run's figures and box, to tell noise from a stall that comes back.
            std::fprintf(stderr, "%s: stall %.1f ms, %.1f ms, %s\n", name, stalls.last(),
                         durations.last(), qPrintable(lastRecord()));
        }
        std::printf("BENCH stall_%s %.1f ms\n", name, median(stalls));
        std::printf("BENCH duration_%s %.1f ms\n", name, median(durations));
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

    if (!b.open())
        return b.fail("open", QStringLiteral("the printer could not be opened: ") + b.lastRecord());
    b.measure("print_read", "pushButton_PrintSettingRead");

    b.recorder.fileToOpen = fontFile;
    b.measure("download_1MiB", "pushButton_DownloadFL");
    b.recorder.fileToOpen.clear();

    // A user joining the printer to a network: read, then the station's name and
    // password. The write closes the printer, which is opened again for the next run.
    int run = 0;
    b.measure("wifi_write", "pushButton_WifiSettingSet", nullptr, [&] {
        // What follows the last write (the printer closed) is over first.
        turnEventLoop(100);
        if (!waitUntil([&] { return idle(&b.window); }, kCapMs) ||
            (!b.window.isDeviceOpen() && !b.open()) || !b.step("pushButton_WifiSettingRead"))
            return false;
        b.child<QComboBox>("comboBox_WifiMode")->setCurrentIndex(0);
        b.child<QLineEdit>("lineEdit_WStaName")->setText(QStringLiteral("BenchNet%1").arg(++run));
        b.child<QLineEdit>("lineEdit_WStaPassword")->setText(QStringLiteral("bench1234"));
        return true;
    });
}

void fleetCase(Bench &b, const QString &profileFile)
{
    const char *name = "fleet_dry_run_50";
    std::vector<std::unique_ptr<SimPrinter>> printers;
    QStringList addresses;
    for (int i = 0; i < kFleetPrinters; ++i) {
        printers.push_back(startFleetPrinter(QStringLiteral("127.0.0.1"), 0));
        if (!printers.back())
            return b.fail(name, QStringLiteral("a simulated printer did not start"));
        addresses << QStringLiteral("127.0.0.1:%1").arg(printers.back()->tcpPort());
    }
    QWidget *fleet = nullptr;
    if (b.click("pushButton_Fleet"))
        fleet = b.child<QWidget>("FleetWindow");
    if (!fleet || !waitUntil([fleet] { return fleet->isVisible(); }, 5000))
        return b.fail(name, QStringLiteral("no fleet window"));
    b.child<QLineEdit>("lineEdit_FleetAddress", fleet)->setText(addresses.join(QLatin1Char(' ')));
    b.click("pushButton_FleetAdd", fleet);
    auto *table = b.child<QTableView>("tableView_Fleet", fleet);
    if (table->model()->rowCount() != kFleetPrinters)
        return b.fail(name, QStringLiteral("%1 printers listed").arg(table->model()->rowCount()));
    // The first poll of the printers just added is over before the first run.
    turnEventLoop(2000);
    table->selectAll();
    // The difference is shown and the write declined: only the dry run goes out.
    b.recorder.fileToOpen = profileFile;
    b.recorder.questionAnswer = false;
    b.measure(name, "pushButton_FleetApply", fleet);
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
    printer.setReplyDelayMs(kReplyDelayMs);

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
