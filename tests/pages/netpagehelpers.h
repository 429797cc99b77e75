#pragma once

#include "protocol/frame.h"
#include "sessionfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVariantMap>
#include <QtTest>

// Widgets named as on the window: "name=text" fills a line edit or, with a number,
// selects a combo box entry, and reads back as the text shown; "name" alone stands for
// enabled, "!name" for disabled.

inline QByteArray hexBytes(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

inline void fill(QWidget *page, const QStringList &fields)
{
    for (const QString &field : fields) {
        const QString name = field.section(QLatin1Char('='), 0, 0);
        const QString value = field.section(QLatin1Char('='), 1);
        if (auto *box = page->findChild<QComboBox *>(name))
            box->setCurrentIndex(value.toInt());
        else
            page->findChild<QLineEdit *>(name)->setText(value);
    }
}

// What the page shows for each expectation, in the expectation's own form.
inline QStringList shown(QWidget *page, const QStringList &expected)
{
    QStringList out;
    for (const QString &field : expected) {
        if (!field.contains(QLatin1Char('='))) {
            const QString name = field.startsWith(QLatin1Char('!')) ? field.mid(1) : field;
            out << (page->findChild<QWidget *>(name)->isEnabled() ? name : '!' + name);
            continue;
        }
        const QString name = field.section(QLatin1Char('='), 0, 0);
        const auto *box = page->findChild<QComboBox *>(name);
        out << name + '=' +
                   (box ? box->currentText() : page->findChild<QLineEdit *>(name)->text());
    }
    return out;
}

inline void click(QWidget *page, const QString &button)
{
    QTest::mouseClick(page->findChild<QPushButton *>(button), Qt::LeftButton);
}

// Stored answers keyed by item in hexadecimal ("2B").
inline void storeAnswers(SimPrinter &printer, const QVariantMap &answers)
{
    for (auto it = answers.begin(); it != answers.end(); ++it)
        printer.setValue(quint8(it.key().toUInt(nullptr, 16)), it.value().toByteArray());
}

// The frames the printer received, rebuilt byte for byte, once `count` of them arrived
// and nothing but whole frames came since `before` (each length byte matched its data).
inline QList<QByteArray> settledFrames(SimPrinter &printer, int count, qint64 before)
{
    QList<QByteArray> frames;
    const auto settled = [&] {
        frames.clear();
        qint64 total = 0;
        for (const ReceivedFrame &f : printer.receivedFrames()) {
            frames << frame::build(f.frameClass, f.item, f.data);
            total += frames.last().size();
        }
        return frames.size() == count && printer.bytesReceived() - before == total;
    };
    if (!QTest::qWaitFor(settled, 3000))
        return {QByteArray("not settled")};
    QTest::qWait(50);
    settled();
    return frames;
}

// Arguments `first`..`last` of the first signal recorded, as texts; none when none came.
inline QStringList firstArgs(const QSignalSpy &spy, int first, int last)
{
    QStringList out;
    for (int i = first; !spy.isEmpty() && i <= last; ++i)
        out << spy.at(0).at(i).toString();
    return out;
}
