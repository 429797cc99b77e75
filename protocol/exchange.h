#pragma once

#include "protocol/commandcodes.h"

#include <QByteArray>
#include <cstdint>

// Information query (class 0x02). `out` must hold 1024 bytes; it is zeroed in every
// case and receives the reply data on success. `dataLength`, when given, receives
// the number of data bytes the reply announced (0 on failure).
int GetPrinterInfo(SetInfoType type, unsigned char *out, int mode, int *dataLength = nullptr);

// Status query (class 0x00) whose reply is read, e.g. firmware version or resolution.
int GetPrinterStatusInfo(POWER_InFo code, unsigned char *out, int mode, int *dataLength = nullptr);

// Function command (class 0x00); no reply is read.
int SetPrinterStatusButton(POWER_InFo code, int mode);

// Writes a complete frame with the write-only operation of the current medium
// (ret_mode); -1 without sending for a medium other than USB or network.
int sendFrameNoReply(const QByteArray &frame);

// Builds the set frame (class 0x01) for `item` with `data` and sends it as above.
int sendSetFrame(uint8_t item, const QByteArray &data);

// The failure a page reports for a failed read on the current medium: 5 on USB,
// 6 on the network, -1 on any other medium.
int mediumFailureCode();

// Reads the printer's 4-byte status word on the current medium.
int readPrinterStatusWord(quint32 *word);

// On the network medium the TCP connection is made for each user operation: the
// bracket asks the socket to connect to the stored printer address on construction
// and to disconnect from it when it goes out of scope. Nothing happens on USB.
class NetworkBracket
{
public:
    NetworkBracket();
    ~NetworkBracket();
    NetworkBracket(const NetworkBracket &) = delete;
    NetworkBracket &operator=(const NetworkBracket &) = delete;

    static void connectSocket();
    static void disconnectSocket();
};
