#include "device/operations/functioncommands.h"

#include "core/protocol/frame.h"
#include "core/protocol/identity.h"
#include "device/link/printersession.h"

#include <QDebug>
#include <QThread>

namespace functioncommands {

namespace {

Command status(const char *name, POWER_InFo code)
{
    return {QLatin1String(name), frame::build(frame::ClassStatus, code)};
}

Command set(const char *name, SetInfoType item, uint8_t value)
{
    return {QLatin1String(name), frame::build(frame::ClassSet, item, QByteArray(1, char(value)))};
}

} // namespace

const QList<Command> &all()
{
    static const QList<Command> commands{
        status("selfTest", POWER_SELF_TEST),
        status("restart", POWER_RESTART),
        status("initialise", POWER_INITIALISE),
        status("gapLearn", POWER_GAP_LEARN),
        status("blackMarkLearn", POWER_BLACK_MARK_LEARN),
        status("dacLearn", POWER_DAC_LEARN),
        status("outletLearn", POWER_OUTLET_LEARN),
        status("paperOutLearn", POWER_PAPER_OUT_LEARN),
        set("fullCut", INFO_CUTTER_MODE, 1),
        set("cutterOff", INFO_CUTTER_MODE, 0),
        set("stripMode", INFO_CUTTER_MODE, 2),
        set("tearMode", INFO_CUTTER_MODE, 3),
        set("keysOn", INFO_KEY_SETTING, 0),
        set("keysOff", INFO_KEY_SETTING, 1),
        set("buzzerOn", INFO_BUZZER, 0),
        set("buzzerOff", INFO_BUZZER, 1),
    };
    return commands;
}

QByteArray frame(const QString &name)
{
    for (const Command &command : all()) {
        if (command.name == name)
            return command.frame;
    }
    return QByteArray();
}

int run(PrinterSession &session, const QString &name)
{
    const QByteArray bytes = frame(name);
    if (bytes.isEmpty())
        return RESULT_NO_MEDIUM;
    const PrinterSession::Operation operation(session);
    return session.sendFrame(bytes);
}

int readInformation(PrinterSession &session, PrinterInformation *out)
{
    const PrinterSession::Operation operation(session);
    unsigned char answer[frame::kQueryOutSize];

    if (session.queryStatus(POWER_FIRMWARE_VERSION, answer) == RESULT_OK)
        out->firmware = frame::answerText(answer, sizeof(answer));

    if (session.queryStatus(POWER_RESOLUTION, answer) == RESULT_OK) {
        out->dotsPerInch = frame::u16(answer);
        out->maxWidthMm = frame::u16(answer + 2) / session.dotsPerMm();
    }

    int length = 0;
    const int ret = session.queryInfo(INFO_DEVICE_IDENTITY, answer, &length);
    QList<QByteArray> strings;
    if (ret == RESULT_OK && identity::split(answer, length, &strings)) {
        qDebug() << "vidSString:" << strings.at(0);
        qDebug() << "pidSString:" << strings.at(1);
        qDebug() << "vidPtring:" << strings.at(2);
        qDebug() << "pidPtring:" << strings.at(3);
        qDebug() << "messagetring:" << strings.at(4);
        out->model = QString::fromLocal8Bit(strings.at(1));
    }
    return ret;
}

void closeAfterRestart(PrinterSession &session, bool restarted)
{
    const bool network = session.medium() == MEDIUM_NETWORK;
    session.close();
    if (network)
        QThread::msleep(restarted ? 500 : 10);
}

} // namespace functioncommands
