#include "cli/output.h"

#include <QJsonDocument>
#include <cstdio>

void Output::line(const QString &text)
{
    if (!m_json)
        std::fprintf(stdout, "%s\n", text.toUtf8().constData());
}

void Output::set(const QString &key, const QJsonValue &value)
{
    m_object.insert(key, value);
}

void Output::error(const QString &text)
{
    std::fprintf(stderr, "labelsetup-cli: %s\n", text.toUtf8().constData());
    if (m_json)
        m_object.insert(QStringLiteral("error"), text);
}

void Output::finish(int exitCode)
{
    if (!m_json)
        return;
    m_object.insert(QStringLiteral("exitCode"), exitCode);
    std::fputs(QJsonDocument(m_object).toJson(QJsonDocument::Indented).constData(), stdout);
    std::fflush(stdout);
}
