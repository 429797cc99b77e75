#pragma once

// A label printer emulated behind the real libusb: umockdev provides the sysfs entries
// and /dev/bus/usb nodes and hands every usbdevfs ioctl of the process to the emulated
// device. The process must run with libumockdev-preload.so.0 preloaded (see
// ensureUmockdevPreload); no libusb context may exist before or outlive the bus.

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

struct EmulatedDeviceSpec
{
    int bus = 1;
    int deviceNumber = 2;
    QString portPath = QStringLiteral("3"); // sysfs name "<bus>-<portPath>", e.g. "1.4"
    quint16 vendorId = 0x4B7E;
    quint16 productId = 1285;
    QByteArray product = "ABC"; // empty: the device has no product string index
    quint8 interfaceStringIndex = 0;
};

class PrinterModel;

// Bytes written to the printer in, reply bytes out (empty: no reply).
using FrameResponder = std::function<QByteArray(const QByteArray &written)>;

// The device side. By default the simulated printer's model answers: it is fed every bulk
// OUT transfer, its replies become the IN data, its stored word the status word. The
// switches may be changed at any time from the test thread.
class EmulatedUsbPrinter
{
public:
    explicit EmulatedUsbPrinter(const EmulatedDeviceSpec &deviceSpec);
    ~EmulatedUsbPrinter();

    QString devNode() const;
    PrinterModel &model() { return *m_model; }
    // Answers with `responder` instead of the model; an empty responder restores it.
    void setResponder(FrameResponder responder) { set(m_responder, std::move(responder)); }
    // The status control read's four bytes instead of the model's word (empty: the model's).
    void setStatusWord(const QByteArray &fourBytes) { set(m_statusWord, fourBytes); }
    // Reply bytes become readable this long after the write that caused them.
    void setReplyDelayMs(int ms) { set(m_replyDelayMs, ms); }
    // Each bulk OUT transfer completes this long after it was submitted.
    void setWriteDelayMs(int ms) { set(m_writeDelayMs, ms); }
    // Takes this many more OUT bytes, then nothing until the transfer times out or is
    // cancelled (reporting the bytes taken), then everything again. -1: no limit.
    void setAcceptLimit(qint64 bytes) { set(m_acceptLimit, bytes); }
    // A kernel driver holds the interface: claims fail with EBUSY until detached.
    void setKernelDriverBound(bool bound) { set(m_driverBound, bound); }
    // Gone this long from now: transfers in flight and every later request get ENODEV.
    void unplugAfterMs(int ms);

    QList<QByteArray> writes() const { return get(m_writes); }
    int claimCount() const { return get(m_claimCount); }
    int releaseCount() const { return get(m_releaseCount); }
    int openTransfers() const
    {
        QMutexLocker lock(&m_mutex);
        return int(m_urbs.size());
    }

    // Called by the ioctl handler on umockdev's worker thread.
    struct Urb;
    bool handleIoctl(void *client);

private:
    template <typename T, typename V> void set(T &field, V &&value)
    {
        QMutexLocker lock(&m_mutex);
        field = std::forward<V>(value);
    }
    template <typename T> T get(const T &field) const
    {
        QMutexLocker lock(&m_mutex);
        return field;
    }
    bool completeReadyLocked(Urb &urb, qint64 now);
    void answerControlLocked(Urb &urb);

    EmulatedDeviceSpec m_spec;
    mutable QMutex m_mutex;
    std::unique_ptr<PrinterModel> m_model;
    FrameResponder m_responder;
    QByteArray m_statusWord;
    int m_replyDelayMs = 0;
    int m_writeDelayMs = 0;
    qint64 m_acceptLimit = -1;
    bool m_driverBound = false;
    qint64 m_unplugAt = -1;
    bool m_unplugged = false;
    QList<QPair<QByteArray, qint64>> m_input; // reply bytes and when they become readable
    QList<QByteArray> m_writes;
    std::vector<std::unique_ptr<Urb>> m_urbs; // submitted, in order
    int m_claimCount = 0;
    int m_releaseCount = 0;
    int m_emptyReaps = 0;
};

// A umockdev testbed with root hubs and printers. Destroying it removes every device.
class EmulatedUsbBus
{
public:
    EmulatedUsbBus();
    ~EmulatedUsbBus();

    // False where umockdev is missing or the preload is not active; tests skip then.
    static bool available();
    static QString unavailableReason() { return QStringLiteral("no umockdev preload active"); }
    EmulatedUsbPrinter *addDevice(const EmulatedDeviceSpec &deviceSpec);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Re-executes the program with the umockdev preload library (and the sanitizer
// runtime before it) when it is not active yet. Call first thing in main().
void ensureUmockdevPreload(int argc, char **argv);
