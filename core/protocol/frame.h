#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The command frame shared by requests and replies:
//   1B FF FE | class | item | L | L data bytes | 1B FE FF
// Everything that knows this layout lives here.
namespace frame {

constexpr int kHeaderSize = 6; // head, class, item, length
constexpr int kTrailerSize = 3;
constexpr int kOverhead = kHeaderSize + kTrailerSize;
constexpr int kMaxData = 255;
constexpr int kMaxText = kMaxData - 1; // room left for the terminating NUL
constexpr int kQueryOutSize = 1024;    // what callers of the query exchanges provide
constexpr int kReplyAreaSize = 264;    // one USB reply block, also the exchange's scratch area

enum Class : uint8_t
{
    ClassStatus = 0x00,
    ClassSet = 0x01,
    ClassQuery = 0x02
};

const QByteArray &head(); // 1B FF FE
const QByteArray &tail(); // 1B FE FF

// Builds a complete frame. Data longer than kMaxData is a caller error and is cut so
// that the length byte always equals the number of data bytes sent.
QByteArray build(uint8_t frameClass, uint8_t item, const QByteArray &data = QByteArray());

// Text data: the text in the local 8-bit encoding followed by one NUL. Texts whose
// encoding does not fit a frame are cut at a character boundary to kMaxText bytes.
QByteArray textData(const QString &text);
QByteArray textData(const QByteArray &local8Bit);

// The text of an answer's data: the bytes before the first NUL (at most `size`) in the
// local 8-bit encoding, the inverse of textData().
QString answerText(const uint8_t *data, int size = kQueryOutSize);

// The longest prefix of whole characters (a surrogate pair counts as one) whose local
// 8-bit form fits `maxBytes`, in that form.
QByteArray cutLocal8Bit(const QString &text, int maxBytes);

// 16-bit value, low byte first.
QByteArray le16(uint16_t value);

// Validates a query reply held in `reply` (of `capacity` bytes): header 1B FF FE and
// item equal to `item`; class, length and trailer are not examined. On success copies
// the L data bytes (never past `capacity`) into `out`, which is first zeroed over
// `outSize` bytes, and returns 0; otherwise returns 1 with `out` all zero.
int decodeQueryReply(const uint8_t *reply, int capacity, uint8_t item, uint8_t *out,
                     int outSize = kQueryOutSize);

// Reply assembly for byte streams: finds the first frame start head + frameClass +
// item in `buffer` and succeeds once the whole frame is there, that is L + 9 bytes
// from its start with L the unsigned length byte; `start` and `length` then receive
// its offset and L + 9. The trailer is not looked for, so trailer-like bytes inside
// the data do not matter, and bytes after the frame are left alone.
bool findReply(const QByteArray &buffer, uint8_t frameClass, uint8_t item, int *start, int *length);

// Reads a little-endian 16-bit value from reply data.
inline uint16_t u16(const uint8_t *data)
{
    return uint16_t(data[0] | (data[1] << 8));
}
inline int16_t s16(const uint8_t *data)
{
    return int16_t(u16(data));
}

// "1B FF FE ..." for the debug log.
QString hex(const QByteArray &bytes);

// True for the items whose data holds a password or PIN.
bool carriesSecret(uint8_t item);

// Like hex(), for bytes that may hold frames with secrets: the data bytes of every
// such frame found in `bytes` (also one cut short) are shown as "**".
QString hexForLog(const QByteArray &bytes);

} // namespace frame
