#include "transport/usbtransport.h"

#include "app/globals.h"
#include "app/mainwindow.h"
#include "transport/usberrors.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QProgressBar>

#include <libusb.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

UsbHandleRecord *CDeviceIOOpera::printer_handle_usb = nullptr;

namespace {

UsbTimeouts s_timeouts;

constexpr uint8_t kStatusRequestType = 0xC1; // device to host, vendor, interface
constexpr uint8_t kStatusRequest = 0xFF;
constexpr int kStatusWordSize = 4;
constexpr int kPrinterInterfaceKey = 0;

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

// Copies a NUL-terminated text, cut to fit `size` bytes including its NUL.
void copyText(char *target, size_t size, const char *text)
{
    const size_t length = qMin(std::strlen(text), size - 1);
    std::memcpy(target, text, length);
    target[length] = '\0';
}

// Drops the device reference and ends the context held by a handle record.
void clearRecord(UsbHandleRecord *record)
{
    if (record->pHandle) {
        libusb_unref_device(record->pHandle);
        record->pHandle = nullptr;
    }
    if (record->usbContext) {
        libusb_exit(record->usbContext);
        record->usbContext = nullptr;
    }
}

} // namespace

struct CDeviceIOOpera::OpenedInterface
{
    libusb_device_handle *handle = nullptr;
    int interfaceNumber = 0;
    unsigned char endpointIn = 0;
    unsigned char endpointOut = 0;
};

CDeviceIOOpera::CDeviceIOOpera(MainWindow *window) : m_window(window), m_record(new UsbHandleRecord)
{
    printer_handle_usb = m_record.get();
}

CDeviceIOOpera::~CDeviceIOOpera()
{
    clearRecord(m_record.get());
    if (printer_handle_usb == m_record.get())
        printer_handle_usb = nullptr;
}

void CDeviceIOOpera::setTimeoutsForTesting(const UsbTimeouts &timeouts)
{
    s_timeouts = timeouts;
}

UsbTimeouts CDeviceIOOpera::timeouts()
{
    return s_timeouts;
}

const char *CDeviceIOOpera::brandForProduct(int productId)
{
    for (const BrandRow &row : brandTable()) {
        for (int id : row.productIds) {
            if (id == productId)
                return row.word;
        }
    }
    return "Unknown";
}

int CDeviceIOOpera::GetPrinterHandle(_PRINTER_ATTR *attrs, Printer_Vector &list)
{
    m_data.clear();
    if (!attrs)
        return 0;
    libusb_context *context = nullptr;
    if (libusb_init(&context) < 0) {
        qDebug("Failed to initialize libusb");
        return 0;
    }

    libusb_device **devices = nullptr;
    const ssize_t count = libusb_get_device_list(context, &devices);
    int listed = 0;
    bool found = false;
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device *device = devices[i];
        libusb_device_descriptor descriptor;
        if (libusb_get_device_descriptor(device, &descriptor) < 0 ||
            descriptor.idVendor != kVendorId)
            continue;
        // The caller's record array has room for kPrinterAttrCount printers only.
        if (listed == kPrinterAttrCount) {
            qDebug("More than %d USB printers attached; only the first %d are listed",
                   kPrinterAttrCount, listed);
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
        const uint8_t port = libusb_get_port_number(device);

        PrinterDevEntry entry;
        std::memset(&entry, 0, sizeof(entry));
        copyText(entry.productString, sizeof(entry.productString), product);
        std::snprintf(entry.portName, sizeof(entry.portName), "USB%03d", port);
        list.devices.append(entry);

        _PRINTER_ATTR &attr = attrs[listed];
        QByteArray text(brandForProduct(descriptor.idProduct));
        text.append(" [").append(product).append("] {").append(entry.portName).append('}');
        copyText(attr.modelname, sizeof(attr.modelname), text.constData());
        qDebug("<< attr[iDevNum].modelname:%s", attr.modelname);

        libusb_close(handle);
        ++listed;
        found = true;
    }
    if (count >= 0)
        libusb_free_device_list(devices, 1);
    libusb_exit(context);

    if (!getListStatus)
        return 0;
    addToListWidget(attrs, listed);
    return found ? 1 : 0;
}

void CDeviceIOOpera::addToListWidget(const _PRINTER_ATTR *attrs, int count)
{
    // Without a window (tests of the transport alone) there is no list to fill.
    if (m_window && m_window->ui) {
        for (int i = 0; i < count && getListStatus; ++i)
            m_window->ui->comboBox_ScanResult->addItem(QString::fromLocal8Bit(attrs[i].modelname));
        m_window->ui->progressBar_Scan->setValue(100);
    }
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

int CDeviceIOOpera::GetPrinterHandle(int portNumber)
{
    UsbHandleRecord *record = printer_handle_usb;
    if (!record)
        return -1;
    // Opening again without a close in between must not leak the earlier selection.
    clearRecord(record);

    const int initialised = libusb_init(&record->usbContext);
    if (initialised < 0) {
        record->usbContext = nullptr;
        return initialised;
    }
    libusb_device **devices = nullptr;
    const ssize_t count = libusb_get_device_list(record->usbContext, &devices);
    if (count < 0 || FindPrinterDevOrder(portNumber, devices, int(count)) != 0) {
        qDebug("FindPrinterDevOrder失败");
        if (count >= 0)
            libusb_free_device_list(devices, 1);
        libusb_exit(record->usbContext);
        record->usbContext = nullptr;
        return -1;
    }
    libusb_free_device_list(devices, 1);
    return 0;
}

int CDeviceIOOpera::FindPrinterDevOrder(int portNumber, libusb_device **devices, int count)
{
    UsbHandleRecord *record = printer_handle_usb;
    if (!record || !devices)
        return -1;
    bool found = false;
    for (int i = 0; i < count; ++i) {
        libusb_device_descriptor descriptor;
        if (libusb_get_device_descriptor(devices[i], &descriptor) < 0) {
            std::fprintf(stderr, "Get Device Descriptor Failed");
            continue;
        }
        if (descriptor.idVendor != kVendorId ||
            (libusb_get_port_number(devices[i]) & 0xFF) != portNumber)
            continue;
        // The last match in list order wins; drop the reference on an earlier one.
        if (record->pHandle)
            libusb_unref_device(record->pHandle);
        record->pHandle = libusb_ref_device(devices[i]);
        record->vendorId = descriptor.idVendor;
        record->productId = descriptor.idProduct;
        found = true;
    }
    return found ? 0 : -1;
}

void CDeviceIOOpera::ClosePrinterHandle()
{
    if (printer_handle_usb)
        clearRecord(printer_handle_usb);
}

int CDeviceIOOpera::GetUSBDevEndPoint(libusb_device *device, int interfaceKey, int &interfaceNumber,
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
            qDebug() << "iInterface:" << setting.iInterface;
            qDebug() << "interface:" << interfaceKey;
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

bool CDeviceIOOpera::openAndClaim(OpenedInterface &io, UsbStep &failedStep, int &code)
{
    UsbHandleRecord *record = printer_handle_usb;
    if (!record || !record->pHandle) {
        qDebug("printer_handle_usb == NULL or  printer_handle_usb->pHandle == NULL");
        failedStep = UsbStep::NoPrinter;
        code = LIBUSB_ERROR_NO_DEVICE;
        return false;
    }
    code = GetUSBDevEndPoint(record->pHandle, kPrinterInterfaceKey, io.interfaceNumber,
                             io.endpointIn, io.endpointOut);
    if (code != 0) {
        qDebug("Get Printer EndPoint falied");
        failedStep = UsbStep::EndpointLookup;
        return false;
    }
    code = libusb_open(record->pHandle, &io.handle);
    if (code < 0) {
        qDebug("libusb_open fail (code=%d)(msg=%s).", code, libusb_error_name(code));
        logAdvice(code);
        io.handle = nullptr;
        failedStep = UsbStep::Open;
        return false;
    }
    code = libusb_claim_interface(io.handle, io.interfaceNumber);
    if (code < 0) {
        failedStep = UsbStep::Claim;
        return false;
    }
    return true;
}

void CDeviceIOOpera::releaseAndClose(OpenedInterface &io)
{
    libusb_release_interface(io.handle, io.interfaceNumber);
    libusb_close(io.handle);
    io.handle = nullptr;
}

int CDeviceIOOpera::PrinterDataIOSwap(unsigned char *frame, int length, unsigned char *reply,
                                      int &replyLength)
{
    OpenedInterface io;
    UsbStep step;
    int code = 0;
    if (!openAndClaim(io, step, code)) {
        if (step == UsbStep::Claim) {
            qDebug().nospace() << "libusb_claim_interface failed: ret = " << code;
            qDebug("libusb_claim_interface err is : %s", libusb_error_name(code));
            logAdvice(code);
            // Frees the interface for the next transfer when a kernel driver holds it.
            const int detached = libusb_detach_kernel_driver(io.handle, io.interfaceNumber);
            qDebug("libusb_detach_kernel_driver: %s", libusb_error_name(detached));
            libusb_close(io.handle);
        }
        return usbExchangeResult(step, code);
    }

    int transferred = 0;
    code = libusb_bulk_transfer(io.handle, io.endpointOut, frame, length, &transferred,
                                s_timeouts.exchangeMs);
    qDebug("libusb_bulk_transfer write: %d %d\n", length, transferred);
    if (code < 0) {
        qDebug("libusb_bulk_transfer write failed: %s\n", libusb_error_name(code));
        logAdvice(code);
        releaseAndClose(io);
        return usbExchangeResult(UsbStep::Transfer, code);
    }

    if (reply) {
        unsigned char block[kReplyBlockSize] = {};
        int received = 0;
        code = libusb_bulk_transfer(io.handle, io.endpointIn, block, kReplyBlockSize, &received,
                                    s_timeouts.exchangeMs);
        if (code < 0) {
            qDebug("libusb_bulk_transfer read failed: %s\n", libusb_error_name(code));
            logAdvice(code);
            releaseAndClose(io);
            return usbExchangeResult(UsbStep::Transfer, code);
        }
        // The whole block goes up; the frame layer finds the reply inside it.
        std::memcpy(reply, block, kReplyBlockSize);
        replyLength = kReplyBlockSize;
    }
    releaseAndClose(io);
    return usbExchangeResult(UsbStep::Transfer, 0);
}

namespace {

// How often a waiting write-only transfer asks whether it should stop.
constexpr int kStopPollMs = 100;

void LIBUSB_CALL markCompleted(libusb_transfer *transfer)
{
    *static_cast<int *>(transfer->user_data) = 1;
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
    switch (transfer->status) {
    case LIBUSB_TRANSFER_COMPLETED:
        code = 0;
        break;
    case LIBUSB_TRANSFER_TIMED_OUT:
        code = LIBUSB_ERROR_TIMEOUT;
        break;
    case LIBUSB_TRANSFER_STALL:
        code = LIBUSB_ERROR_PIPE;
        break;
    case LIBUSB_TRANSFER_NO_DEVICE:
        code = LIBUSB_ERROR_NO_DEVICE;
        break;
    case LIBUSB_TRANSFER_OVERFLOW:
        code = LIBUSB_ERROR_OVERFLOW;
        break;
    case LIBUSB_TRANSFER_CANCELLED:
        code = LIBUSB_ERROR_INTERRUPTED;
        break;
    default:
        code = LIBUSB_ERROR_IO;
        break;
    }
    libusb_free_transfer(transfer);
    return code;
}

} // namespace

int CDeviceIOOpera::PrinterDataIOButton(unsigned char *frame, int length, unsigned char *, int &,
                                        StreamPiece *piece)
{
    if (piece)
        piece->bytesOut = 0;
    OpenedInterface io;
    UsbStep step;
    int code = 0;
    if (!openAndClaim(io, step, code)) {
        if (step != UsbStep::Claim)
            return usbExchangeResult(step, code);
        qDebug() << "libusb_claim_interface ret" << 1;
        qDebug("libusb_claim_interface failed.\n");
        qDebug("libusb_claim_interface err is : %s", libusb_error_name(code));
        logAdvice(code);
        // A kernel printer driver holding the interface would fail every write-only
        // send: detach it and claim again within this transfer.
        const int detached = libusb_detach_kernel_driver(io.handle, io.interfaceNumber);
        qDebug("libusb_detach_kernel_driver: %s", libusb_error_name(detached));
        if (detached < 0 || (code = libusb_claim_interface(io.handle, io.interfaceNumber)) < 0) {
            libusb_close(io.handle);
            return usbExchangeResult(UsbStep::Claim, code < 0 ? code : detached);
        }
    }

    int transferred = 0;
    code = bulkOut(printer_handle_usb->usbContext, io.handle, io.endpointOut, frame, length,
                   &transferred, s_timeouts.buttonWriteMs,
                   piece ? piece->stopRequested : std::function<bool()>());
    qDebug("libusb_bulk_transfer write: %d %d\n", length, transferred);
    if (piece)
        piece->bytesOut = transferred;
    if (code < 0 || transferred != length) {
        if (code < 0)
            qDebug("libusb_bulk_transfer write failed: %s\n", libusb_error_name(code));
        else
            qDebug("libusb_bulk_transfer write failed: %d of %d bytes\n", transferred, length);
        logAdvice(code);
        releaseAndClose(io);
        return usbExchangeResult(UsbStep::Transfer, code < 0 ? code : LIBUSB_ERROR_IO);
    }
    releaseAndClose(io);
    return usbExchangeResult(UsbStep::Transfer, 0);
}

QByteArray CDeviceIOOpera::readDebugData()
{
    OpenedInterface io;
    UsbStep step;
    int code = 0;
    if (!openAndClaim(io, step, code)) {
        if (step == UsbStep::Claim) {
            qDebug("libusb_claim_interface failed.\n");
            qDebug("libusb_claim_interface err is : %s", libusb_error_name(code));
            logAdvice(code);
            const int detached = libusb_detach_kernel_driver(io.handle, io.interfaceNumber);
            qDebug("libusb_detach_kernel_driver: %s", libusb_error_name(detached));
            libusb_close(io.handle);
        }
        return QByteArray();
    }

    unsigned char block[kReplyBlockSize] = {};
    int received = 0;
    code = libusb_bulk_transfer(io.handle, io.endpointIn, block, kReplyBlockSize, &received,
                                s_timeouts.exchangeMs);
    if (code < 0) {
        qDebug("libusb_bulk_transfer read failed: %s\n", libusb_error_name(code));
        logAdvice(code);
        releaseAndClose(io);
        return QByteArray();
    }
    releaseAndClose(io);
    return QByteArray(reinterpret_cast<const char *>(block), kReplyBlockSize);
}

int CDeviceIOOpera::ReadFromControlEndpoint(unsigned char *buffer, int &length)
{
    UsbHandleRecord *record = printer_handle_usb;
    if (!record || !record->pHandle) {
        std::fprintf(stderr, "Invalid printer handle\n");
        return -1;
    }
    libusb_device_handle *handle = nullptr;
    int code = libusb_open(record->pHandle, &handle);
    if (code < 0) {
        std::fprintf(stderr, "libusb_open fail (code=%d)(msg=%s)\n", code, libusb_error_name(code));
        logAdvice(code);
        return code;
    }
    code = libusb_control_transfer(handle, kStatusRequestType, kStatusRequest, 0, 0, buffer,
                                   kStatusWordSize, s_timeouts.controlMs);
    if (code < 0) {
        std::fprintf(stderr, "Control transfer failed: %s\n", libusb_error_name(code));
        libusb_close(handle);
        return code;
    }
    length = code;
    libusb_close(handle);
    return 0;
}
