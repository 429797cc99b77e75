// Clean-up of the numeric boxes when the user leaves them: a decimal one with range
// and tip for the label size, an integer one for the distance, offset and port boxes.
#include "app/mainwindow.h"

#include "settings/labelsizestore.h"
#include "settings/pagefields.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <cmath>

namespace {

void setTextQuietly(QLineEdit *edit, const QString &text)
{
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

bool hasAsciiDigit(const QString &s)
{
    for (QChar c : s) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return true;
    }
    return false;
}

// Normalises a typed decimal: full-width punctuation, grouping characters, and a
// decimal comma (European style) or a thousands comma (English style).
bool parseTypedDecimal(const QString &raw, double *value)
{
    QString s = raw;
    s.replace(QChar(0xFF0C), QLatin1Char(','));
    s.replace(QChar(0x3002), QLatin1Char('.'));
    s.replace(QChar(0xFF0E), QLatin1Char('.'));
    s.replace(QChar(0xFF0D), QLatin1Char('-'));
    s.remove(QLatin1Char(' '));
    s.remove(QLatin1Char('\''));
    s.remove(QLatin1Char('_'));
    while (!s.isEmpty()) {
        const QChar last = s.at(s.size() - 1);
        if (last.isDigit() || last == QLatin1Char('.') || last == QLatin1Char(','))
            break;
        s.chop(1);
    }
    if (!hasAsciiDigit(s))
        return false;

    const int dot = s.indexOf(QLatin1Char('.'));
    const int comma = s.indexOf(QLatin1Char(','));
    bool commaIsDecimal = false;
    if (dot >= 0 && comma >= 0)
        commaIsDecimal = dot < comma;
    else if (comma >= 0) {
        const int following = s.size() - comma - 1;
        commaIsDecimal = following == 1 || following == 2;
    }
    QString t = s;
    if (commaIsDecimal) {
        t.remove(QLatin1Char('.'));
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    } else {
        t.remove(QLatin1Char(','));
    }
    bool ok = false;
    *value = t.toDouble(&ok);
    return ok && std::isfinite(*value);
}

} // namespace

void MainWindow::fixLineEditWithTip(QLineEdit *edit, const QString &tip, double min, double max)
{
    if (!lastValidDecimal.contains(edit)) {
        double start = 0.0;
        if (edit == ui->lineEdit)
            start = labelsize::storedWidth();
        else if (edit == ui->lineEdit_2)
            start = labelsize::storedHeight();
        lastValidDecimal.insert(edit, start);
    }

    const QString raw = edit->text().trimmed();
    qDebug() << "========== DEBUG fixLineEditWithTip ==========";
    qDebug() << "Raw input:" << raw;

    double value = 0.0;
    if (!parseTypedDecimal(raw, &value)) {
        showInputTip(edit, tip);
        setTextQuietly(edit, QString::number(lastValidDecimal.value(edit), 'f', 1));
        return;
    }

    bool clamped = false;
    if (value < min) {
        value = min;
        clamped = true;
    } else if (value > max) {
        value = max;
        clamped = true;
    }
    const double rounded = std::floor(value * 10.0 + 0.5) / 10.0;
    const QString text = rounded == std::floor(rounded) ? QString::number(qint64(rounded))
                                                        : QString::number(rounded, 'f', 1);
    if (text != raw)
        setTextQuietly(edit, text);
    lastValidDecimal.insert(edit, rounded);
    if (clamped)
        showInputTip(edit, tip);
    qDebug() << "[Result] Final string:" << text;
    qDebug() << "==============================================";
}

void MainWindow::fixIntLineEdit(QLineEdit *edit)
{
    pagefields::fixWholeNumber(edit);
}

void MainWindow::showInputTip(QLineEdit *edit, const QString &tip)
{
    if (tipLabel) {
        tipLabel->deleteLater();
        tipLabel = nullptr;
    }
    tipLabel = new QLabel(tip, nullptr, Qt::ToolTip);
    tipLabel->setAttribute(Qt::WA_ShowWithoutActivating);
    tipLabel->setStyleSheet(QStringLiteral(
        "background-color: yellow; color: black; border: 1px solid gray; padding: 2px;"));
    tipLabel->adjustSize();
    tipLabel->move(edit->mapToGlobal(QPoint(0, edit->height())));
    tipLabel->show();
    QTimer::singleShot(3000, this, [this] {
        delete tipLabel;
        tipLabel = nullptr;
    });
}
