#pragma once
// What the page tests against the simulated printer share: the frames it received, pages filled and
// read back by widget name, and a click on a page's button.
#include "sim/simprinter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QVariantMap>
#include <QtTest>

inline QByteArray hexBytes(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// "CC II: DD DD" for each frame, so that a mismatch shows where a batch differs.
inline QStringList describeFrames(const SimPrinter &printer)
{
    QStringList out;
    for (const ReceivedFrame &f : printer.receivedFrames())
        out << QStringLiteral("%1 %2: %3")
                   .arg(int(f.frameClass), 2, 16, QLatin1Char('0'))
                   .arg(int(f.item), 2, 16, QLatin1Char('0'))
                   .arg(QString::fromLatin1(f.data.toHex(' ')))
                   .toUpper();
    return out;
}

// Clicks a page's button, enabled first as a read would have left it.
inline void clickEnabled(QWidget &page, const char *button)
{
    auto *b = page.findChild<QPushButton *>(button);
    b->setEnabled(true);
    QTest::mouseClick(b, Qt::LeftButton);
}

inline void click(QWidget *page, const QString &button)
{
    QTest::mouseClick(page->findChild<QPushButton *>(button), Qt::LeftButton);
}

inline const QStringList kSuccess{QStringLiteral("处理成功")};
inline const QString kOk = QStringLiteral("处理成功");
inline const QString kNetworkError = QStringLiteral("网络通讯出错，请重试");

// The refusal of a value outside what the printer can store.
inline QString refusal(const char *field, const char *range)
{
    return QString::fromUtf8(field) + QStringLiteral("：输入无效，允许范围为 ") +
           QString::fromUtf8(range);
}

// "a;b;c" as a list; none when empty.
inline QStringList fields(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char(';'));
}

// Widgets by name: "name=text" fills a line edit or, with a number, selects a combo box
// entry, and reads back as the text shown ("#" and the index for "=#n", "?" and the
// placeholder when none is selected); "name" alone stands for enabled, "!name" for disabled.
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

inline QStringList shown(QWidget *page, const QStringList &expected)
{
    QStringList out;
    for (const QString &field : expected) {
        const QString name = field.section(QLatin1Char('='), 0, 0).remove(QLatin1Char('!'));
        if (!field.contains(QLatin1Char('='))) {
            out << (page->findChild<QWidget *>(name)->isEnabled() ? name : '!' + name);
            continue;
        }
        const auto *box = page->findChild<QComboBox *>(name);
        const auto *edit = page->findChild<QLineEdit *>(name);
        const QString value = field.section(QLatin1Char('='), 1);
        out << name + '=' +
                   (box && value.startsWith('#')     ? '#' + QString::number(box->currentIndex())
                    : box && box->currentIndex() < 0 ? '?' + box->placeholderText()
                    : box                            ? box->currentText()
                    : edit                           ? edit->text()
                                                     : page->findChild<QLabel *>(name)->text());
    }
    return out;
}

// Stored answers keyed by item in hexadecimal ("2B").
inline void storeAnswers(SimPrinter &printer, const QVariantMap &answers)
{
    for (auto it = answers.begin(); it != answers.end(); ++it)
        printer.setValue(quint8(it.key().toUInt(nullptr, 16)), it.value().toByteArray());
}

// The items received, in order: "2B 2C 2F".
inline QString itemsReceived(const SimPrinter &printer)
{
    return describeFrames(printer)
        .replaceInStrings(QRegularExpression("^.. (..):.*"), "\\1")
        .join(' ');
}

// Reads `page` through its "pushButton_<page>SettingRead" with `silentItem` left unanswered
// (-1: none), its set button enabled as an earlier printer's read left it, and checks the
// message and fields shown ("message;name=value;...") and, when given, the items queried.
template <typename Fixture>
void readPage(Fixture &f, QWidget *w, const QString &page, int silentItem, const QString &read,
              const QString &queried)
{
    w->findChild<QPushButton *>("pushButton_" + page + "SettingSet")->setEnabled(true);
    if (silentItem >= 0)
        f.printer->setSilentItems({quint8(silentItem)});
    click(w, "pushButton_" + page + "SettingRead");
    QVERIFY(f.settle());
    const QStringList expected = fields(read);
    QCOMPARE(f.recorder->texts(), expected.mid(0, 1));
    QCOMPARE(shown(w, expected.mid(1)), expected.mid(1));
    if (!queried.isEmpty())
        QCOMPARE(itemsReceived(*f.printer), queried);
    QVERIFY(f.host->controlsEnabled);
}
