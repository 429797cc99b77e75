#include "cli/output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

QString printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const ushort u = ch.unicode();
        if ((u < 0x20 && u != '\n') || (u >= 0x7f && u < 0xa0))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            out += ch;
    }
    return out;
}

void Output::line(const QString &text)
{
    if (m_form == Form::Text)
        std::fprintf(stdout, "%s\n", printable(text).toUtf8().constData());
}

void Output::record(const QJsonObject &object)
{
    if (m_form != Form::JsonLines)
        return;
    std::fprintf(stdout, "%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout); // a reader acts on each printer as it finishes
}

void Output::set(const QString &key, const QJsonValue &value)
{
    m_object.insert(key, value);
}

void Output::error(const QString &text)
{
    std::fprintf(stderr, "labelsetup-cli: %s\n", printable(text).toUtf8().constData());
    if (json())
        m_object.insert(QStringLiteral("error"), text);
}

void Output::warning(const QString &text)
{
    std::fprintf(stderr, "labelsetup-cli: warning: %s\n", text.toUtf8().constData());
    if (json()) {
        QJsonArray warnings = m_object.value(QStringLiteral("warnings")).toArray();
        warnings.append(text);
        m_object.insert(QStringLiteral("warnings"), warnings);
    }
}

void Output::finish(int exitCode)
{
    if (m_form == Form::Text)
        return;
    m_object.insert(QStringLiteral("exitCode"), exitCode);
    m_object.insert(QStringLiteral("code"), exitCodeName(exitCode));
    if (m_form == Form::JsonLines)
        m_object.insert(QStringLiteral("summary"), true);
    std::fputs(QJsonDocument(m_object)
                   .toJson(m_form == Form::Json ? QJsonDocument::Indented : QJsonDocument::Compact)
                   .constData(),
               stdout);
    if (m_form == Form::JsonLines)
        std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString exitCodeName(int exitCode)
{
    switch (exitCode) {
    case ExitOk:
        return QStringLiteral("ok");
    case ExitUsage:
        return QStringLiteral("usage");
    case ExitNoPrinter:
        return QStringLiteral("no-printer");
    case ExitRefused:
        return QStringLiteral("refused");
    case ExitDifference:
        return QStringLiteral("difference");
    case ExitBadFile:
        return QStringLiteral("bad-file");
    case ExitUnchanged:
        return QStringLiteral("version-unchanged");
    case ExitInterrupted:
        return QStringLiteral("interrupted");
    case ExitTerminated:
        return QStringLiteral("terminated");
    default:
        return QStringLiteral("failed");
    }
}
