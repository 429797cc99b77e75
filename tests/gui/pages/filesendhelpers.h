#pragma once

#include "gui/console/consolepage.h"
#include "gui/download/downloadpanel.h"
#include "gui/download/filesends.h"
#include "common/encryptedfile.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <memory>

// The download panel and the console sharing the window's file sends, built on an open
// session and a stand-in host whose worker runs their jobs.
struct FilePages
{
    FilePages(PrinterSession &session, PageHost &host)
        : sends(host), download(session, host, sends), console(session, host, sends)
    {
        QObject::connect(&download, &DownloadPanel::fileLogged, &console,
                         [this](const QString &text) { console.appendLine(QString(), text); });
    }
    template <typename T = QWidget> T *widget(const char *name) const
    {
        T *w = download.findChild<T *>(QLatin1String(name));
        return w ? w : console.findChild<T *>(QLatin1String(name));
    }
    void click(const char *name) const { widget<QAbstractButton>(name)->click(); }
    // The message area's lines without their time stamps; a line without one starts "+".
    QStringList lines() const
    {
        static const QRegularExpression stamp(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\]"));
        QStringList out;
        const QString text = widget<QTextBrowser>("textBrowser_Debug")->toPlainText();
        for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            out << (line.contains(stamp) ? QString(line).remove(stamp) : '+' + line);
        return out;
    }

    FileSends sends;
    DownloadPanel download;
    ConsolePage console;
};
