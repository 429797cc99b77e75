#include "device/settings/settingsengine.h"

#include "core/protocol/frame.h"
#include "core/settings/settingtable.h"
#include "core/settings/wificodec.h"
#include "device/link/pause.h"
#include "device/link/printersession.h"

#include <QThread>
#include <algorithm>

namespace settingsengine {

namespace {

using namespace settingtable;

QList<const Frame *> framesOf(const QString &page, int Frame::*step)
{
    QList<const Frame *> out;
    for (const Frame &f : frames()) {
        if (f.*step >= 0 && page == QLatin1String(f.page))
            out << &f;
    }
    std::sort(out.begin(), out.end(),
              [step](const Frame *a, const Frame *b) { return a->*step < b->*step; });
    return out;
}

// A pause for the printer between frames, never past the session's deadline, and cut
// short by a cancel.
void pause(const PrinterSession &session, int ms)
{
    ops::pauseWithinDeadline(session, ulong(std::max(0, ms)));
}

// Keeps the first failure by its place in the reporting order.
class FirstFailure
{
public:
    void set(int place, int code)
    {
        if (code != RESULT_OK && (m_place < 0 || place < m_place)) {
            m_place = place;
            m_code = code;
        }
    }
    int code() const { return m_code; }

private:
    int m_place = -1;
    int m_code = RESULT_OK;
};

} // namespace

ReadResult read(PrinterSession &session, const QString &pageName, QJsonObject *values, Scope scope,
                const Progress &progress)
{
    const Page *page = findPage(pageName);
    if (!page)
        return {RESULT_NO_MEDIUM, RESULT_NO_MEDIUM, false};
    const PrinterSession::Operation operation(session);
    const int dots = session.dotsPerMm();
    const bool printMode = session.hasPrintMode();
    ReadResult result;
    // Once nothing can reach the printer, the queries left fail as that one did, unsent.
    int unreachable = RESULT_OK;
    unsigned char answer[frame::kQueryOutSize] = {};
    QList<const Frame *> asked;
    for (const Frame *f : framesOf(pageName, &Frame::readStep)) {
        if (modelHas(f->models, printMode))
            asked << f;
    }
    int done = 0;
    const auto step = [&] {
        if (progress)
            progress(++done, asked.size());
    };
    for (const Frame *f : asked) {
        if (session.stopRequested())
            break;
        if (f->whenKey &&
            values->value(QLatin1String(f->whenKey)) != QJsonValue(QLatin1String(f->whenValue))) {
            // A mode nobody read leaves both of its frames unread.
            result.complete = result.complete && values->contains(QLatin1String(f->whenKey));
            step();
            continue;
        }
        int length = 0;
        int ret = unreachable != RESULT_OK
                      ? unreachable
                      : session.queryInfo(SetInfoType(f->item), answer, &length);
        if (ret == RESULT_CANCELLED)
            break;
        step();
        if (ret == RESULT_OK) {
            const QList<const Row *> parts = rowsOf(pageName, f->item);
            // Texts that must each end inside the answer: otherwise the boxes stay as they
            // were, which is not a failed query.
            if (f->strictTexts &&
                !wificodec::splitTexts(answer, length, parts.size() - 1, nullptr)) {
                result.complete = false;
                continue;
            }
            // Past the answer the buffer is zero, which ends a text cut short.
            const int span = f->strictTexts ? length : int(sizeof(answer));
            QJsonObject decoded;
            bool readable = true;
            for (const Row *row : parts) {
                if (!modelHas(row->models, printMode))
                    continue;
                const QJsonValue v = decode(*row, answer, span, dots);
                readable = readable && !v.isUndefined();
                decoded.insert(QLatin1String(row->key), v);
            }
            if (readable) {
                for (auto it = decoded.begin(); it != decoded.end(); ++it)
                    values->insert(it.key(), it.value());
                continue;
            }
            ret = RESULT_BAD_REPLY;
        }
        if (printerUnreachable(ret))
            unreachable = ret;
        // The deadline is the operation's, not the medium's: it is reported as such.
        const int code =
            page->mediumFailure && ret != RESULT_TIMED_OUT ? session.failureCode() : ret;
        if (result.firstFailure == RESULT_OK)
            result.firstFailure = code;
        const bool counts = f->report == Report::Failure ||
                            (f->report == Report::BadReplyOnly && ret == RESULT_BAD_REPLY);
        if (counts && result.reported == RESULT_OK)
            result.reported = code;
        if (f->writeStep >= 0)
            result.complete = false;
        if (scope == Scope::Page && f->endsPageRead) {
            result.complete = false;
            break;
        }
    }
    // A cut read never passes for a complete one, whatever the page reports.
    if (session.stopRequested() && done < asked.size()) {
        result.cancelled = true;
        result.complete = false;
        if (result.reported == RESULT_OK)
            result.reported = RESULT_CANCELLED;
        if (result.firstFailure == RESULT_OK)
            result.firstFailure = RESULT_CANCELLED;
    }
    return result;
}

int write(PrinterSession &session, const QString &pageName, const QJsonObject &wanted,
          const QJsonObject &known, QList<uint8_t> *sent, int *confirmation,
          const Progress &progress)
{
    const Page *page = findPage(pageName);
    if (!page)
        return RESULT_NO_MEDIUM;
    const PrinterSession::Operation operation(session);
    const int dots = session.dotsPerMm();
    const bool printMode = session.hasPrintMode();
    QJsonObject merged = known;
    for (auto it = wanted.begin(); it != wanted.end(); ++it)
        merged.insert(it.key(), it.value());

    FirstFailure result;
    const QList<const Frame *> frames = framesToWrite(pageName, wanted, known, printMode);
    int done = 0;
    for (const Frame *f : frames) {
        if (session.stopRequested())
            return RESULT_CANCELLED;
        const QList<const Row *> parts = rowsOf(pageName, f->item);
        QByteArray payload;
        bool complete = true;
        bool unsendable = false;
        for (const Row *row : parts) {
            QJsonValue v = merged.value(QLatin1String(row->key));
            if (v.isUndefined() && page->fillMissing)
                v = emptyValue(*row);
            // An answer no entry has goes back only with the settings it travels with.
            if (v.isUndefined() || (isUnlisted(v) && parts.size() == 1)) {
                complete = false;
                break;
            }
            complete = encode(*row, v, dots, &payload);
            // A length needs a resolution to be sent in dots.
            unsendable = !complete && row->codec == Codec::LabelMm16;
            if (!complete)
                break;
        }
        // Places between the write steps leave room for the batch end.
        if (unsendable)
            result.set(f->writeStep * 2 + 1, RESULT_NO_MEDIUM);
        if (!complete)
            continue;
        const int ret = session.sendSet(f->item, payload);
        if (ret == RESULT_CANCELLED)
            return ret;
        result.set(f->writeStep * 2 + 1, ret);
        if (sent)
            sent->append(f->item);
        if (progress)
            progress(++done, frames.size());
        if (f->pauseMs > 0)
            pause(session, f->pauseMs);
    }
    // Every frame went out: a cancel now only cuts the pauses short, unless the batch end
    // is still to go.
    if (page->batchEnd >= 0 && session.stopRequested())
        return RESULT_CANCELLED;
    if (page->batchEnd >= 0)
        result.set(page->batchEndReportStep * 2, session.sendCommand(POWER_InFo(page->batchEnd)));
    if (page->finalPauseMs > 0)
        pause(session, page->finalPauseMs);
    // Asked before the page's connection closes: only there does an answer follow them.
    if (confirmation)
        *confirmation = session.confirmWrites();
    return result.code();
}

int send(PrinterSession &session, const QString &page, uint8_t item, const QJsonObject &values)
{
    QByteArray payload;
    for (const Row *row : rowsOf(page, item)) {
        const QJsonValue v = values.value(QLatin1String(row->key));
        encode(*row, v.isUndefined() ? emptyValue(*row) : v, session.dotsPerMm(), &payload);
    }
    return session.sendSet(item, payload);
}

} // namespace settingsengine
