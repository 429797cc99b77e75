#include "settings/printsettingsio.h"

#include "protocol/frame.h"
#include "protocol/printersession.h"
#include "settings/distancecodec.h"
#include "settings/printcodec.h"

#include <QDebug>

namespace {

// Runs every query; the first failure is the result.
class Queries
{
public:
    explicit Queries(PrinterSession &session) : m_session(session) {}
    bool query(SetInfoType item)
    {
        const int ret = m_session.queryInfo(item, m_answer);
        if (m_first == RESULT_OK)
            m_first = ret;
        return ret == RESULT_OK;
    }
    const unsigned char *answer() const { return m_answer; }
    int result() const { return m_first; }

private:
    PrinterSession &m_session;
    unsigned char m_answer[frame::kQueryOutSize] = {};
    int m_first = RESULT_OK;
};

// Collects the write results by their place in the reporting order.
class Results
{
public:
    void set(int place, int code)
    {
        if (code != RESULT_OK && (m_place < 0 || place < m_place)) {
            m_place = place;
            m_first = code;
        }
    }
    int result() const { return m_first; }

private:
    int m_place = -1;
    int m_first = RESULT_OK;
};

QByteArray byte(int value)
{
    return QByteArray(1, char(uint8_t(value)));
}

QByteArray dots16(int dots)
{
    return frame::le16(uint16_t(dots & 0xFFFF));
}

int sendByte(PrinterSession &session, uint8_t item, const std::optional<int> &value)
{
    return value ? session.sendSet(item, byte(*value)) : RESULT_OK;
}

int sendMillimetres(PrinterSession &session, uint8_t item, const std::optional<int> &mm)
{
    if (!mm)
        return RESULT_OK;
    qDebug("mm: %d", *mm);
    qDebug("dot: %d", int(qint64(*mm) * session.dotsPerMm()));
    return session.sendSet(item, printcodec::millimetresToDots(*mm, session.dotsPerMm()));
}

int sendLabelSize(PrinterSession &session, const PrintSettings &in)
{
    if (!in.widthMm || !in.heightMm)
        return RESULT_OK;
    const int dots = session.dotsPerMm();
    if (dots < 1) {
        qWarning() << "mmToDot 非法:" << dots;
        return RESULT_NO_MEDIUM;
    }
    const QByteArray payload = printcodec::labelSizePayload(*in.heightMm, *in.widthMm, dots);
    qDebug().noquote() << "SEND:"
                       << frame::hex(frame::build(frame::ClassSet, INFO_LABEL_SIZE, payload));
    return session.sendSet(INFO_LABEL_SIZE, payload);
}

} // namespace

int readPrintSettings(PrinterSession &session, PrintSettings *out)
{
    const PrinterSession::Operation operation(session);
    const int dots = session.dotsPerMm();
    Queries read(session);
    const unsigned char *a = read.answer();
    if (read.query(INFO_PRINT_SPEED))
        out->speed = a[0];
    if (read.query(INFO_PRINT_DENSITY))
        out->density = a[0];
    if (read.query(INFO_LABEL_GAP))
        out->labelGapMm = printcodec::unsignedDotsToMillimetres(a, dots);
    if (read.query(INFO_BLACK_MARK_GAP))
        out->blackMarkGapMm = printcodec::unsignedDotsToMillimetres(a, dots);
    if (read.query(INFO_PRINT_DIRECTION)) {
        out->direction = a[0] != 0 ? 1 : 0;
        out->method = a[1] != 0 ? 1 : 0;
    }
    if (read.query(INFO_PRINT_OFFSET))
        out->printOffsetMm = printcodec::signedDotsToMillimetres(a, dots);
    if (read.query(INFO_VERTICAL_OFFSET))
        out->verticalOffsetMm = printcodec::signedDotsToMillimetres(a, dots);
    if (session.hasPrintMode() && read.query(INFO_PRINT_MODE))
        out->printMode = printcodec::printModeIndex(a[0]);
    if (read.query(INFO_PAPER_TYPE))
        out->paperType = printcodec::paperTypeIndex(a[0]);
    if (read.query(INFO_CODE_PAGE))
        out->codePage = a[0];
    if (read.query(INFO_COMMAND_SET))
        out->commandSet = a[0];
    if (!session.hasPrintMode() && read.query(INFO_AUTO_PAPER))
        out->autoPaper = a[0];
    if (read.query(INFO_LABEL_SIZE)) {
        out->heightMm = printcodec::labelSizeMm(frame::s16(a), dots);
        out->widthMm = printcodec::labelSizeMm(frame::s16(a + 2), dots);
    }
    if (read.query(INFO_MENU_LANGUAGE))
        out->menuLanguage = a[0];
    return read.result();
}

int writePrintSettings(PrinterSession &session, const PrintSettings &in)
{
    // Reporting order; the batch end goes out last but is reported before the menu
    // language.
    enum
    {
        CodePage,
        Speed,
        Density,
        LabelGap,
        BlackGap,
        Direction,
        ModeOrFeed,
        PaperType,
        CommandSet,
        VerticalOffset,
        PrintOffset,
        LabelSize,
        BatchEnd,
        MenuLanguage
    };
    const PrinterSession::Operation operation(session);
    Results r;
    r.set(CodePage, sendByte(session, INFO_CODE_PAGE, in.codePage));
    r.set(Speed, sendByte(session, INFO_PRINT_SPEED, in.speed));
    r.set(Density, sendByte(session, INFO_PRINT_DENSITY, in.density));
    r.set(LabelGap, sendMillimetres(session, INFO_LABEL_GAP, in.labelGapMm));
    r.set(BlackGap, sendMillimetres(session, INFO_BLACK_MARK_GAP, in.blackMarkGapMm));
    if (in.direction && in.method)
        r.set(Direction,
              session.sendSet(INFO_PRINT_DIRECTION, byte(*in.direction) + byte(*in.method)));
    r.set(ModeOrFeed, session.hasPrintMode() ? sendByte(session, INFO_PRINT_MODE, in.printMode)
                                             : sendByte(session, INFO_AUTO_PAPER, in.autoPaper));
    r.set(PaperType, sendByte(session, INFO_PAPER_TYPE, in.paperType));
    r.set(CommandSet, sendByte(session, INFO_COMMAND_SET, in.commandSet));
    r.set(VerticalOffset, sendMillimetres(session, INFO_VERTICAL_OFFSET, in.verticalOffsetMm));
    r.set(PrintOffset, sendMillimetres(session, INFO_PRINT_OFFSET, in.printOffsetMm));
    r.set(LabelSize, sendLabelSize(session, in));
    r.set(MenuLanguage, sendByte(session, INFO_MENU_LANGUAGE, in.menuLanguage));
    r.set(BatchEnd, session.sendCommand(POWER_SETTINGS_BATCH_END));
    return r.result();
}

int readDistanceSettings(PrinterSession &session, DistanceSettings *out)
{
    const PrinterSession::Operation operation(session);
    const int dots = session.dotsPerMm();
    Queries read(session);
    const unsigned char *a = read.answer();
    if (read.query(INFO_DISTANCE_OUTLET))
        out->outletDots = frame::s16(a);
    if (read.query(INFO_DISTANCE_GAP_SENSOR))
        out->gapSensorMm = printcodec::signedDotsToMillimetres(a, dots);
    if (read.query(INFO_DISTANCE_BLACK_SENSOR))
        out->blackSensorMm = printcodec::signedDotsToMillimetres(a, dots);
    if (read.query(INFO_DISTANCE_TEAR))
        out->tearDots = frame::s16(a);
    return read.result();
}

int writeDistanceSettings(PrinterSession &session, const DistanceSettings &in)
{
    const PrinterSession::Operation operation(session);
    Results r;
    if (in.outletDots)
        r.set(0, session.sendSet(INFO_DISTANCE_OUTLET, dots16(*in.outletDots)));
    r.set(1, sendMillimetres(session, INFO_DISTANCE_GAP_SENSOR, in.gapSensorMm));
    r.set(2, sendMillimetres(session, INFO_DISTANCE_BLACK_SENSOR, in.blackSensorMm));
    if (in.tearDots)
        r.set(3, session.sendSet(INFO_DISTANCE_TEAR, dots16(*in.tearDots)));
    return r.result();
}

int readStripperSettings(PrinterSession &session, StripperSettings *out)
{
    const PrinterSession::Operation operation(session);
    Queries read(session);
    if (read.query(INFO_STRIPPER_TIME))
        out->takeAwaySeconds = distancecodec::stripperSecondsFromReply(read.answer());
    return read.result();
}

int writeStripperSettings(PrinterSession &session, const StripperSettings &in)
{
    const PrinterSession::Operation operation(session);
    if (!in.takeAwaySeconds)
        return RESULT_OK;
    return session.sendSet(INFO_STRIPPER_TIME,
                           distancecodec::stripperTimePayload(*in.takeAwaySeconds));
}
