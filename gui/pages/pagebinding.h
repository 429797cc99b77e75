#pragma once

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class PageHost;
class QWidget;

// A settings page's widgets bound to the rows of its settings by object name: a row's
// widget shows its value and gives it back for a write, and the table's check judges it
// before anything is sent. A page class keeps only what is its own.
class PageBinding
{
public:
    PageBinding(QWidget *page, const QString &pageName);

    // Shows `values`, as read from the printer, in their widgets; a setting not given
    // keeps its widget as it is. A list answer no entry has shows the list as unknown and
    // is kept for a frame that carries it with other settings.
    void show(const QJsonObject &values);

    // The widgets' values by setting key, as a write sends them (read-only ones too). A
    // list showing no entry gives the kept answer, or nothing; a number box holding no
    // number gives its text, which the check refuses.
    QJsonObject values() const;

    // Checks `keys` of `values` with the table's check for a printer of `dotsPerMm`; the
    // first one refused is named to the user with the page's label and the range it
    // must keep. A number box that still shows what the last read put there goes back as
    // the printer reported it: it is held only to what its field can store, not to the
    // range a person may type. True when all pass.
    bool accept(PageHost &host, const QJsonObject &values, const QStringList &keys,
                int dotsPerMm) const;

private:
    QWidget *m_page;
    QString m_name;
    QHash<QString, QString>
        m_textAsRead; // number boxes' texts by key, as the last read showed them
};
