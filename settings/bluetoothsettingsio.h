#pragma once

#include "settings/listsetting.h"

#include <QString>
#include <optional>

class PrinterSession;

// The Bluetooth module's and the serial port's settings in the units their pages show.
// An unset field was not read, or is not to be written.

// Pairing modes as the list shows them: simple pairing, pairing with a PIN.
constexpr int kPairingModes[] = {0, 1};

struct BluetoothSettings
{
    std::optional<QString> name; // of the classic serial profile
    std::optional<QString> bleName;
    std::optional<ListSetting> pairing; // of kPairingModes
    std::optional<QString> pin;
    std::optional<QString> mac; // read only
};

// Reads name, BLE name, pairing mode, PIN and MAC in that order in one operation,
// stopping at the first failure with the session's failure code.
int readBluetoothSettings(PrinterSession &session, BluetoothSettings *out);

// Sends, in one operation, a frame for each set field in the order above (an unlisted
// pairing mode stays as the printer has it), each even after a failure. The first
// failure, or 0.
int writeBluetoothSettings(PrinterSession &session, const BluetoothSettings &settings);

constexpr int kBaudRates[] = {4800,   9600,   14400,  19200,  38400,  56000,
                              57600,  115200, 128000, 230400, 256000, 460800,
                              500000, 512000, 600000, 750000, 921600};
constexpr int kParities[] = {0, 1, 2};
constexpr int kDataBits[] = {8, 7};
constexpr int kStopBits[] = {1, 2};

struct SerialSettings
{
    std::optional<ListSetting> baud;     // of kBaudRates
    std::optional<ListSetting> parity;   // of kParities
    std::optional<ListSetting> dataBits; // of kDataBits
    std::optional<ListSetting> stopBits; // of kStopBits
    std::optional<QString> serialNumber;
    std::optional<QString> deviceInfo; // read only
};

// Reads the line parameters, the device information and the serial number in one
// operation; every query runs. The first failure (an answer of fewer than five strings is
// RESULT_BAD_REPLY), or 0.
int readSerialSettings(PrinterSession &session, SerialSettings *out);

// Sends, in one operation, the line parameters (one frame, only when all four are set;
// unlisted values go back as the printer gave them) and the serial number, the second
// even after the first failed. The first failure, or 0.
int writeSerialSettings(PrinterSession &session, const SerialSettings &settings);
