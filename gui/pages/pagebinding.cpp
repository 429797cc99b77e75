#include "gui/pages/pagebinding.h"

#include "gui/widgets/pagehost.h"
#include "gui/pages/pagefields.h"
#include "core/settings/printcodec.h"
#include "core/settings/settingtable.h"

#include <QComboBox>
#include <QLineEdit>

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

PageBinding::PageBinding(QWidget *page, const QString &pageName) : m_page(page), m_name(pageName) {}

void PageBinding::show(const QJsonObject &values)
{
    m_textAsRead.clear();
    for (auto it = values.begin(); it != values.end(); ++it) {
        const Row *row = settingtable::find(m_name, it.key());
        QWidget *w = row ? m_page->findChild<QWidget *>(QLatin1String(row->widget)) : nullptr;
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
        QWidget *w = m_page->findChild<QWidget *>(QLatin1String(row->widget));
        const QString key = QLatin1String(row->key);
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

bool PageBinding::accept(PageHost &host, const QJsonObject &values, const QStringList &keys,
                         int dotsPerMm) const
{
    for (const Row *row : settingtable::rowsOf(m_name)) {
        const QString key = QLatin1String(row->key);
        const auto *edit = m_page->findChild<QLineEdit *>(QLatin1String(row->widget));
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
        pagefields::refuse(host.dialogParent(), settingtable::label(*row), min, max);
        return false;
    }
    return true;
}
