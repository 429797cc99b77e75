#include "sim/printermodel.h"

#include "sim/framesplitter.h"
#include "sim/itemcatalog.h"

#include <QMutexLocker>

namespace {

constexpr int kRecordLimit = 10000;
constexpr int kStreamHeadLimit = 64 * 1024;

constexpr quint8 kClassFunction = 0x00;
constexpr quint8 kClassSet = 0x01;
constexpr quint8 kClassQuery = 0x02;

constexpr quint8 kCodeRestart = 2;
constexpr quint8 kCodeStatusWord = 3;
constexpr quint8 kCodeFirmware = 4;
constexpr quint8 kCodeInitialise = 5;
constexpr quint8 kCodeResolution = 0x0B;
constexpr quint8 kItemIdentity = 0x0C;

QByteArray le16(quint16 v)
{
    QByteArray b;
    b += char(v & 0xFF);
    b += char(v >> 8);
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b += char((v >> (8 * i)) & 0xFF);
    return b;
}

} // namespace

PrinterModel::PrinterModel(const PrinterConfig &config)
{
    setConfig(config);
}

PrinterModel::~PrinterModel() = default;

QByteArray PrinterModel::feed(const QByteArray &bytes, int stream)
{
    const FeedResult r = process(bytes, stream);
    if (r.dropConnection) {
        QMutexLocker lock(&m_mutex);
        m_dropRequested = true;
    }
    QByteArray out;
    for (const QByteArray &reply : r.replies)
        out += reply;
    return out;
}

FeedResult PrinterModel::process(const QByteArray &bytes, int stream)
{
    QMutexLocker lock(&m_mutex);
    FeedResult result;
    auto &splitter = m_splitters[stream];
    if (!splitter)
        splitter = std::make_shared<simframe::FrameSplitter>();
    const QList<simframe::Piece> pieces = splitter->push(bytes);
    for (const simframe::Piece &p : pieces) {
        if (p.isFrame)
            handleFrameLocked(p.frameClass, p.item, p.data, &result);
        else
            handleRawLocked(p.data, &result, stream);
    }
    return result;
}

void PrinterModel::endStream(int stream)
{
    QMutexLocker lock(&m_mutex);
    auto it = m_splitters.find(stream);
    if (it == m_splitters.end())
        return;
    FeedResult ignored;
    for (const simframe::Piece &p : it.value()->finish())
        handleRawLocked(p.data, &ignored, stream);
    m_splitters.erase(it);
    const auto head = m_streamHeads.find(stream);
    if (head == m_streamHeads.end())
        return;
    const QByteArray bytes = head.value();
    m_streamHeads.erase(head);
    if (m_config.firmwareRestart.isEmpty())
        return;
    m_restartUntil = QDeadlineTimer(m_config.restartMs);
    if (m_config.firmwareRestart != QLatin1String("stream")) {
        m_config.firmwareVersion = m_config.firmwareRestart;
        return;
    }
    const int at = bytes.indexOf("FWVER=");
    if (at < 0)
        return;
    QByteArray version;
    for (int i = at + 6; i < bytes.size() && version.size() < 64; ++i) {
        const char ch = bytes.at(i);
        if (ch <= ' ' || ch > '~')
            break;
        version += ch;
    }
    m_config.firmwareVersion = QString::fromLatin1(version);
}

bool PrinterModel::restarting() const
{
    QMutexLocker lock(&m_mutex);
    return !m_restartUntil.hasExpired();
}

bool PrinterModel::takeDropRequest()
{
    QMutexLocker lock(&m_mutex);
    const bool r = m_dropRequested;
    m_dropRequested = false;
    return r;
}

void PrinterModel::handleRawLocked(const QByteArray &bytes, FeedResult *result, int stream)
{
    if (bytes.isEmpty())
        return;
    // The start of each stream is kept for the version it names (firmware restart).
    QByteArray &head = m_streamHeads[stream];
    if (head.size() < kStreamHeadLimit)
        head += bytes.left(kStreamHeadLimit - head.size());
    m_rawCount += bytes.size();
    result->rawBytes += bytes.size();
    m_rawHash.addData(bytes);
    const qint64 room = m_rawKeepLimit - m_rawKept.size();
    if (room > 0)
        m_rawKept += bytes.left(int(qMin<qint64>(room, bytes.size())));
    if (m_rawFile)
        m_rawFile->write(bytes);
    if (m_config.rawEcho)
        result->replies.append(bytes);
}

void PrinterModel::handleFrameLocked(quint8 frameClass, quint8 item, const QByteArray &data,
                                     FeedResult *result)
{
    if (m_frames.size() >= kRecordLimit)
        m_frames.removeFirst();
    m_frames.append(ReceivedFrame{frameClass, item, data});
    result->frames.append(m_frames.last());
    ++m_frameCount;

    switch (frameClass) {
    case kClassFunction:
        if (m_functionCodes.size() >= kRecordLimit)
            m_functionCodes.removeFirst();
        m_functionCodes.append(item);
        switch (item) {
        case kCodeStatusWord:
            addReplyLocked(frameClass, item, le32(m_config.statusWord), result);
            break;
        case kCodeFirmware:
            addReplyLocked(frameClass, item, m_config.firmwareVersion.toUtf8().left(254) + '\0',
                           result);
            break;
        case kCodeResolution:
            addReplyLocked(frameClass, item, le16(m_config.dpi) + le16(m_config.maxWidthDots),
                           result);
            break;
        case kCodeRestart:
        case kCodeInitialise:
            result->dropConnection = true;
            break;
        default:
            break;
        }
        break;
    case kClassSet:
        storeSetLocked(item, data);
        break;
    case kClassQuery:
        // A stored identity answer (set by a test) overrides the configured strings.
        if (item == kItemIdentity && !m_config.settings.contains(item))
            addReplyLocked(frameClass, item, m_config.identityData(), result);
        else
            addReplyLocked(frameClass, item, m_config.settings.value(item), result);
        break;
    default:
        break; // unknown classes are recorded only
    }
}

void PrinterModel::addReplyLocked(quint8 frameClass, quint8 item, const QByteArray &data,
                                  FeedResult *result)
{
    const PrinterFaults &f = m_config.faults;
    if (f.silentItems.contains(item))
        return;
    const quint8 replyItem = f.wrongItemItems.contains(item) ? quint8(item + 1) : item;
    QByteArray reply = simframe::build(frameClass, replyItem, data);
    if (f.lengthBit7)
        reply[5] = char(quint8(reply.at(5)) | 0x80);
    result->replies.append(f.strayBytes + reply);
}

void PrinterModel::storeSetLocked(quint8 item, const QByteArray &data)
{
    if (item == kItemIdentity || m_config.faults.ignoredSetItems.contains(item))
        return;
    if (const itemcatalog::Item *known = itemcatalog::find(item)) {
        if (known->readOnly)
            return;
    }
    m_config.settings.insert(item, itemcatalog::answerFromSetPayload(item, data));
}

void PrinterModel::setConfig(const PrinterConfig &config)
{
    QMutexLocker lock(&m_mutex);
    const QString oldRawFile = m_config.rawFile;
    m_config = config;
    if (config.rawFile != oldRawFile || (!config.rawFile.isEmpty() && !m_rawFile)) {
        m_rawFile.reset();
        if (!config.rawFile.isEmpty()) {
            m_rawFile = std::make_unique<QFile>(config.rawFile);
            if (!m_rawFile->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
                m_rawFile.reset();
        }
    }
}

PrinterConfig PrinterModel::config() const
{
    QMutexLocker lock(&m_mutex);
    return m_config;
}

QJsonObject PrinterModel::stateJson() const
{
    return config().toJson();
}

QByteArray PrinterModel::value(quint8 item) const
{
    QMutexLocker lock(&m_mutex);
    if (item == kItemIdentity && !m_config.settings.contains(item))
        return m_config.identityData();
    return m_config.settings.value(item);
}

bool PrinterModel::hasValue(quint8 item) const
{
    QMutexLocker lock(&m_mutex);
    return item == kItemIdentity || m_config.settings.contains(item);
}

void PrinterModel::setValue(quint8 item, const QByteArray &answerBytes)
{
    QMutexLocker lock(&m_mutex);
    m_config.settings.insert(item, answerBytes.left(255));
}

QMap<quint8, QByteArray> PrinterModel::settings() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.settings;
}

QStringList PrinterModel::identity() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.identity;
}

QByteArray PrinterModel::identityData() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.identityData();
}

QString PrinterModel::firmwareVersion() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.firmwareVersion;
}

quint16 PrinterModel::dpi() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.dpi;
}

quint16 PrinterModel::maxWidthDots() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.maxWidthDots;
}

quint32 PrinterModel::statusWord() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.statusWord;
}

void PrinterModel::setStatusWord(quint32 word)
{
    QMutexLocker lock(&m_mutex);
    m_config.statusWord = word;
}

int PrinterModel::dropDelayMs() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.dropDelayMs;
}

PrinterFaults PrinterModel::faults() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.faults;
}

void PrinterModel::setFaults(const PrinterFaults &faults)
{
    QMutexLocker lock(&m_mutex);
    m_config.faults = faults;
}

QList<ReceivedFrame> PrinterModel::receivedFrames() const
{
    QMutexLocker lock(&m_mutex);
    return m_frames;
}

QList<quint8> PrinterModel::functionCodes() const
{
    QMutexLocker lock(&m_mutex);
    return m_functionCodes;
}

int PrinterModel::frameCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_frameCount;
}

void PrinterModel::clearRecords()
{
    QMutexLocker lock(&m_mutex);
    m_frames.clear();
    m_functionCodes.clear();
    m_frameCount = 0;
    m_rawCount = 0;
    m_rawHash.reset();
    m_rawKept.clear();
}

qint64 PrinterModel::rawByteCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_rawCount;
}

QByteArray PrinterModel::rawSha256() const
{
    QMutexLocker lock(&m_mutex);
    // result() works on a copy of the state: more data may follow.
    return m_rawHash.result();
}

QByteArray PrinterModel::rawBytes() const
{
    QMutexLocker lock(&m_mutex);
    return m_rawKept;
}

qint64 PrinterModel::rawKeepLimit() const
{
    QMutexLocker lock(&m_mutex);
    return m_rawKeepLimit;
}

bool PrinterModel::setRawFile(const QString &path)
{
    QMutexLocker lock(&m_mutex);
    m_rawFile.reset();
    m_config.rawFile = path;
    if (path.isEmpty())
        return true;
    m_rawFile = std::make_unique<QFile>(path);
    if (!m_rawFile->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_rawFile.reset();
        return false;
    }
    return true;
}

bool PrinterModel::rawEcho() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.rawEcho;
}

void PrinterModel::setRawEcho(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_config.rawEcho = on;
}

int PrinterModel::pendingBytes() const
{
    QMutexLocker lock(&m_mutex);
    int n = 0;
    for (const auto &s : m_splitters)
        n += s->pendingBytes();
    return n;
}
