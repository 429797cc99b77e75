#include "settings/bluetoothsettingsio.h"

#include "protocol/frame.h"
#include "protocol/identity.h"
#include "protocol/printersession.h"
#include "settings/wificodec.h"

#include <QList>
#include <algorithm>
#include <iterator>

namespace {

// The Bluetooth MAC follows the WiFi MAC in the answer to item 0x3C.
constexpr int kBluetoothMacOffset = 6;
constexpr int kDeviceInfoString = 2;

// A NUL-terminated answer in the local 8-bit encoding.
QString answerText(const unsigned char *data)
{
    const char *text = reinterpret_cast<const char *>(data);
    return QString::fromLocal8Bit(text, int(qstrnlen(text, frame::kQueryOutSize)));
}

int firstFailure(std::initializer_list<int> results)
{
    for (int result : results) {
        if (result != RESULT_OK)
            return result;
    }
    return RESULT_OK;
}

int sendText(PrinterSession &session, uint8_t item, const std::optional<QString> &text)
{
    return text ? session.sendSet(item, frame::textData(*text)) : int(RESULT_OK);
}

} // namespace

int readBluetoothSettings(PrinterSession &session, BluetoothSettings *out)
{
    PrinterSession::Operation operation(session);
    unsigned char answer[frame::kQueryOutSize];
    if (session.queryInfo(INFO_BT_SPP_NAME, answer) != RESULT_OK)
        return session.failureCode();
    out->name = answerText(answer);
    if (session.queryInfo(INFO_BT_BLE_NAME, answer) != RESULT_OK)
        return session.failureCode();
    out->bleName = answerText(answer);
    if (session.queryInfo(INFO_BT_PAIRING_MODE, answer) != RESULT_OK)
        return session.failureCode();
    out->pairing = ListSetting::fromCode(kPairingModes, answer[0]);
    if (session.queryInfo(INFO_BT_PIN, answer) != RESULT_OK)
        return session.failureCode();
    out->pin = answerText(answer);
    if (session.queryInfo(INFO_MAC_ADDRESSES, answer) != RESULT_OK)
        return session.failureCode();
    out->mac = wificodec::macText(answer + kBluetoothMacOffset);
    return RESULT_OK;
}

int writeBluetoothSettings(PrinterSession &session, const BluetoothSettings &s)
{
    PrinterSession::Operation operation(session);
    const int name = sendText(session, INFO_BT_SPP_NAME, s.name);
    const int bleName = sendText(session, INFO_BT_BLE_NAME, s.bleName);
    // A mode the printer has but the list lacks stays until the user picks one.
    int mode = RESULT_OK;
    if (s.pairing && !s.pairing->unlisted && s.pairing->code(kPairingModes) >= 0)
        mode = session.sendSet(INFO_BT_PAIRING_MODE,
                               QByteArray(1, char(s.pairing->code(kPairingModes))));
    const int pin = sendText(session, INFO_BT_PIN, s.pin);
    return firstFailure({name, bleName, mode, pin});
}

int readSerialSettings(PrinterSession &session, SerialSettings *out)
{
    PrinterSession::Operation operation(session);
    unsigned char answer[frame::kQueryOutSize];
    const int port = session.queryInfo(INFO_SERIAL_PORT, answer);
    if (port == RESULT_OK) {
        out->baud = ListSetting::fromCode(kBaudRates, answer[0]);
        out->parity = ListSetting::fromCode(kParities, answer[1]);
        out->dataBits = ListSetting::fromCode(kDataBits, answer[2]);
        out->stopBits = ListSetting::fromCode(kStopBits, answer[3]);
    }

    int length = 0;
    QList<QByteArray> strings;
    int info = session.queryInfo(INFO_DEVICE_IDENTITY, answer, &length);
    if (info == RESULT_OK && !identity::split(answer, length, &strings))
        info = RESULT_BAD_REPLY;
    if (info == RESULT_OK)
        out->deviceInfo = QString::fromLocal8Bit(strings.at(kDeviceInfoString));

    const int serialNumber = session.queryInfo(INFO_SERIAL_NUMBER, answer);
    if (serialNumber == RESULT_OK)
        out->serialNumber = answerText(answer);
    // Every query ran; the first failure is the result, so that no value left from
    // another printer is taken for this one's.
    return firstFailure({port, info, serialNumber});
}

int writeSerialSettings(PrinterSession &session, const SerialSettings &s)
{
    PrinterSession::Operation operation(session);
    int port = RESULT_OK;
    if (s.baud && s.parity && s.dataBits && s.stopBits) {
        const int codes[] = {s.baud->code(kBaudRates), s.parity->code(kParities),
                             s.dataBits->code(kDataBits), s.stopBits->code(kStopBits)};
        // A value no entry has keeps the whole frame back.
        if (std::find(std::begin(codes), std::end(codes), -1) == std::end(codes)) {
            QByteArray data;
            for (int code : codes)
                data += char(code);
            port = session.sendSet(INFO_SERIAL_PORT, data);
        }
    }
    const int serialNumber = sendText(session, INFO_SERIAL_NUMBER, s.serialNumber);
    return firstFailure({port, serialNumber});
}
