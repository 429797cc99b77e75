#include "device/link/usberrors.h"

#include "core/protocol/commandcodes.h"

#include <libusb.h>

int usbExchangeResult(UsbStep step, int libusbCode)
{
    if (step != UsbStep::NoPrinter && libusbCode >= 0)
        return RESULT_OK;
    switch (step) {
    case UsbStep::Open:
    case UsbStep::Claim:
        return RESULT_USB_OPEN;
    case UsbStep::NoPrinter:
    case UsbStep::EndpointLookup:
    case UsbStep::Transfer:
        break;
    }
    return RESULT_USB_IO;
}

QString usbFailureAdvice(int libusbCode)
{
    switch (libusbCode) {
    case LIBUSB_ERROR_ACCESS:
        return QStringLiteral(
            "No permission to open the USB printer; install the udev rule "
            "60-labelsetup-printers.rules with scripts/install-udev-rule.sh (as root), "
            "then unplug the printer and plug it in again");
    case LIBUSB_ERROR_BUSY:
        return QStringLiteral(
            "The USB printer interface is held by another driver or program; close other "
            "printing software (a kernel printer driver is detached from it automatically)");
    case LIBUSB_ERROR_NO_DEVICE:
        return QStringLiteral("The USB printer was unplugged; plug it in and open it again");
    default:
        return QString();
    }
}
