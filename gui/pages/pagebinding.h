#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class PageHost;
class PrinterSession;
class QAbstractButton;
class QWidget;
namespace settingsengine {
struct ReadResult;
}

// A settings page's widgets bound to the rows of its settings by key (the widget of each
// is in settingwidgets): a row's widget shows its value and gives it back for a write,
// and the table's check judges it before anything is sent. The read and set buttons of
// every page run the same course here; a page class keeps only what is its own. The
// exchanges run as a job on the printer's worker; what the widgets give and show is taken
// before it starts and shown once it has finished.
class PageBinding
{
    Q_DECLARE_TR_FUNCTIONS(PageBinding)

public:
    PageBinding(QWidget *page, const QString &pageName, PrinterSession &session, PageHost &host);

    // What a page's read button does beyond the shared course: the open check, the
    // widgets at rest during the exchange, the read, the widgets filled, the result
    // reported, and the page's set button on after a complete read. A cancelled read
    // fills nothing and leaves the page unread; the status line says how far it came.
    struct Read
    {
        // The widgets rest before the open check, and come back when it fails; otherwise
        // they rest only once a printer is known to be open.
        bool restFirst = true;
        // After the open check, before anything is asked; false ends the read there.
        std::function<bool()> proceed;
        // Shows what was read instead of show().
        std::function<void(const QJsonObject &read, const settingsengine::ReadResult &result)> show;
        // After a complete read: whether the set button may come on.
        std::function<bool()> completed;
    };
    void read(QAbstractButton *setButton, const Read &course);
    void read(QAbstractButton *setButton);

    // What a page's set button does beyond the shared course: the open check, the
    // widgets' values checked, the write, the result reported.
    struct Write
    {
        // What the printer is known to have, for a page that sends only changes.
        std::function<QJsonObject(const QJsonObject &values)> known;
        // The page's own checks of the settings about to be sent, before the table's.
        std::function<bool(const QStringList &keys)> check;
        // After every check, before anything is sent; false sends nothing.
        std::function<bool()> proceed;
        // After a write that succeeded, with the items sent; on the window's thread once
        // the write's job has finished.
        std::function<void(const QList<uint8_t> &sent)> succeeded;
        // The result handler reports a write that succeeded too.
        bool reportSuccess = true;
    };
    void write(const Write &course);
    void write();

    // Shows `values`, as read from the printer, in their widgets; a setting not given
    // keeps its widget as it is. A list answer no entry has shows the list as unknown and
    // is kept for a frame that carries it with other settings.
    void show(const QJsonObject &values);

    // The widgets' values by setting key, as a write sends them (read-only ones too). A
    // list showing no entry gives the kept answer, or nothing; a number box holding no
    // number gives its text, which the check refuses.
    QJsonObject values() const;

private:
    // Checks `keys` of `values` with the table's check for the open printer; the first
    // one refused is named to the user with the range it must keep. A number box that
    // still shows what the last read put there goes back as the printer reported it: it
    // is held only to what its field can store, not to the range a person may type.
    // True when all pass.
    bool accept(const QJsonObject &values, const QStringList &keys) const;
    QWidget *widgetOf(const QString &key) const;

    QWidget *m_page;
    QString m_name;
    PrinterSession &m_session;
    PageHost &m_host;
    QHash<QString, QString>
        m_textAsRead; // number boxes' texts by key, as the last read showed them
    QJsonObject m_read; // the values the last read gave: a write's journal says "from" them
};
