#include "device/operations/outcome.h"

#include "device/operations/sentences.h"
#include "core/protocol/commandcodes.h"
#include "device/operations/resulttexts.h"

namespace ops {

namespace {

// The codes every kind of exchange shares: no connection, busy.
bool commonFailure(int result, const QString &printer, Outcome *out)
{
    if (result == RESULT_NOT_CONNECTED || result == RESULT_USB_OPEN) {
        out->code = Code::NotConnected;
        out->sentence = Operations::tr("无法连接到 %1").arg(printer);
        return true;
    }
    if (result == RESULT_TIMED_OUT) {
        out->code = Code::TimedOut;
        out->sentence = Operations::tr("%1 未在限定时间内完成").arg(printer);
        return true;
    }
    if (result == RESULT_CANCELLED) {
        out->code = Code::Interrupted;
        out->sentence = Operations::tr("已取消：%1 在下一帧之前停下").arg(printer);
        return true;
    }
    if (result == RESULT_BUSY) {
        out->code = Code::Busy;
        out->sentence = Operations::tr("打印机正忙：另一项操作或文件传送正在进行");
        return true;
    }
    return false;
}

Outcome failed(int result, const QString &step)
{
    Outcome out;
    out.result = result;
    out.step = step;
    return out;
}

} // namespace

QString codeName(Code code)
{
    switch (code) {
    case Code::Ok:
        return QStringLiteral("ok");
    case Code::NotConnected:
        return QStringLiteral("not-connected");
    case Code::NoAnswer:
        return QStringLiteral("no-answer");
    case Code::Refused:
        return QStringLiteral("refused");
    case Code::BadInput:
        return QStringLiteral("bad-input");
    case Code::Unsupported:
        return QStringLiteral("unsupported");
    case Code::Differs:
        return QStringLiteral("differs");
    case Code::TimedOut:
        return QStringLiteral("timed-out");
    case Code::Interrupted:
        return QStringLiteral("interrupted");
    case Code::Busy:
        return QStringLiteral("busy");
    }
    return QStringLiteral("failed");
}

Outcome queryFailed(int result, const QString &step, const QString &printer)
{
    Outcome out = failed(result, step);
    if (!commonFailure(result, printer, &out)) {
        out.code = result == RESULT_BAD_REPLY ? Code::Refused : Code::NoAnswer;
        out.sentence = Operations::tr("打印机没有应答%1查询（%2）").arg(step, resultMeaning(result));
    }
    return out;
}

Outcome sendFailed(int result, const QString &step, const QString &printer)
{
    Outcome out = failed(result, step);
    if (!commonFailure(result, printer, &out)) {
        out.code = Code::Refused;
        out.sentence = Operations::tr("打印机没有接受%1（%2）").arg(step, resultMeaning(result));
    }
    return out;
}

Outcome notConfirmed(int result, const QString &step, const QString &printer)
{
    Outcome out = failed(result, step);
    if (!commonFailure(result, printer, &out)) {
        out.code = result == RESULT_BAD_REPLY ? Code::Refused : Code::NoAnswer;
        out.sentence =
            Operations::tr("打印机没有确认收到%1（%2）").arg(step, resultMeaning(result));
    }
    return out;
}

Outcome badInput(const QString &sentence)
{
    Outcome out;
    out.code = Code::BadInput;
    out.sentence = sentence;
    return out;
}

} // namespace ops
