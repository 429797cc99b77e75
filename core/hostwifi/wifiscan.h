#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

// One WiFi network seen by this computer.
struct WifiInfo
{
    QString ssid;    // exactly as the system reports it, never empty in a produced record
    int rssi = -100; // dBm; -100 when unknown; 1 for a connected network added by hand
    bool isCurrent = false;
};
Q_DECLARE_METATYPE(WifiInfo)

// Networks found in the XML report of `system_profiler SPAirPortDataType -xml`, in
// document order (duplicates possible). Pure function of the text.
QList<WifiInfo> parseSystemProfilerOutput(const QString &report);

// Networks found in the terse output of
// `nmcli -t -f IN-USE,SIGNAL,SSID device wifi list` (one access point per line, with
// ':' and '\' escaped by a backslash). The 0-100 signal becomes signal/2 - 100 dBm.
QList<WifiInfo> parseNmcliWifiList(const QString &output);

// Order of the list: the connected network first, then the stronger signal.
bool wifiGoesBefore(const WifiInfo &a, const WifiInfo &b);
void sortWifiList(QList<WifiInfo> &list);

// One entry per SSID: the connected one wins, otherwise the stronger, on equal
// standing the first. The result is in the order of sortWifiList.
QList<WifiInfo> mergeWifiList(const QList<WifiInfo> &list);

// Where the scan gets its list.
enum class WifiScanSource
{
    SystemProfiler, // macOS: networksetup power check, system_profiler report
    NetworkManager, // Linux: nmcli radio check, nmcli access point list
};

// The two programs of a scan and their time limits.
struct WifiScanCommands
{
    WifiScanSource source = WifiScanSource::NetworkManager;
    QString powerProgram;
    QStringList powerArguments;
    QString listProgram;
    QStringList listArguments;
    int powerTimeoutMs = 2000;
    int listTimeoutMs = 5000;
};

// The commands of the platform the tool runs on.
WifiScanCommands platformWifiScanCommands();

// The commands scans use: the platform's unless replaced (tests run fake programs).
WifiScanCommands wifiScanCommands();
void setWifiScanCommands(const WifiScanCommands &commands);
void resetWifiScanCommands();

// The whole scan, blocking; for a worker thread. Every failure gives an empty list
// and a debug log line. `powerOff` is called (on the calling thread) when the WiFi
// radio reports being off.
QList<WifiInfo> runWifiScan(const WifiScanCommands &commands,
                            const std::function<void()> &powerOff = {});

class QProcess;
class QTimer;

// The same scan without blocking: the two programs run while the caller's event loop
// turns, and finished() brings the list (empty on every failure, as runWifiScan). A scan
// started again, cancelled or destroyed ends its programs at once; no finished() follows.
class WifiScan : public QObject
{
    Q_OBJECT

public:
    explicit WifiScan(QObject *parent = nullptr);
    ~WifiScan() override;

    void start(const WifiScanCommands &commands);
    void cancel();
    bool running() const { return !m_process.isNull(); }

signals:
    void finished(const QList<WifiInfo> &wifis);

private:
    void startList();
    void launch(const QString &program, const QStringList &arguments, int timeoutMs);
    void processEnded();
    void end(const QList<WifiInfo> &wifis);

    WifiScanCommands m_commands;
    QPointer<QProcess> m_process;
    bool m_listing = false; // the list program runs, not the power check
    QTimer *m_limit;
};
