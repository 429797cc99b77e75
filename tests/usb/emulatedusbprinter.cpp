// glib and umockdev first: Qt's keyword macros break the gio headers.
#ifdef LABELSETUP_HAVE_UMOCKDEV
#include <umockdev.h>
#endif

#include "emulatedusbprinter.h"

#include "sim/printermodel.h"

#include <QFile>
#include <QElapsedTimer>
#include <QMutexLocker>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#ifdef LABELSETUP_HAVE_UMOCKDEV
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#endif

namespace {

qint64 nowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

QByteArray le16(quint16 v)
{
    return QByteArray(1, char(v & 0xFF)) + char(v >> 8);
}

// Device descriptor, then configuration 1 with one printer interface (class 7) that
// has a bulk OUT (0x01) and a bulk IN (0x81) endpoint.
QByteArray printerDescriptors(const EmulatedDeviceSpec &deviceSpec)
{
    QByteArray d;
    d += QByteArray::fromHex("1201000200000040");
    d += le16(deviceSpec.vendorId) + le16(deviceSpec.productId);
    d += QByteArray::fromHex("0001");
    d += char(1);                                    // iManufacturer
    d += char(deviceSpec.product.isEmpty() ? 0 : 2); // iProduct
    d += char(0);                                    // iSerialNumber
    d += char(1);                                    // bNumConfigurations
    d += QByteArray::fromHex("0902200001010080FA");
    d += QByteArray::fromHex("0904000002070102") + char(deviceSpec.interfaceStringIndex);
    d += QByteArray::fromHex("07050102000200");
    d += QByteArray::fromHex("07058102000200");
    return d;
}

QByteArray rootHubDescriptors()
{
    return QByteArray::fromHex("12010002090001406B1D020006050302010109021900010100E000"
                               "0904000001090000000705810304000C");
}

} // namespace

#ifdef LABELSETUP_HAVE_UMOCKDEV

struct EmulatedUsbPrinter::Urb
{
    UMockdevIoctlData *urb = nullptr;    // struct usbdevfs_urb in the client
    UMockdevIoctlData *buffer = nullptr; // its data buffer
    unsigned long clientAddress = 0;
    qint64 submittedAt = 0;
    int taken = 0; // bytes of a bulk OUT transfer the device has taken so far
    bool done = false;

    usbdevfs_urb *fields() const { return reinterpret_cast<usbdevfs_urb *>(urb->data); }
    ~Urb()
    {
        if (buffer)
            g_object_unref(buffer);
        if (urb)
            g_object_unref(urb);
    }
};

EmulatedUsbPrinter::EmulatedUsbPrinter(const EmulatedDeviceSpec &deviceSpec)
    : m_spec(deviceSpec), m_model(new PrinterModel)
{
}

EmulatedUsbPrinter::~EmulatedUsbPrinter() = default;

QString EmulatedUsbPrinter::sysfsName() const
{
    return QStringLiteral("%1-%2").arg(m_spec.bus).arg(m_spec.portPath);
}

QString EmulatedUsbPrinter::devNode() const
{
    return QString::asprintf("/dev/bus/usb/%03d/%03d", m_spec.bus, m_spec.deviceNumber);
}

void EmulatedUsbPrinter::setResponder(FrameResponder responder)
{
    QMutexLocker lock(&m_mutex);
    m_responder = std::move(responder);
}

void EmulatedUsbPrinter::setReplyDelayMs(int ms)
{
    QMutexLocker lock(&m_mutex);
    m_replyDelayMs = ms;
}

void EmulatedUsbPrinter::setStatusWord(const QByteArray &fourBytes)
{
    QMutexLocker lock(&m_mutex);
    m_statusWord = fourBytes;
}

void EmulatedUsbPrinter::setWriteDelayMs(int ms)
{
    QMutexLocker lock(&m_mutex);
    m_writeDelayMs = ms;
}

void EmulatedUsbPrinter::setAcceptLimit(qint64 bytes)
{
    QMutexLocker lock(&m_mutex);
    m_acceptLimit = bytes;
}

void EmulatedUsbPrinter::setSilent(bool silent)
{
    QMutexLocker lock(&m_mutex);
    m_silent = silent;
}

void EmulatedUsbPrinter::setKernelDriverBound(bool bound)
{
    QMutexLocker lock(&m_mutex);
    m_driverBound = bound;
}

void EmulatedUsbPrinter::unplugAfterMs(int ms)
{
    QMutexLocker lock(&m_mutex);
    m_unplugAt = nowMs() + ms;
}

void EmulatedUsbPrinter::queueInput(const QByteArray &bytes)
{
    QMutexLocker lock(&m_mutex);
    m_input.append({bytes, nowMs()});
}

QList<QByteArray> EmulatedUsbPrinter::writes() const
{
    QMutexLocker lock(&m_mutex);
    return m_writes;
}

bool EmulatedUsbPrinter::kernelDriverBound() const
{
    QMutexLocker lock(&m_mutex);
    return m_driverBound;
}

int EmulatedUsbPrinter::detachCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_detachCount;
}

int EmulatedUsbPrinter::claimCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_claimCount;
}

int EmulatedUsbPrinter::releaseCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_releaseCount;
}

int EmulatedUsbPrinter::openTransfers() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_urbs.size());
}

bool EmulatedUsbPrinter::unplugged() const
{
    QMutexLocker lock(&m_mutex);
    return m_unplugged;
}

namespace {

void complete(void *client, long result, int error)
{
    umockdev_ioctl_client_complete(static_cast<UMockdevIoctlClient *>(client), result, error);
}

// The memory the ioctl argument points at, `size` bytes of it (caller unrefs).
UMockdevIoctlData *argument(void *client, gsize size)
{
    GError *error = nullptr;
    UMockdevIoctlData *arg =
        umockdev_ioctl_client_get_arg(static_cast<UMockdevIoctlClient *>(client));
    UMockdevIoctlData *data = umockdev_ioctl_data_resolve(arg, 0, size, &error);
    if (error)
        g_error_free(error);
    return data;
}

unsigned long argumentValue(void *client)
{
    UMockdevIoctlData *arg =
        umockdev_ioctl_client_get_arg(static_cast<UMockdevIoctlClient *>(client));
    unsigned long value = 0;
    std::memcpy(&value, arg->data, qMin<size_t>(sizeof(value), size_t(arg->data_len)));
    return value;
}

QByteArray stringDescriptor(const QByteArray &ascii)
{
    QByteArray d;
    d += char(2 + 2 * ascii.size());
    d += char(3);
    for (char c : ascii)
        d += QByteArray(1, c) + char(0);
    return d;
}

} // namespace

bool EmulatedUsbPrinter::handleIoctl(void *client)
{
    const unsigned long request =
        umockdev_ioctl_client_get_request(static_cast<UMockdevIoctlClient *>(client));
    if (request == USBDEVFS_SUBMITURB)
        return handleSubmit(client);
    if (request == USBDEVFS_REAPURBNDELAY || request == USBDEVFS_REAPURB)
        return handleReap(client);
    if (request == USBDEVFS_DISCARDURB)
        return handleDiscard(client);

    QMutexLocker lock(&m_mutex);
    unplugIfDueLocked(nowMs());
    if (m_unplugged) {
        complete(client, -1, ENODEV);
        return true;
    }
    switch (request) {
    case USBDEVFS_GET_CAPABILITIES: {
        UMockdevIoctlData *caps = argument(client, sizeof(quint32));
        const quint32 value = USBDEVFS_CAP_ZERO_PACKET | USBDEVFS_CAP_BULK_CONTINUATION |
                              USBDEVFS_CAP_NO_PACKET_SIZE_LIM;
        std::memcpy(caps->data, &value, sizeof(value));
        complete(client, 0, 0);
        g_object_unref(caps);
        return true;
    }
    case USBDEVFS_CLAIMINTERFACE:
        if (m_driverBound) {
            complete(client, -1, EBUSY);
        } else {
            ++m_claimCount;
            complete(client, 0, 0);
        }
        return true;
    case USBDEVFS_RELEASEINTERFACE:
        ++m_releaseCount;
        complete(client, 0, 0);
        return true;
    case USBDEVFS_GETDRIVER: {
        if (!m_driverBound) {
            complete(client, -1, ENODATA);
            return true;
        }
        UMockdevIoctlData *driver = argument(client, sizeof(usbdevfs_getdriver));
        auto *fields = reinterpret_cast<usbdevfs_getdriver *>(driver->data);
        std::strcpy(fields->driver, "usblp");
        complete(client, 0, 0);
        g_object_unref(driver);
        return true;
    }
    case USBDEVFS_IOCTL: {
        UMockdevIoctlData *command = argument(client, sizeof(usbdevfs_ioctl));
        const auto *fields = reinterpret_cast<const usbdevfs_ioctl *>(command->data);
        if (fields->ioctl_code == int(USBDEVFS_DISCONNECT)) {
            if (m_driverBound) {
                m_driverBound = false;
                ++m_detachCount;
                complete(client, 0, 0);
            } else {
                complete(client, -1, ENODATA);
            }
        } else if (fields->ioctl_code == int(USBDEVFS_CONNECT)) {
            m_driverBound = true;
            complete(client, 0, 0);
        } else {
            complete(client, -1, ENOTTY);
        }
        g_object_unref(command);
        return true;
    }
    case USBDEVFS_SETINTERFACE:
    case USBDEVFS_SETCONFIGURATION:
    case USBDEVFS_CLEAR_HALT:
    case USBDEVFS_RESET:
        complete(client, 0, 0);
        return true;
    default:
        complete(client, -1, ENOTTY);
        return true;
    }
}

void EmulatedUsbPrinter::unplugIfDueLocked(qint64 now)
{
    if (m_unplugged || m_unplugAt < 0 || now < m_unplugAt)
        return;
    m_unplugged = true;
    for (auto &urb : m_urbs) {
        if (!urb->done) {
            urb->fields()->status = -ENODEV;
            urb->fields()->actual_length = 0;
            urb->done = true;
        }
    }
}

bool EmulatedUsbPrinter::handleSubmit(void *client)
{
    QMutexLocker lock(&m_mutex);
    unplugIfDueLocked(nowMs());
    if (m_unplugged) {
        complete(client, -1, ENODEV);
        return true;
    }
    auto urb = std::make_unique<Urb>();
    urb->urb = argument(client, sizeof(usbdevfs_urb));
    if (!urb->urb) {
        complete(client, -1, EFAULT);
        return true;
    }
    urb->clientAddress = urb->urb->client_addr;
    usbdevfs_urb *fields = urb->fields();
    GError *error = nullptr;
    urb->buffer = umockdev_ioctl_data_resolve(urb->urb, offsetof(usbdevfs_urb, buffer),
                                              gsize(fields->buffer_length), &error);
    if (error) {
        g_error_free(error);
        complete(client, -1, EFAULT);
        return true;
    }
    urb->submittedAt = nowMs();
    fields->status = 0;
    fields->actual_length = 0;
    if (fields->type == USBDEVFS_URB_TYPE_CONTROL)
        answerControlLocked(*urb);
    m_urbs.push_back(std::move(urb));
    complete(client, 0, 0);
    return true;
}

void EmulatedUsbPrinter::answerControlLocked(Urb &urb)
{
    usbdevfs_urb *fields = urb.fields();
    auto *setup = reinterpret_cast<const quint8 *>(urb.buffer->data);
    const quint8 requestType = setup[0];
    const quint8 request = setup[1];
    const quint16 value = quint16(setup[2] | (setup[3] << 8));
    const quint16 length = quint16(setup[6] | (setup[7] << 8));

    QByteArray answer;
    bool stall = false;
    if (requestType == 0x80 && request == 6 && (value >> 8) == 3) {
        const int index = value & 0xFF;
        if (index == 0)
            answer = QByteArray::fromHex("04030904");
        else if (index == 1)
            answer = stringDescriptor("Emulated printer maker");
        else if (index == 2 && !m_spec.product.isEmpty())
            answer = stringDescriptor(m_spec.product);
        else
            stall = true;
    } else if (requestType == 0x80 && request == 6 && (value >> 8) == 1) {
        answer = printerDescriptors(m_spec).left(18);
    } else if (requestType == 0xC1 && request == 0xFF) {
        answer = m_statusWord;
        if (answer.isEmpty()) {
            const quint32 word = m_model->statusWord();
            for (int shift = 0; shift < 32; shift += 8)
                answer += char((word >> shift) & 0xFF); // low byte first
        }
    } else {
        stall = true;
    }
    if (stall) {
        fields->status = -EPIPE;
    } else {
        answer = answer.left(qMin<int>(length, fields->buffer_length - 8));
        std::memcpy(urb.buffer->data + 8, answer.constData(), size_t(answer.size()));
        fields->actual_length = answer.size();
    }
    urb.done = true;
}

// Finishes a bulk URB when the device is ready for it.
bool EmulatedUsbPrinter::completeReadyLocked(Urb &urb, qint64 now)
{
    if (urb.done)
        return true;
    usbdevfs_urb *fields = urb.fields();
    if (fields->type != USBDEVFS_URB_TYPE_BULK)
        return false;
    if (!(fields->endpoint & 0x80)) {
        if (now < urb.submittedAt + m_writeDelayMs)
            return false;
        int n = fields->buffer_length - urb.taken;
        if (m_acceptLimit >= 0)
            n = int(qMin<qint64>(n, m_acceptLimit));
        if (n > 0) {
            const QByteArray written(reinterpret_cast<const char *>(urb.buffer->data) + urb.taken,
                                     n);
            m_writes.append(written);
            const QByteArray reply = m_responder ? m_responder(written) : m_model->feed(written);
            if (!reply.isEmpty())
                m_input.append({reply, now + m_replyDelayMs});
            urb.taken += n;
            if (m_acceptLimit >= 0)
                m_acceptLimit -= n;
        }
        if (urb.taken < fields->buffer_length)
            return false;
        fields->actual_length = fields->buffer_length;
        urb.done = true;
        return true;
    }
    if (m_silent || m_input.isEmpty() || now < m_input.first().readyAt)
        return false;
    Pending &next = m_input.first();
    const int n = qMin(fields->buffer_length, next.bytes.size());
    std::memcpy(urb.buffer->data, next.bytes.constData(), size_t(n));
    next.bytes.remove(0, n);
    if (next.bytes.isEmpty())
        m_input.removeFirst();
    fields->actual_length = n;
    urb.done = true;
    return true;
}

bool EmulatedUsbPrinter::handleReap(void *client)
{
    QMutexLocker lock(&m_mutex);
    const qint64 now = nowMs();
    unplugIfDueLocked(now);
    for (auto it = m_urbs.begin(); it != m_urbs.end(); ++it) {
        if (!completeReadyLocked(**it, now))
            continue;
        std::unique_ptr<Urb> urb = std::move(*it);
        m_urbs.erase(it);
        m_emptyReaps = 0;
        UMockdevIoctlData *slot = argument(client, sizeof(void *));
        umockdev_ioctl_data_set_ptr(slot, 0, urb->urb);
        complete(client, 0, 0);
        g_object_unref(slot);
        return true;
    }
    complete(client, -1, m_unplugged ? ENODEV : EAGAIN);
    // libusb polls the device node in a tight loop while a transfer waits for the
    // device; a short pause keeps that waiting cheap. Draining reaps with nothing in
    // flight are answered at once.
    if (!m_urbs.empty() && ++m_emptyReaps > 2) {
        lock.unlock();
        QThread::usleep(500);
    }
    return true;
}

bool EmulatedUsbPrinter::handleDiscard(void *client)
{
    QMutexLocker lock(&m_mutex);
    const unsigned long address = argumentValue(client);
    for (auto &urb : m_urbs) {
        if (urb->clientAddress == address && !urb->done) {
            urb->fields()->status = -ENOENT;
            urb->fields()->actual_length = urb->taken;
            if (!(urb->fields()->endpoint & 0x80))
                m_acceptLimit = -1;
            urb->done = true;
            complete(client, 0, 0);
            return true;
        }
    }
    complete(client, -1, EINVAL);
    return true;
}

namespace {

gboolean onHandleIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer device)
{
    return static_cast<EmulatedUsbPrinter *>(device)->handleIoctl(client);
}

} // namespace

struct EmulatedUsbBus::Private
{
    UMockdevTestbed *testbed = nullptr;
    QList<int> hubs;
    std::vector<std::unique_ptr<EmulatedUsbPrinter>> devices;
    QMap<EmulatedUsbPrinter *, QString> syspaths;
};

EmulatedUsbBus::EmulatedUsbBus() : d(new Private)
{
    if (available())
        d->testbed = umockdev_testbed_new();
}

EmulatedUsbBus::~EmulatedUsbBus()
{
    if (d->testbed)
        g_object_unref(d->testbed);
    d->devices.clear();
}

bool EmulatedUsbBus::available()
{
    // The preload library has to be mapped into this process.
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libumockdev-preload");
}

QString EmulatedUsbBus::unavailableReason()
{
    return QStringLiteral("the umockdev preload library is not active");
}

void EmulatedUsbBus::addRootHub(int bus)
{
    if (d->hubs.contains(bus))
        return;
    d->hubs.append(bus);
    const QString text = QStringLiteral("P: /devices/pci0000:00/0000:00:%1.0/usb%2\n"
                                        "N: bus/usb/%3/001\n"
                                        "E: DEVNAME=/dev/bus/usb/%3/001\n"
                                        "E: DEVTYPE=usb_device\n"
                                        "E: DRIVER=usb\n"
                                        "E: SUBSYSTEM=usb\n"
                                        "E: BUSNUM=%3\n"
                                        "E: DEVNUM=001\n"
                                        "A: busnum=%2\n"
                                        "A: devnum=1\n"
                                        "A: speed=480\n"
                                        "A: bConfigurationValue=1\n"
                                        "A: dev=189:%4\n"
                                        "A: idVendor=1d6b\n"
                                        "A: idProduct=0002\n"
                                        "H: descriptors=%5\n")
                             .arg(QString::number(0x14 + bus, 16))
                             .arg(bus)
                             .arg(bus, 3, 10, QLatin1Char('0'))
                             .arg((bus - 1) * 128)
                             .arg(QString::fromLatin1(rootHubDescriptors().toHex().toUpper()));
    GError *error = nullptr;
    umockdev_testbed_add_from_string(d->testbed, text.toUtf8().constData(), &error);
    if (error) {
        qWarning("root hub: %s", error->message);
        g_error_free(error);
    }
}

EmulatedUsbPrinter *EmulatedUsbBus::addDevice(const EmulatedDeviceSpec &deviceSpec)
{
    if (!d->testbed)
        return nullptr;
    addRootHub(deviceSpec.bus);
    auto device = std::make_unique<EmulatedUsbPrinter>(deviceSpec);
    const QString syspath = QStringLiteral("/devices/pci0000:00/0000:00:%1.0/usb%2/%3")
                                .arg(QString::number(0x14 + deviceSpec.bus, 16))
                                .arg(deviceSpec.bus)
                                .arg(device->sysfsName());
    const QString bus = QStringLiteral("%1").arg(deviceSpec.bus, 3, 10, QLatin1Char('0'));
    const QString dev = QStringLiteral("%1").arg(deviceSpec.deviceNumber, 3, 10, QLatin1Char('0'));
    const QString text =
        QStringLiteral("P: %1\n"
                       "N: bus/usb/%2/%3\n"
                       "E: DEVNAME=/dev/bus/usb/%2/%3\n"
                       "E: DEVTYPE=usb_device\n"
                       "E: DRIVER=usb\n"
                       "E: SUBSYSTEM=usb\n"
                       "E: BUSNUM=%2\n"
                       "E: DEVNUM=%3\n"
                       "A: busnum=%4\n"
                       "A: devnum=%5\n"
                       "A: speed=480\n"
                       "A: bConfigurationValue=1\n"
                       "A: dev=189:%6\n"
                       "A: idVendor=%7\n"
                       "A: idProduct=%8\n"
                       "H: descriptors=%9\n")
            .arg(syspath, bus, dev)
            .arg(deviceSpec.bus)
            .arg(deviceSpec.deviceNumber)
            .arg((deviceSpec.bus - 1) * 128 + deviceSpec.deviceNumber - 1)
            .arg(deviceSpec.vendorId, 4, 16, QLatin1Char('0'))
            .arg(deviceSpec.productId, 4, 16, QLatin1Char('0'))
            .arg(QString::fromLatin1(printerDescriptors(deviceSpec).toHex().toUpper()));
    GError *error = nullptr;
    if (!umockdev_testbed_add_from_string(d->testbed, text.toUtf8().constData(), &error)) {
        qWarning("device %s: %s", qPrintable(syspath), error ? error->message : "?");
        if (error)
            g_error_free(error);
        return nullptr;
    }
    UMockdevIoctlBase *handler = umockdev_ioctl_base_new();
    g_signal_connect(handler, "handle-ioctl", G_CALLBACK(onHandleIoctl), device.get());
    if (!umockdev_testbed_attach_ioctl(d->testbed, device->devNode().toUtf8().constData(), handler,
                                       &error)) {
        qWarning("attach %s: %s", qPrintable(device->devNode()), error ? error->message : "?");
        if (error)
            g_error_free(error);
    }
    g_object_unref(handler);
    EmulatedUsbPrinter *raw = device.get();
    d->syspaths.insert(raw, QStringLiteral("/sys") + syspath);
    d->devices.push_back(std::move(device));
    return raw;
}

void EmulatedUsbBus::removeDevice(EmulatedUsbPrinter *device)
{
    const QString syspath = d->syspaths.value(device);
    if (!d->testbed || syspath.isEmpty())
        return;
    umockdev_testbed_uevent(d->testbed, syspath.toUtf8().constData(), "remove");
    umockdev_testbed_remove_device(d->testbed, syspath.toUtf8().constData());
    d->syspaths.remove(device);
}

#else // no umockdev: every test that needs the bus skips

struct EmulatedUsbPrinter::Urb
{
};

EmulatedUsbPrinter::EmulatedUsbPrinter(const EmulatedDeviceSpec &deviceSpec)
    : m_spec(deviceSpec), m_model(new PrinterModel)
{
}
EmulatedUsbPrinter::~EmulatedUsbPrinter() = default;
QString EmulatedUsbPrinter::sysfsName() const
{
    return QString();
}
QString EmulatedUsbPrinter::devNode() const
{
    return QString();
}
void EmulatedUsbPrinter::setResponder(FrameResponder) {}
void EmulatedUsbPrinter::setStatusWord(const QByteArray &) {}
void EmulatedUsbPrinter::setReplyDelayMs(int) {}
void EmulatedUsbPrinter::setWriteDelayMs(int) {}
void EmulatedUsbPrinter::setAcceptLimit(qint64) {}
void EmulatedUsbPrinter::setSilent(bool) {}
void EmulatedUsbPrinter::setKernelDriverBound(bool) {}
void EmulatedUsbPrinter::unplugAfterMs(int) {}
void EmulatedUsbPrinter::queueInput(const QByteArray &) {}
QList<QByteArray> EmulatedUsbPrinter::writes() const
{
    return {};
}
bool EmulatedUsbPrinter::kernelDriverBound() const
{
    return false;
}
int EmulatedUsbPrinter::detachCount() const
{
    return 0;
}
int EmulatedUsbPrinter::claimCount() const
{
    return 0;
}
int EmulatedUsbPrinter::releaseCount() const
{
    return 0;
}
int EmulatedUsbPrinter::openTransfers() const
{
    return 0;
}
bool EmulatedUsbPrinter::unplugged() const
{
    return false;
}
bool EmulatedUsbPrinter::handleIoctl(void *)
{
    return false;
}

struct EmulatedUsbBus::Private
{
};
EmulatedUsbBus::EmulatedUsbBus() : d(new Private) {}
EmulatedUsbBus::~EmulatedUsbBus() = default;
bool EmulatedUsbBus::available()
{
    return false;
}
QString EmulatedUsbBus::unavailableReason()
{
    return QStringLiteral("umockdev was not found when the tests were configured");
}
EmulatedUsbPrinter *EmulatedUsbBus::addDevice(const EmulatedDeviceSpec &)
{
    return nullptr;
}
void EmulatedUsbBus::removeDevice(EmulatedUsbPrinter *) {}

#endif

void ensureUmockdevPreload(int, char **argv)
{
#ifdef LABELSETUP_HAVE_UMOCKDEV
    const QByteArray preload = qgetenv("LD_PRELOAD");
    if (preload.contains("libumockdev-preload") || qEnvironmentVariableIsSet("LABELSETUP_REEXEC"))
        return;
    QByteArray libraries;
#ifdef LABELSETUP_ASAN_RUNTIME
    libraries = LABELSETUP_ASAN_RUNTIME ":";
#endif
    if (!preload.isEmpty())
        libraries += preload + ':';
    libraries += "libumockdev-preload.so.0";
    qputenv("LD_PRELOAD", libraries);
    qputenv("LABELSETUP_REEXEC", "1");
    execv("/proc/self/exe", argv);
#else
    Q_UNUSED(argv);
#endif
}

QByteArray fixedPrinterResponse(const QByteArray &written)
{
    if (written.size() < 9 || !written.startsWith("\x1B\xFF\xFE"))
        return QByteArray();
    const char frameClass = written.at(3);
    const quint8 item = quint8(written.at(4));
    QByteArray data;
    if (frameClass == 0x02) {
        data = item == 0x0C ? QByteArray("EMU\0K51A\0"
                                         "1.0\0"
                                         "SN1\0X\0",
                                         19)
                            : QByteArray(1, 1);
    } else if (frameClass == 0x00 && item == 4) {
        data = QByteArray("V1.0.9", 7);
    } else if (frameClass == 0x00 && item == 11) {
        data = QByteArray::fromHex("CB008001");
    } else if (frameClass == 0x00 && item == 3) {
        data = QByteArray(4, 0);
    } else {
        return QByteArray();
    }
    return QByteArray("\x1B\xFF\xFE", 3) + frameClass + char(item) + char(data.size()) + data +
           QByteArray("\x1B\xFE\xFF", 3);
}
