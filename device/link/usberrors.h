#pragma once

#include <QString>

// Where in a USB exchange a libusb call failed; the step decides which exchange result
// the caller sees.
enum class UsbStep
{
    NoPrinter,      // no printer selected
    EndpointLookup, // configuration or interface descriptor
    Open,           // libusb_open
    Claim,          // libusb_claim_interface
    Transfer,       // bulk transfer
};

// The single translation from libusb result codes to exchange result codes: a
// non-negative libusb code is success (0); a failure to open the device or to claim
// its interface is RESULT_USB_OPEN (5); everything else is RESULT_USB_IO (4).
int usbExchangeResult(UsbStep step, int libusbCode);

// A sentence for the debug log that tells a technician what to do about a failed
// open or claim (missing permission, interface held by another driver, printer
// unplugged); empty for codes that need no explanation.
QString usbFailureAdvice(int libusbCode);
