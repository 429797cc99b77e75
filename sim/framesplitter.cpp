#include "sim/framesplitter.h"

namespace simframe {

const QByteArray &head()
{
    static const QByteArray h("\x1B\xFF\xFE", 3);
    return h;
}

const QByteArray &tail()
{
    static const QByteArray t("\x1B\xFE\xFF", 3);
    return t;
}

QByteArray build(quint8 frameClass, quint8 item, const QByteArray &data)
{
    const QByteArray body = data.left(255);
    QByteArray f;
    f.reserve(body.size() + kOverhead);
    f += head();
    f += char(frameClass);
    f += char(item);
    f += char(quint8(body.size()));
    f += body;
    f += tail();
    return f;
}

namespace {

// Result of looking at the bytes from `at` on, which begin with the header.
enum class Shape
{
    Incomplete,
    Frame,
    NotFrame
};

bool matchesTailPrefix(const QByteArray &b, int from, int count)
{
    for (int i = 0; i < count; ++i) {
        if (b.at(from + i) != tail().at(i))
            return false;
    }
    return true;
}

// Decides whether b[at..] (starting with the header) is a frame, and its length.
Shape shapeAt(const QByteArray &b, int at, int *length)
{
    const int n = b.size() - at;
    if (n < 6)
        return Shape::Incomplete;
    const quint8 cls = quint8(b.at(at + 3));
    const int dataLen = quint8(b.at(at + 5));

    // Class 0x00 frames have no data; the status-word query carries a length byte of
    // 4 anyway and is followed directly by the trailer.
    if (cls == 0x00 && dataLen != 0) {
        const int have = qMin(3, n - 6);
        if (matchesTailPrefix(b, at + 6, have)) {
            if (have < 3)
                return Shape::Incomplete;
            *length = kOverhead;
            return Shape::Frame;
        }
    }

    const int total = dataLen + kOverhead;
    if (n < total)
        return Shape::Incomplete;
    if (!matchesTailPrefix(b, at + 6 + dataLen, 3))
        return Shape::NotFrame;
    *length = total;
    return Shape::Frame;
}

} // namespace

QList<Piece> FrameSplitter::push(const QByteArray &bytes)
{
    QList<Piece> out;
    QByteArray raw;
    auto flushRaw = [&]() {
        if (raw.isEmpty())
            return;
        Piece p;
        p.data = raw;
        out.append(p);
        raw.clear();
    };

    m_pending += bytes;
    int pos = 0; // everything before pos has been handed out
    while (pos < m_pending.size()) {
        const int idx = m_pending.indexOf(head(), pos);
        if (idx < 0) {
            // Keep a trailing part of a header (1B, or 1B FF) for the next push.
            int keep = 0;
            const int n = m_pending.size();
            if (n - pos >= 2 && m_pending.at(n - 2) == head().at(0) &&
                m_pending.at(n - 1) == head().at(1))
                keep = 2;
            else if (n - pos >= 1 && m_pending.at(n - 1) == head().at(0))
                keep = 1;
            raw += m_pending.mid(pos, n - pos - keep);
            pos = n - keep;
            break;
        }
        raw += m_pending.mid(pos, idx - pos);
        pos = idx;

        int length = 0;
        const Shape shape = shapeAt(m_pending, pos, &length);
        if (shape == Shape::Frame) {
            flushRaw();
            Piece p;
            p.isFrame = true;
            p.frameClass = quint8(m_pending.at(pos + 3));
            p.item = quint8(m_pending.at(pos + 4));
            p.bytes = m_pending.mid(pos, length);
            p.data = p.bytes.mid(6, length - kOverhead);
            out.append(p);
            pos += length;
            continue;
        }
        if (shape == Shape::NotFrame) {
            raw += m_pending.at(pos);
            ++pos;
            continue;
        }
        // Incomplete. A complete frame starting inside it means this one was cut
        // short (its sender gave up): hand the cut part out as raw bytes.
        int inner = m_pending.indexOf(head(), pos + 1);
        bool cutShort = false;
        while (inner >= 0) {
            int innerLength = 0;
            if (shapeAt(m_pending, inner, &innerLength) == Shape::Frame) {
                cutShort = true;
                break;
            }
            inner = m_pending.indexOf(head(), inner + 1);
        }
        if (cutShort) {
            raw += m_pending.mid(pos, inner - pos);
            pos = inner;
            continue;
        }
        break; // wait for more bytes; at most kMaxFrame - 1 are held
    }
    flushRaw();
    m_pending.remove(0, pos);
    return out;
}

QList<Piece> FrameSplitter::finish()
{
    QList<Piece> out;
    if (!m_pending.isEmpty()) {
        Piece p;
        p.data = m_pending;
        out.append(p);
        m_pending.clear();
    }
    return out;
}

} // namespace simframe
