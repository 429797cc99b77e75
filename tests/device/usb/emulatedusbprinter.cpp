// glib and umockdev first: Qt's keyword macros break the gio headers.
#ifdef LABELSETUP_HAVE_UMOCKDEV
#include <umockdev.h>
#endif

#include "emulatedusbprinter.h"

#include "sim/printermodel.h"

#include <QFile>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <unistd.h>

#ifdef LABELSETUP_HAVE_UMOCKDEV
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#endif

namespace {

qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

QString EmulatedUsbPrinter::devNode() const
{
    return QString::asprintf("/dev/bus/usb/%03d/%03d", m_spec.bus, m_spec.deviceNumber);
}

void EmulatedUsbPrinter::unplugAfterMs(int ms)
{
    set(m_unplugAt, nowMs() + ms);
}

#ifdef LABELSETUP_HAVE_UMOCKDEV

namespace {

// Device descriptor, then configuration 1 with one printer interface (class 7)
// that has a bulk OUT (0x01) and a bulk IN (0x81) endpoint.
QByteArray printerDescriptors(const EmulatedDeviceSpec &deviceSpec)
{
    const quint16 v = deviceSpec.vendorId, p = deviceSpec.productId;
    return QByteArray::fromHex("1201000200000040") +
           QByteArray::fromHex(
               QString::asprintf("%02x%02x%02x%02x", v & 0xFF, v >> 8, p & 0xFF, p >> 8)
                   .toLatin1()) +
           QByteArray::fromHex("000101") + char(deviceSpec.product.isEmpty() ? 0 : 2) +
           QByteArray::fromHex("00010902200001010080FA0904000002070102") +
           char(deviceSpec.interfaceStringIndex) +
           QByteArray::fromHex("0705010200020007058102000200");
}

bool complete(void *client, long result, int error)
{
    umockdev_ioctl_client_complete(static_cast<UMockdevIoctlClient *>(client), result, error);
    return true;
}

// The memory the ioctl argument (or `from`) points at, `size` bytes of it.
UMockdevIoctlData *argument(void *client, gsize size, gsize offset = 0,
                            UMockdevIoctlData *from = nullptr)
{
    if (!from)
        from = umockdev_ioctl_client_get_arg(static_cast<UMockdevIoctlClient *>(client));
    return umockdev_ioctl_data_resolve(from, offset, size, nullptr);
}

} // namespace

struct EmulatedUsbPrinter::Urb
{
    UMockdevIoctlData *urb = nullptr;    // struct usbdevfs_urb in the client
    UMockdevIoctlData *buffer = nullptr; // its data buffer
    unsigned long clientAddress = 0;
    qint64 submittedAt = 0;
    int taken = 0; // bytes of a bulk OUT transfer the device has taken so far
    bool done = false;

    usbdevfs_urb *fields() const { return reinterpret_cast<usbdevfs_urb *>(urb->data); }
    void finish(int s, int n)
    {
        fields()->status = s;
        fields()->actual_length = n;
        done = true;
    }
    ~Urb()
    {
        g_clear_object(&buffer);
        g_clear_object(&urb);
    }
};

EmulatedUsbPrinter::EmulatedUsbPrinter(const EmulatedDeviceSpec &deviceSpec)
    : m_spec(deviceSpec), m_model(new PrinterModel)
{
}

EmulatedUsbPrinter::~EmulatedUsbPrinter() = default;

bool EmulatedUsbPrinter::handleIoctl(void *client)
{
    const unsigned long request =
        umockdev_ioctl_client_get_request(static_cast<UMockdevIoctlClient *>(client));
    QMutexLocker lock(&m_mutex);
    const qint64 now = nowMs();
    if (!m_unplugged && m_unplugAt >= 0 && now >= m_unplugAt) {
        m_unplugged = true;
        for (auto &urb : m_urbs) {
            if (!urb->done)
                urb->finish(-ENODEV, 0);
        }
    }
    // Transfers in flight may still be reaped or discarded after an unplug.
    if (m_unplugged && request != USBDEVFS_REAPURBNDELAY && request != USBDEVFS_DISCARDURB)
        return complete(client, -1, ENODEV);
    switch (request) {
    case USBDEVFS_SUBMITURB: {
        auto urb = std::make_unique<Urb>();
        urb->urb = argument(client, sizeof(usbdevfs_urb));
        if (!urb->urb)
            return complete(client, -1, EFAULT);
        urb->clientAddress = urb->urb->client_addr;
        usbdevfs_urb *fields = urb->fields();
        urb->buffer = argument(client, gsize(fields->buffer_length), offsetof(usbdevfs_urb, buffer),
                               urb->urb);
        if (!urb->buffer)
            return complete(client, -1, EFAULT);
        urb->submittedAt = now;
        fields->status = 0;
        fields->actual_length = 0;
        if (fields->type == USBDEVFS_URB_TYPE_CONTROL)
            answerControlLocked(*urb);
        m_urbs.push_back(std::move(urb));
        return complete(client, 0, 0);
    }
    case USBDEVFS_REAPURBNDELAY:
        for (auto it = m_urbs.begin(); it != m_urbs.end(); ++it) {
            if (!completeReadyLocked(**it, now))
                continue;
            const std::unique_ptr<Urb> urb = std::move(*it);
            m_urbs.erase(it);
            m_emptyReaps = 0;
            g_autoptr(UMockdevIoctlData) slot = argument(client, sizeof(void *));
            umockdev_ioctl_data_set_ptr(slot, 0, urb->urb);
            return complete(client, 0, 0);
        }
        complete(client, -1, m_unplugged ? ENODEV : EAGAIN);
        // libusb polls in a tight loop while a transfer waits: a short pause keeps that
        // cheap. Draining reaps with nothing in flight are answered at once.
        if (!m_urbs.empty() && ++m_emptyReaps > 2) {
            lock.unlock();
            QThread::usleep(500);
        }
        return true;
    case USBDEVFS_DISCARDURB: {
        const UMockdevIoctlData *arg =
            umockdev_ioctl_client_get_arg(static_cast<UMockdevIoctlClient *>(client));
        unsigned long address = 0;
        std::memcpy(&address, arg->data, qMin<size_t>(sizeof(address), size_t(arg->data_len)));
        for (auto &urb : m_urbs) {
            if (urb->clientAddress == address && !urb->done) {
                if (!(urb->fields()->endpoint & 0x80))
                    m_acceptLimit = -1;
                urb->finish(-ENOENT, urb->taken);
                return complete(client, 0, 0);
            }
        }
        return complete(client, -1, EINVAL);
    }
    case USBDEVFS_GET_CAPABILITIES: {
        g_autoptr(UMockdevIoctlData) caps = argument(client, sizeof(quint32));
        const quint32 value = USBDEVFS_CAP_ZERO_PACKET | USBDEVFS_CAP_BULK_CONTINUATION |
                              USBDEVFS_CAP_NO_PACKET_SIZE_LIM;
        std::memcpy(caps->data, &value, sizeof(value));
        return complete(client, 0, 0);
    }
    case USBDEVFS_CLAIMINTERFACE:
        if (m_driverBound)
            return complete(client, -1, EBUSY);
        ++m_claimCount;
        return complete(client, 0, 0);
    case USBDEVFS_RELEASEINTERFACE:
        ++m_releaseCount;
        return complete(client, 0, 0);
    case USBDEVFS_GETDRIVER: {
        if (!m_driverBound)
            return complete(client, -1, ENODATA);
        g_autoptr(UMockdevIoctlData) driver = argument(client, sizeof(usbdevfs_getdriver));
        std::strcpy(reinterpret_cast<usbdevfs_getdriver *>(driver->data)->driver, "usblp");
        return complete(client, 0, 0);
    }
    case USBDEVFS_IOCTL: // only the detach of the kernel driver is asked for
        if (!m_driverBound)
            return complete(client, -1, ENODATA);
        m_driverBound = false;
        return complete(client, 0, 0);
    default:
        return complete(client, -1, ENOTTY);
    }
}

void EmulatedUsbPrinter::answerControlLocked(Urb &urb)
{
    const auto *setup = reinterpret_cast<const quint8 *>(urb.buffer->data);
    const int length = setup[6] | (setup[7] << 8);
    QByteArray answer;
    if (setup[0] == 0x80 && setup[1] == 6 && setup[3] == 1) { // device descriptor
        answer = printerDescriptors(m_spec).left(18);
    } else if (setup[0] == 0x80 && setup[1] == 6 && setup[3] == 3 && setup[2] <= 2) {
        // String descriptors: the language list, the maker and the product.
        const QByteArray ascii =
            setup[2] == 1 ? QByteArray("Emulated printer maker") : m_spec.product;
        answer = setup[2] == 0 ? QByteArray::fromHex("04030904")
                               : QByteArray(1, char(2 + 2 * ascii.size())) + char(3);
        for (char c : setup[2] == 0 ? QByteArray() : ascii)
            answer += QByteArray(1, c) + char(0);
    } else if (setup[0] == 0xC1 && setup[1] == 0xFF) { // the status word
        answer = m_statusWord;
        for (int shift = 0; m_statusWord.isEmpty() && shift < 32; shift += 8)
            answer += char((m_model->statusWord() >> shift) & 0xFF); // low byte first
    } else {
        return urb.finish(-EPIPE, 0);
    }
    answer = answer.left(qMin(length, urb.fields()->buffer_length - 8));
    std::memcpy(urb.buffer->data + 8, answer.constData(), size_t(answer.size()));
    urb.finish(0, answer.size());
}

// Finishes a bulk URB when the device is ready for it.
bool EmulatedUsbPrinter::completeReadyLocked(Urb &urb, qint64 now)
{
    usbdevfs_urb *fields = urb.fields();
    if (urb.done || fields->type != USBDEVFS_URB_TYPE_BULK)
        return urb.done;
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
        urb.finish(0, fields->buffer_length);
        return true;
    }
    if (m_input.isEmpty() || now < m_input.first().second)
        return false;
    QByteArray &next = m_input.first().first;
    const int n = qMin(fields->buffer_length, next.size());
    std::memcpy(urb.buffer->data, next.constData(), size_t(n));
    next.remove(0, n);
    if (next.isEmpty())
        m_input.removeFirst();
    urb.finish(0, n);
    return true;
}

struct EmulatedUsbBus::Private
{
    UMockdevTestbed *testbed = nullptr;
    QList<int> hubs;
    std::vector<std::unique_ptr<EmulatedUsbPrinter>> devices;

    // Adds a USB device node at /sys<syspath> and /dev/bus/usb/<bus>/<device>.
    bool addNode(const QString &syspath, int bus, int device, const QByteArray &descriptors)
    {
        const QString node = QString::asprintf("%03d/%03d", bus, device);
        const QString text =
            QStringLiteral("P: %1\nN: bus/usb/%2\nE: DEVNAME=/dev/bus/usb/%2\n"
                           "E: DEVTYPE=usb_device\nE: DRIVER=usb\nE: SUBSYSTEM=usb\n"
                           "E: BUSNUM=%3\nE: DEVNUM=%4\nA: busnum=%5\nA: devnum=%6\n"
                           "A: speed=480\nA: bConfigurationValue=1\nA: dev=189:%7\n")
                .arg(syspath, node, node.left(3), node.mid(4))
                .arg(bus)
                .arg(device)
                .arg((bus - 1) * 128 + device - 1) +
            QStringLiteral("H: descriptors=") + QString::fromLatin1(descriptors.toHex().toUpper()) +
            QLatin1Char('\n');
        return umockdev_testbed_add_from_string(testbed, text.toUtf8().constData(), nullptr);
    }
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
}

EmulatedUsbPrinter *EmulatedUsbBus::addDevice(const EmulatedDeviceSpec &deviceSpec)
{
    if (!d->testbed)
        return nullptr;
    const QString hub = QStringLiteral("/devices/pci0000:00/0000:00:%1.0/usb%2")
                            .arg(QString::number(0x14 + deviceSpec.bus, 16))
                            .arg(deviceSpec.bus);
    if (!d->hubs.contains(deviceSpec.bus)) {
        d->hubs.append(deviceSpec.bus);
        d->addNode(hub, deviceSpec.bus, 1,
                   QByteArray::fromHex("12010002090001406B1D020006050302010109021900010100E000"
                                       "0904000001090000000705810304000C"));
    }
    auto device = std::make_unique<EmulatedUsbPrinter>(deviceSpec);
    if (!d->addNode(
            QStringLiteral("%1/%2-%3").arg(hub).arg(deviceSpec.bus).arg(deviceSpec.portPath),
            deviceSpec.bus, deviceSpec.deviceNumber, printerDescriptors(deviceSpec)))
        return nullptr;
    g_autoptr(UMockdevIoctlBase) handler = umockdev_ioctl_base_new();
    g_signal_connect(handler, "handle-ioctl",
                     G_CALLBACK(+[](UMockdevIoctlBase *, UMockdevIoctlClient *client,
                                    EmulatedUsbPrinter *device) {
                         return gboolean(device->handleIoctl(client));
                     }),
                     device.get());
    if (!umockdev_testbed_attach_ioctl(d->testbed, device->devNode().toUtf8().constData(), handler,
                                       nullptr))
        return nullptr;
    d->devices.push_back(std::move(device));
    return d->devices.back().get();
}

#else // no umockdev: every test that needs the bus skips

struct EmulatedUsbBus::Private
{
};
EmulatedUsbBus::EmulatedUsbBus() = default;
EmulatedUsbBus::~EmulatedUsbBus() = default;
EmulatedUsbPrinter *EmulatedUsbBus::addDevice(const EmulatedDeviceSpec &)
{
    return nullptr;
}

#endif

bool EmulatedUsbBus::available()
{
    // The preload library has to be mapped into this process.
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libumockdev-preload");
}

void ensureUmockdevPreload(int, [[maybe_unused]] char **argv)
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
    qputenv("LD_PRELOAD", libraries + "libumockdev-preload.so.0");
    qputenv("LABELSETUP_REEXEC", "1");
    execv("/proc/self/exe", argv);
#endif
}
