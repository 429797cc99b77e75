#pragma once

#include <QByteArray>
#include <QSet>

// Misbehaviour the simulated printer can be told to show, so that the tool's handling
// of bad printers can be exercised. Every switch is off by default.

// How the TCP server treats new connections.
enum class RefuseMode
{
    None,             // accept and serve
    CloseAfterAccept, // accept, then close the connection at once
    NotListening,     // stop listening: connection attempts are refused
};

// How the discovery responder answers a valid request.
enum class UdpReplyFault
{
    None,          // a correct reply
    NoReply,       // stay silent
    TenBytes,      // a reply of exactly 10 bytes
    NoMfg,         // a reply whose string 2 lacks the "MFG:" field
    LengthZero,    // length byte 0
    LengthBit7,    // length byte with bit 7 set
    LengthTooLong, // length byte larger than the data that follows in the datagram
};

struct PrinterFaults
{
    // Reply content (applied by PrinterModel). The item sets hold item codes of
    // class 0x02 queries and the answered class 0x00 codes (3, 4, 0x0B); the two
    // ranges do not overlap.
    QSet<quint8> silentItems;     // queries that get no reply at all
    QSet<quint8> wrongItemItems;  // queries answered with item code + 1
    QSet<quint8> ignoredSetItems; // set frames taken without storing anything
    QByteArray strayBytes;        // bytes sent in front of every reply
    bool lengthBit7 = false;      // every reply's length byte has bit 7 set

    // TCP delivery (applied by SimPrinter).
    int replyDelayMs = 0;       // wait before a reply is sent
    int replySegments = 1;      // each reply goes out in this many TCP segments
    int segmentPauseMs = 30;    // pause between two segments of one reply
    qint64 dropAfterBytes = -1; // abort a connection once it has received this many bytes
    RefuseMode refuse = RefuseMode::None;
    int slowReadChunk = 0;   // > 0: read at most this many bytes per pause
    int slowReadPauseMs = 0; // pause between two slow reads
    // Counted in frames received since start (or clearRecords); -1 never. A printer whose
    // program stopped: no byte past that frame is read, its connections stay open and new
    // ones are taken but never read.
    int stopReadingAfterFrames = -1;
    // A printer killed there: every connection closes and nobody listens any more.
    int closeAfterFrames = -1;

    // Discovery (applied by SimPrinter).
    UdpReplyFault udpFault = UdpReplyFault::None;
    bool udpDuplicate = false; // every reply is sent twice

    bool operator==(const PrinterFaults &o) const;
    bool operator!=(const PrinterFaults &o) const { return !(*this == o); }
};
