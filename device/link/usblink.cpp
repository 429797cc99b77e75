#include "device/link/usblink.h"

#include "core/protocol/commandcodes.h"
#include "device/link/usberrors.h"

#include <QDebug>

#include <libusb.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

UsbTimeouts s_defaultTimeouts;

constexpr uint8_t kStatusRequestType = 0xC1; // device to host, vendor, interface
constexpr uint8_t kStatusRequest = 0xFF;
constexpr int kStatusWordSize = 4;
constexpr int kPrinterInterfaceKey = 0;
// How often a waiting write asks whether it should stop.
constexpr int kStopPollMs = 100;

struct BrandRow
{
    const char *word;
    std::vector<int> productIds;
};

const std::vector<BrandRow> &brandTable()
{
    static const std::vector<BrandRow> table = {
        {"Corvalis", {769, 770, 1025, 1026, 1027, 1297, 1560, 5122, 5123}},
        {"Label",
         {785, 802, 1041, 1042, 1043, 1284, 1287, 1288, 1289, 1296, 1299, 1300, 1556, 1559, 5137,
          5139}},
        {"VELDRA", {5121, 5152, 16656, 16657, 16658, 16659, 16660, 16661, 16662, 1540,
                    1541, 1542, 1543,  1544,  1545,  1552,  1553,  1554,  1555,  1558}},
        {"QMV", {1044, 1282, 1283, 1584, 1585, 1586, 1600, 1601, 1602}},
        {"Y&N", {1537, 1538, 1539, 1557}},
        {"Sable Kestrel", {1285, 1286}},
    };
    return table;
}

void logAdvice(int libusbCode)
{
    const QString advice = usbFailureAdvice(libusbCode);
    if (!advice.isEmpty())
        qDebug().noquote() << advice;
}

void LIBUSB_CALL markCompleted(libusb_transfer *transfer)
{
    *static_cast<int *>(transfer->user_data) = 1;
}

int transferCode(const libusb_transfer *transfer)
{
    switch (transfer->status) {
    case LIBUSB_TRANSFER_COMPLETED:
        return 0;
    case LIBUSB_TRANSFER_TIMED_OUT:
        return LIBUSB_ERROR_TIMEOUT;
    case LIBUSB_TRANSFER_STALL:
        return LIBUSB_ERROR_PIPE;
    case LIBUSB_TRANSFER_NO_DEVICE:
        return LIBUSB_ERROR_NO_DEVICE;
    case LIBUSB_TRANSFER_OVERFLOW:
        return LIBUSB_ERROR_OVERFLOW;
    case LIBUSB_TRANSFER_CANCELLED:
        return LIBUSB_ERROR_INTERRUPTED;
    default:
        return LIBUSB_ERROR_IO;
    }
}

// One bulk OUT transfer like libusb_bulk_transfer, which can also be cancelled while it
// waits: `stop` is asked every kStopPollMs until the transfer ends.
int bulkOut(libusb_context *context, libusb_device_handle *handle, unsigned char endpoint,
            unsigned char *data, int length, int *transferred, unsigned int timeoutMs,
            const std::function<bool()> &stop)
{
    *transferred = 0;
    libusb_transfer *transfer = libusb_alloc_transfer(0);
    if (!transfer)
        return LIBUSB_ERROR_NO_MEM;
    int completed = 0;
    libusb_fill_bulk_transfer(transfer, handle, endpoint, data, length, markCompleted, &completed,
                              timeoutMs);
    int code = libusb_submit_transfer(transfer);
    if (code < 0) {
        libusb_free_transfer(transfer);
        return code;
    }
    bool cancelled = false;
    while (!completed) {
        timeval slice{0, kStopPollMs * 1000};
        code = libusb_handle_events_timeout_completed(context, &slice, &completed);
        if (completed || cancelled)
            continue;
        if (code < 0 && code != LIBUSB_ERROR_INTERRUPTED) {
            libusb_cancel_transfer(transfer);
            cancelled = true;
        } else if (stop && stop()) {
            qDebug("Write to the printer cancelled");
            libusb_cancel_transfer(transfer);
            cancelled = true;
        }
    }
    *transferred = transfer->actual_length;
    code = transferCode(transfer);
    libusb_free_transfer(transfer);
    return code;
}

} // namespace

struct UsbLink::Claimed
{
    libusb_device_handle *handle = nullptr;
    int interfaceNumber = 0;
    unsigned char endpointIn = 0;
    unsigned char endpointOut = 0;
};

UsbLink::UsbLink(QObject *parent) : PrinterLink(parent) {}

UsbLink::~UsbLink()
{
    close();
}

void UsbLink::setDefaultTimeouts(const UsbTimeouts &timeouts)
{
    s_defaultTimeouts = timeouts;
}

UsbTimeouts UsbLink::defaultTimeouts()
{
    return s_defaultTimeouts;
}

int UsbLink::medium() const
{
    return MEDIUM_USB;
}

bool UsbLink::parseTarget(const QString &rest, PrinterAddress *out)
{
    out->usbPort = 0;
    if (rest.isEmpty())
        return true;
    quint16 port = 0;
    if (!parsePort(rest, &port) || port > 255)
        return false;
    out->usbPort = port;
    return true;
}

QString UsbLink::targetText(const PrinterAddress &address)
{
    return address.usbPort > 0 ? QString::number(address.usbPort) : QString();
}

int UsbLink::open(const PrinterAddress &address)
{
    return open(address.usbPort);
}

const char *UsbLink::brandForProduct(int productId)
{
    for (const BrandRow &row : brandTable()) {
        for (int id : row.productIds) {
            if (id == productId)
                return row.word;
        }
    }
    return "Unknown";
}

QList<FoundPrinter> UsbLink::listPrinters()
{
    QList<FoundPrinter> entries;
    libusb_context *context = nullptr;
    if (libusb_init(&context) < 0) {
        qDebug("Failed to initialize libusb");
        return entries;
    }
    libusb_device **devices = nullptr;
    const ssize_t count = libusb_get_device_list(context, &devices);
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device *device = devices[i];
        libusb_device_descriptor descriptor;
        if (libusb_get_device_descriptor(device, &descriptor) < 0 ||
            descriptor.idVendor != kVendorId)
            continue;
        if (entries.size() == kListLimit) {
            qDebug("More than %d USB printers attached; only the first %d are listed", kListLimit,
                   kListLimit);
            break;
        }
        libusb_device_handle *handle = nullptr;
        const int opened = libusb_open(device, &handle);
        if (opened < 0) {
            qDebug("libusb_open fail (code=%d)(msg=%s).", opened, libusb_error_name(opened));
            logAdvice(opened);
            continue;
        }
        char product[256] = {};
        if (descriptor.iProduct == 0) {
            std::strcpy(product, "Unknown");
        } else if (libusb_get_string_descriptor_ascii(handle, descriptor.iProduct,
                                                      reinterpret_cast<unsigned char *>(product),
                                                      sizeof(product)) < 0) {
            std::memset(product, 0, sizeof(product));
        }
        char port[16];
        const int portNumber = libusb_get_port_number(device);
        std::snprintf(port, sizeof(port), "USB%03d", portNumber);
        FoundPrinter found;
        found.maker = QString::fromLatin1(brandForProduct(descriptor.idProduct));
        found.model = QString::fromLocal8Bit(product);
        found.place = QString::fromLatin1(port);
        found.address = PrinterAddress::forUsb(portNumber);
        entries << found;
        qDebug("<< attr[iDevNum].modelname:%s", qPrintable(found.listText()));
        libusb_close(handle);
    }
    if (count >= 0)
        libusb_free_device_list(devices, 1);
    libusb_exit(context);
    return entries;
}

int UsbLink::open(int portNumber)
{
    // Opening again without a close in between must not leak the earlier selection.
    close();
    const int initialised = libusb_init(&m_context);
    if (initialised < 0) {
        m_context = nullptr;
        return initialised;
    }
    libusb_device **devices = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &devices);
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device_descriptor descriptor;
        if (libusb_get_device_descriptor(devices[i], &descriptor) < 0) {
            std::fprintf(stderr, "Get Device Descriptor Failed");
            continue;
        }
        if (descriptor.idVendor != kVendorId ||
            (libusb_get_port_number(devices[i]) & 0xFF) != portNumber)
            continue;
        // The last match in list order wins.
        if (m_device)
            libusb_unref_device(m_device);
        m_device = libusb_ref_device(devices[i]);
        m_productId = descriptor.idProduct;
    }
    if (count >= 0)
        libusb_free_device_list(devices, 1);
    if (!m_device) {
        qDebug("FindPrinterDevOrder失败");
        close();
        return -1;
    }
    return 0;
}

void UsbLink::close()
{
    if (m_device) {
        libusb_unref_device(m_device);
        m_device = nullptr;
    }
    if (m_context) {
        libusb_exit(m_context);
        m_context = nullptr;
    }
}

int UsbLink::findEndpoints(libusb_device *device, int interfaceKey, int &interfaceNumber,
                           unsigned char &endpointIn, unsigned char &endpointOut)
{
    libusb_config_descriptor *config = nullptr;
    const int result = libusb_get_config_descriptor(device, 0, &config);
    if (result < 0) {
        std::fprintf(stderr, "libusb_get_config_descriptor failed: %s\n",
                     libusb_error_name(result));
        return result;
    }
    for (int i = 0; i < config->bNumInterfaces; ++i) {
        const libusb_interface &interface = config->interface[i];
        for (int a = 0; a < interface.num_altsetting; ++a) {
            const libusb_interface_descriptor &setting = interface.altsetting[a];
            if (setting.iInterface != interfaceKey)
                continue;
            interfaceNumber = setting.bInterfaceNumber;
            for (int e = 0; e < setting.bNumEndpoints; ++e) {
                const libusb_endpoint_descriptor &endpoint = setting.endpoint[e];
                if ((endpoint.bmAttributes & 3) != LIBUSB_TRANSFER_TYPE_BULK)
                    continue;
                if (endpoint.bEndpointAddress & LIBUSB_ENDPOINT_IN)
                    endpointIn = endpoint.bEndpointAddress;
                else
                    endpointOut = endpoint.bEndpointAddress;
            }
            libusb_free_config_descriptor(config);
            return 0;
        }
    }
    std::fprintf(stderr, "Interface %d not found.\n", interfaceKey);
    libusb_free_config_descriptor(config);
    return LIBUSB_ERROR_NOT_FOUND;
}

bool UsbLink::claim(Claimed &io, bool retryAfterDetach, int &result)
{
    if (!m_device) {
        qDebug("printer_handle_usb == NULL or  printer_handle_usb->pHandle == NULL");
        result = usbExchangeResult(UsbStep::NoPrinter, LIBUSB_ERROR_NO_DEVICE);
        return false;
    }
    int code = findEndpoints(m_device, kPrinterInterfaceKey, io.interfaceNumber, io.endpointIn,
                             io.endpointOut);
    if (code != 0) {
        qDebug("Get Printer EndPoint falied");
        result = usbExchangeResult(UsbStep::EndpointLookup, code);
        return false;
    }
    code = libusb_open(m_device, &io.handle);
    if (code < 0) {
        qDebug("libusb_open fail (code=%d)(msg=%s).", code, libusb_error_name(code));
        logAdvice(code);
        io.handle = nullptr;
        result = usbExchangeResult(UsbStep::Open, code);
        return false;
    }
    code = libusb_claim_interface(io.handle, io.interfaceNumber);
    if (code >= 0)
        return true;
    qDebug("libusb_claim_interface err is : %s", libusb_error_name(code));
    logAdvice(code);
    // A kernel printer driver holding the interface would fail every transfer: detach
    // it, for this transfer (when asked) and for the next.
    const int detached = libusb_detach_kernel_driver(io.handle, io.interfaceNumber);
    qDebug("libusb_detach_kernel_driver: %s", libusb_error_name(detached));
    if (retryAfterDetach && detached >= 0 &&
        (code = libusb_claim_interface(io.handle, io.interfaceNumber)) >= 0)
        return true;
    libusb_close(io.handle);
    io.handle = nullptr;
    result = usbExchangeResult(UsbStep::Claim, code);
    return false;
}

void UsbLink::release(Claimed &io)
{
    libusb_release_interface(io.handle, io.interfaceNumber);
    libusb_close(io.handle);
    io.handle = nullptr;
}

int UsbLink::readBlock(Claimed &io, unsigned char *block)
{
    int received = 0;
    const int code =
        libusb_bulk_transfer(io.handle, io.endpointIn, block, kReplyBlockSize, &received,
                             unsigned(waitMs(s_defaultTimeouts.exchangeMs)));
    if (code < 0) {
        qDebug("libusb_bulk_transfer read failed: %s\n", libusb_error_name(code));
        logAdvice(code);
    }
    return code;
}

int UsbLink::exchange(const QByteArray &request, unsigned char *reply)
{
    Claimed io;
    int result = 0;
    if (!claim(io, false, result))
        return result;
    QByteArray out = request;
    int transferred = 0;
    int code = libusb_bulk_transfer(io.handle, io.endpointOut,
                                    reinterpret_cast<unsigned char *>(out.data()), out.size(),
                                    &transferred, unsigned(waitMs(s_defaultTimeouts.exchangeMs)));
    qDebug("libusb_bulk_transfer write: %d %d\n", int(out.size()), transferred);
    if (code < 0) {
        qDebug("libusb_bulk_transfer write failed: %s\n", libusb_error_name(code));
        logAdvice(code);
    } else if (reply) {
        unsigned char block[kReplyBlockSize] = {};
        code = readBlock(io, block);
        // The whole block goes up; the frame layer finds the reply inside it.
        if (code >= 0)
            std::memcpy(reply, block, kReplyBlockSize);
    }
    release(io);
    return usbExchangeResult(UsbStep::Transfer, code);
}

int UsbLink::write(const QByteArray &bytes, StreamPiece *piece)
{
    if (piece)
        piece->bytesOut = 0;
    Claimed io;
    int result = 0;
    if (!claim(io, true, result))
        return result;
    QByteArray out = bytes;
    int transferred = 0;
    int code =
        bulkOut(m_context, io.handle, io.endpointOut, reinterpret_cast<unsigned char *>(out.data()),
                out.size(), &transferred, unsigned(waitMs(s_defaultTimeouts.writeMs)),
                piece ? piece->stopRequested : std::function<bool()>());
    qDebug("libusb_bulk_transfer write: %d %d\n", int(out.size()), transferred);
    if (piece)
        piece->bytesOut = transferred;
    if (code >= 0 && transferred != out.size()) {
        qDebug("libusb_bulk_transfer write failed: %d of %d bytes\n", transferred, int(out.size()));
        code = LIBUSB_ERROR_IO;
    } else if (code < 0) {
        qDebug("libusb_bulk_transfer write failed: %s\n", libusb_error_name(code));
        logAdvice(code);
    }
    release(io);
    return usbExchangeResult(UsbStep::Transfer, code);
}

QByteArray UsbLink::readPending()
{
    Claimed io;
    int result = 0;
    if (!claim(io, false, result))
        return QByteArray();
    unsigned char block[kReplyBlockSize] = {};
    const int code = readBlock(io, block);
    release(io);
    if (code < 0)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(block), kReplyBlockSize);
}

int UsbLink::readStatusData(QByteArray *data)
{
    if (!m_device) {
        std::fprintf(stderr, "Invalid printer handle\n");
        return -1;
    }
    libusb_device_handle *handle = nullptr;
    int code = libusb_open(m_device, &handle);
    if (code < 0) {
        std::fprintf(stderr, "libusb_open fail (code=%d)(msg=%s)\n", code, libusb_error_name(code));
        logAdvice(code);
        return code;
    }
    unsigned char word[kStatusWordSize] = {};
    code = libusb_control_transfer(handle, kStatusRequestType, kStatusRequest, 0, 0, word,
                                   kStatusWordSize, unsigned(waitMs(s_defaultTimeouts.controlMs)));
    libusb_close(handle);
    if (code < 0) {
        std::fprintf(stderr, "Control transfer failed: %s\n", libusb_error_name(code));
        return code;
    }
    if (data)
        *data = QByteArray(reinterpret_cast<const char *>(word), code);
    return 0;
}
