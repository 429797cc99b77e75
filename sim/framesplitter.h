#pragma once

#include <QByteArray>
#include <QList>

// The printer's own view of the command frame (1B FF FE | class | item | L | data |
// 1B FE FF). Written independently of the tool's frame code on purpose, so that a
// mistake in one cannot hide the same mistake in the other.
namespace simframe {

constexpr int kOverhead = 9;
constexpr int kMaxFrame = 255 + kOverhead;

const QByteArray &head(); // 1B FF FE
const QByteArray &tail(); // 1B FE FF

// A frame with exactly data.size() data bytes (data must not exceed 255 bytes).
QByteArray build(quint8 frameClass, quint8 item, const QByteArray &data = QByteArray());

// One piece of a received byte stream: either a whole frame or bytes outside frames.
struct Piece
{
    bool isFrame = false;
    quint8 frameClass = 0;
    quint8 item = 0;
    QByteArray data;  // frame data, or the raw bytes
    QByteArray bytes; // the frame exactly as received (empty for raw pieces)
};

// Cuts a byte stream into frames and raw bytes. Frames may be split across push()
// calls, several may arrive at once and garbage may surround them. At most one
// frame's worth of bytes (kMaxFrame) is held back while waiting for the rest of a
// frame; a partial frame that turns out not to be one is handed out as raw bytes.
//
// Class 0x00 frames carry no data; one whose length byte is not 0 but which is
// followed directly by the trailer (the status-word query 1B FF FE 00 03 04 1B FE FF)
// is taken as a 9-byte frame.
class FrameSplitter
{
public:
    QList<Piece> push(const QByteArray &bytes);
    // End of stream: whatever is held back is raw.
    QList<Piece> finish();
    int pendingBytes() const { return m_pending.size(); }

private:
    QByteArray m_pending;
};

} // namespace simframe
