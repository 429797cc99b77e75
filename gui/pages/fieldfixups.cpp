#include "gui/pages/fieldfixups.h"

#include <QDebug>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVariant>
#include <cmath>

namespace fieldfixups {

namespace {

const char kLastDecimal[] = "lastValidDecimal";
const char kLastInteger[] = "lastValidInt";

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

bool fixDecimal(QLineEdit *edit, double min, double max, double start)
{
    const QVariant last = edit->property(kLastDecimal);
    const double lastValid = last.isValid() ? last.toDouble() : start;

    const QString raw = edit->text().trimmed();
    qDebug() << "========== DEBUG fixLineEditWithTip ==========";
    qDebug() << "Raw input:" << raw;

    double value = 0.0;
    if (!parseTypedDecimal(raw, &value)) {
        setTextQuietly(edit, QString::number(lastValid, 'f', 1));
        edit->setProperty(kLastDecimal, lastValid);
        return true;
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
    edit->setProperty(kLastDecimal, rounded);
    qDebug() << "[Result] Final string:" << text;
    qDebug() << "==============================================";
    return clamped;
}

void fixInteger(QLineEdit *edit)
{
    const int lastValid = edit->property(kLastInteger).toInt();
    const QString raw = edit->text().trimmed();
    QString s;
    for (QChar c : raw) {
        if (c == QLatin1Char('-') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            s.append(c);
    }
    const int minus = s.indexOf(QLatin1Char('-'));
    if (minus > 0)
        s.remove(minus, 1);

    bool ok = false;
    const int value = (s.isEmpty() || s == QLatin1String("-")) ? 0 : s.toInt(&ok, 10);
    if (!ok) {
        setTextQuietly(edit, QString::number(lastValid));
        return;
    }
    const QString text = QString::number(value);
    if (text != raw)
        setTextQuietly(edit, text);
    edit->setProperty(kLastInteger, value);
}

void attachInteger(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit] { fixInteger(edit); });
}

} // namespace fieldfixups
