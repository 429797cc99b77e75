#pragma once

#include "protocol/commandcodes.h"

#include <QByteArray>
#include <cstdint>
#include <functional>

class QObject;

// One conversation with the printer at a time. Network replies are awaited with the
// event loop turning, so a click handled meanwhile, or the download worker streaming a
// file, could otherwise put a second conversation on the same connection and receive
// state. Every exchange below holds the printer while it runs; one asked for while the
// printer is held or a file is streamed is refused with RESULT_BUSY before anything is
// sent. The pieces of a file stream go to the transport directly and are not affected.
namespace printerlink {
// An exchange (or a user operation that writes to the transport itself) holds the printer.
bool exchanging();
// The download worker is streaming a file: a download or a console file send.
bool streaming();
inline bool busy()
{
    return exchanging() || streaming();
}
// `observer` is told when the printer is taken (true) and given back (false). One
// observer at a time; removeObserver() forgets it only when `owner` set it.
void setObserver(const QObject *owner, std::function<void(bool held)> observer);
void removeObserver(const QObject *owner);
// Takes the printer when it is free (true), and gives it back.
bool take();
void giveBack();
// A file stream runs (set by whoever starts and ends it).
void setStreaming(bool streaming);
} // namespace printerlink

// Holds the printer for its lifetime when it was free; held() tells whether it was.
class PrinterClaim
{
public:
    PrinterClaim();
    ~PrinterClaim();
    PrinterClaim(const PrinterClaim &) = delete;
    PrinterClaim &operator=(const PrinterClaim &) = delete;
    bool held() const { return m_held; }

private:
    bool m_held = false;
};

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
int sendFrameNoReply(const QByteArray &request);

// Builds the set frame (class 0x01) for `item` with `data` and sends it as above.
int sendSetFrame(uint8_t item, const QByteArray &data);

// The failure a page reports for a failed read on the current medium: 5 on USB,
// 6 on the network, -1 on any other medium.
int mediumFailureCode();

// Reads the printer's 4-byte status word on the current medium; a reply that carries
// fewer than four bytes is malformed (RESULT_BAD_REPLY).
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
