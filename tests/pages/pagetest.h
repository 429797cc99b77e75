#pragma once
// What the page tests against the simulated printer share: the frames it received, and a click on a
// page's button.
#include "sim/simprinter.h"

#include <QPushButton>
#include <QStringList>
#include <QtTest>

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

inline const QStringList kSuccess{QStringLiteral("处理成功")};
