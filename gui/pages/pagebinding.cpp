#include "gui/pages/pagebinding.h"

#include "gui/widgets/pagehost.h"
#include "gui/pages/pagefields.h"
#include "gui/pages/settingwidgets.h"
#include "core/settings/printcodec.h"
#include "core/settings/settingtable.h"
#include "device/link/printersession.h"
#include "device/journal/entries.h"
#include "device/operations/resulttexts.h"
#include "device/settings/settingsengine.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <memory>

using settingtable::Row;
using settingtable::Unit;

namespace {

// The list entry a box shows for a printer code; -1 for none.
int entryOf(const Row &row, int code)
{
    if (!row.names)
        return code;
    for (int i = 0; i < row.entries; ++i) {
        if (row.codes[i] == code)
            return i;
    }
    return -1;
}

int codeOf(const Row &row, int entry)
{
    return row.codes ? row.codes[entry] : entry;
}

// A flag in a list box: the entry is the byte the printer stores for it.
int flagEntry(const Row &row, bool on)
{
    QByteArray byte;
    settingtable::encode(row, on, 0, &byte);
    return uint8_t(byte.at(0));
}

QJsonValue numberOf(const Row &row, const QString &text)
{
    const QString t = text.trimmed();
    // An empty port box is sent as port 0 and leaves the connection's port alone.
    if (row.unit == Unit::Port && t.isEmpty())
        return 0;
    if (row.decimals > 0) {
        double v = 0;
        return printcodec::parseLocaleDouble(t, &v) ? QJsonValue(v) : QJsonValue(t);
    }
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    return ok ? QJsonValue(double(v)) : QJsonValue(t);
}

} // namespace

PageBinding::PageBinding(QWidget *page, const QString &pageName, PrinterSession &session,
                         PageHost &host)
    : m_page(page), m_name(pageName), m_session(session), m_host(host)
{
}

void PageBinding::read(QAbstractButton *setButton, const Read &course)
{
    if (course.restFirst)
        m_host.setControlsEnabled(false);
    if (!m_host.requireOpenDevice() || (course.proceed && !course.proceed())) {
        if (course.restFirst)
            m_host.setControlsEnabled(true);
        return;
    }
    if (!course.restFirst)
        m_host.setControlsEnabled(false);
    struct Done
    {
        QJsonObject values;
        settingsengine::ReadResult result;
        int frames = 0; // asked so far
        int total = 0;
    };
    const auto done = std::make_shared<Done>();
    const QString page = m_name;
    jobs::Job *job = m_host.startJob(tr("读取设置"), [done, page](jobs::Context &context) {
        done->result = settingsengine::read(
            context.session(), page, &done->values, settingsengine::Scope::Page,
            [&context, done](int frames, int total) {
                done->frames = frames;
                done->total = total;
                context.progress(frames, total, tr("读取 %1/%2").arg(frames).arg(total));
            });
        ops::Outcome outcome;
        outcome.result = done->result.cancelled ? int(RESULT_CANCELLED) : done->result.reported;
        return outcome;
    });
    QPointer<QAbstractButton> set(setButton);
    QObject::connect(job, &jobs::Job::finished, m_page, [this, done, set, course] {
        if (done->result.cancelled) {
            // Nothing of a cut read is shown: the page stays unread.
            m_host.setControlsEnabled(true);
            if (set)
                set->setEnabled(false);
            m_host.showLastResult(
                tr("读取已取消：已读取 %1/%2 项，页面未读取").arg(done->frames).arg(done->total));
            return;
        }
        // Filled as far as the read came; the rest keep what they showed.
        m_read = done->values;
        m_host.settingsRead(m_name, done->values);
        if (course.show)
            course.show(done->values, done->result);
        else
            show(done->values);
        m_host.setControlsEnabled(true);
        const bool complete = pagefields::reportRead(m_host, done->result);
        if (set)
            set->setEnabled(complete && (!course.completed || course.completed()));
    });
}

void PageBinding::read(QAbstractButton *setButton)
{
    read(setButton, Read());
}

void PageBinding::write()
{
    write(Write());
}

void PageBinding::write(const Write &course)
{
    if (!m_host.requireOpenDevice())
        return;
    const QJsonObject wanted = values();
    const QJsonObject known = course.known ? course.known(wanted) : QJsonObject();
    // Every setting of every frame about to go out is checked, changed or not: a refused
    // one sends nothing, so the printer never gets half of a change.
    QStringList keys = wanted.keys();
    if (settingtable::findPage(m_name)->changeOnly) {
        keys.clear();
        for (const settingtable::Frame *f :
             settingtable::framesToWrite(m_name, wanted, known, m_session.hasPrintMode())) {
            for (const Row *row : settingtable::rowsOf(m_name, f->item))
                keys << QLatin1String(row->key);
        }
    }
    if ((course.check && !course.check(keys)) || !accept(wanted, keys) ||
        (course.proceed && !course.proceed()))
        return;
    struct Done
    {
        QList<uint8_t> sent;
        int ret = RESULT_OK;
    };
    const auto done = std::make_shared<Done>();
    const QString page = m_name;
    jobs::Job *job =
        m_host.startJob(tr("写入设置"), [done, page, wanted, known](jobs::Context &context) {
            done->ret = settingsengine::write(
                context.session(), page, wanted, known, &done->sent, nullptr,
                [&context](int frames, int total) {
                    context.progress(frames, total, tr("写入 %1/%2").arg(frames).arg(total));
                });
            ops::Outcome outcome;
            outcome.result = done->ret;
            return outcome;
        });
    QObject::connect(job, &jobs::Job::finished, m_page, [this, done, course, wanted] {
        journal::Entry entry;
        entry.changes = journal::settingChanges(m_name, done->sent, m_read, wanted);
        ops::Outcome outcome = ops::sendFailed(done->ret, m_name, QString());
        if (done->ret == RESULT_OK)
            outcome = ops::Outcome();
        outcome.sentence = resultMessage(done->ret);
        m_host.recordChange(entry, outcome);
        if (done->ret == RESULT_CANCELLED) {
            // What went out stays on the printer; the rest was never sent.
            m_host.showLastResult(
                tr("写入已取消：已发送 %1 帧，其余未发送").arg(done->sent.size()));
            return;
        }
        if (done->ret == RESULT_OK && course.succeeded)
            course.succeeded(done->sent);
        if (done->ret != RESULT_OK || course.reportSuccess)
            m_host.reportResult(done->ret);
    });
}

QWidget *PageBinding::widgetOf(const QString &key) const
{
    const char *name = settingwidgets::widgetOf(m_name + QLatin1Char('.') + key);
    return name ? m_page->findChild<QWidget *>(QLatin1String(name)) : nullptr;
}

void PageBinding::show(const QJsonObject &values)
{
    m_textAsRead.clear();
    for (auto it = values.begin(); it != values.end(); ++it) {
        const Row *row = settingtable::find(m_name, it.key());
        QWidget *w = row ? widgetOf(it.key()) : nullptr;
        if (auto *box = qobject_cast<QComboBox *>(w)) {
            if (row->unit == Unit::Flag) {
                box->setCurrentIndex(flagEntry(*row, it.value().toBool()));
            } else {
                const int code = settingtable::listCode(*row, it.value());
                pagefields::showListAnswer(box, entryOf(*row, code), code);
            }
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            edit->setText(it.value().isDouble()
                              ? QString::number(it.value().toDouble(), 'f', row->decimals)
                              : it.value().toString());
            m_textAsRead.insert(it.key(), edit->text());
        }
    }
}

QJsonObject PageBinding::values() const
{
    QJsonObject out;
    for (const Row *row : settingtable::rowsOf(m_name)) {
        const QString key = QLatin1String(row->key);
        QWidget *w = widgetOf(key);
        if (auto *box = qobject_cast<QComboBox *>(w)) {
            if (row->unit == Unit::Flag) {
                const uint8_t byte = uint8_t(qMax(0, box->currentIndex()));
                out.insert(key, settingtable::decode(*row, &byte, 1, 0));
            } else if (box->currentIndex() >= 0) {
                out.insert(key, settingtable::listValue(*row, codeOf(*row, box->currentIndex())));
            } else if (pagefields::listByte(box) >= 0) {
                out.insert(key, QJsonObject{{QStringLiteral("code"), pagefields::listByte(box)}});
            }
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            const bool number = row->unit == Unit::Millimetres || row->unit == Unit::Dots ||
                                row->unit == Unit::Seconds || row->unit == Unit::Port;
            out.insert(key, number ? numberOf(*row, edit->text()) : QJsonValue(edit->text()));
        }
    }
    return out;
}

bool PageBinding::accept(const QJsonObject &values, const QStringList &keys) const
{
    const int dotsPerMm = m_session.dotsPerMm();
    for (const Row *row : settingtable::rowsOf(m_name)) {
        const QString key = QLatin1String(row->key);
        const auto *edit = qobject_cast<QLineEdit *>(widgetOf(key));
        const settingtable::Bounds bounds =
            edit && m_textAsRead.contains(key) && m_textAsRead.value(key) == edit->text()
                ? settingtable::Bounds::Stored
                : settingtable::Bounds::Typed;
        // A list answer no entry has goes back as the printer gave it.
        if (!keys.contains(key) || !values.contains(key) ||
            settingtable::has(*row, settingtable::ReadOnly) ||
            settingtable::isUnlisted(values.value(key)) ||
            settingtable::check(*row, values.value(key), dotsPerMm, nullptr, bounds))
            continue;
        double min = 0;
        double max = 0;
        settingtable::range(*row, dotsPerMm, &min, &max, bounds);
        pagefields::refuse(m_host.dialogParent(), settingtable::label(*row), min, max);
        return false;
    }
    return true;
}
