// Every button, check box and menu entry a window shows at one time has a keyboard
// accelerator of its own, in every language: the mnemonic of its caption, or a shortcut
// given to it where its caption stays as it is. A window's parts are looked at page by
// page (each tab, each section), since what is hidden does not take its keys.
#include "gui/widgets/cutdialog.h"
#include "gui/fleet/fleetwindow.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/startup.h"
#include "messagerecorder.h"
#include "gui/provisioning/distributenet.h"
#include "core/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QToolBox>
#include <QTranslator>
#include <QtTest>

namespace {

struct Entry
{
    QString name;
    QString text;
    QKeySequence key;
};

// The accelerator a button or action answers to: its own shortcut (the mnemonic of its
// caption sets it), else a shortcut object attached to it.
QKeySequence keyOf(QObject *o)
{
    QKeySequence key;
    if (auto *b = qobject_cast<QAbstractButton *>(o))
        key = b->shortcut();
    else if (auto *a = qobject_cast<QAction *>(o))
        key = a->shortcut().isEmpty() ? QKeySequence::mnemonic(a->text()) : a->shortcut();
    if (key.isEmpty())
        for (QShortcut *s : o->findChildren<QShortcut *>(QString(), Qt::FindDirectChildrenOnly))
            if (s->isEnabled())
                key = s->key();
    return key;
}

QString nameOf(QObject *o)
{
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                     : o->objectName();
}

// What `window` shows now: its buttons and check boxes (not the parts of lists and
// tool boxes, nor the standard buttons of a dialog's button row, which answer to Enter
// and Esc).
QList<Entry> shown(QWidget *window)
{
    QList<Entry> out;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (!b->isVisibleTo(window) || b->window() != window)
            continue;
        if (qobject_cast<QDialogButtonBox *>(b->parentWidget()) ||
            qobject_cast<QToolBox *>(b->parentWidget()) ||
            QByteArray(b->metaObject()->className()).startsWith("QTabBar") ||
            b->inherits("QLineEditIconButton") || b->objectName().startsWith("qt_"))
            continue;
        if (QByteArray(b->parentWidget()->metaObject()->className()) == "QTabBar" ||
            qobject_cast<QAbstractItemView *>(b->parentWidget()) ||
            b->parentWidget()->inherits("QTableCornerButton"))
            continue;
        if (b->inherits("QTableCornerButton"))
            continue;
        out.append({nameOf(b), b->text(), keyOf(b)});
    }
    return out;
}

QStringList problems(const QString &scope, const QList<Entry> &entries)
{
    QStringList found;
    QHash<QKeySequence, QString> owner;
    for (const Entry &e : entries) {
        if (e.key.isEmpty()) {
            found << QStringLiteral("%1: %2 \"%3\" has no accelerator").arg(scope, e.name, e.text);
            continue;
        }
        if (owner.contains(e.key))
            found << QStringLiteral("%1: %2 \"%3\" and %4 share %5")
                         .arg(scope, e.name, e.text, owner.value(e.key),
                              e.key.toString(QKeySequence::PortableText));
        owner.insert(e.key, e.name + QStringLiteral(" \"") + e.text + QLatin1Char('"'));
    }
    return found;
}

// A tab-separated list of what was seen, for the translators' tool.
void dump(const QString &language, const QString &window, const QString &scope,
          const QList<Entry> &entries)
{
    const QString path = qEnvironmentVariable("ACCELERATOR_DUMP");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    for (const Entry &e : entries)
        file.write(QStringList({language, window, scope, e.name, e.text,
                                e.key.toString(QKeySequence::PortableText)})
                       .join(QLatin1Char('\t'))
                       .toUtf8() +
                   '\n');
}

} // namespace

class TestAccelerators : public QObject
{
    Q_OBJECT

    QList<QTranslator *> installed;

    void useLanguage(const QString &language)
    {
        for (QTranslator *t : installed) {
            qApp->removeTranslator(t);
            delete t;
        }
        installed.clear();
        if (language == QLatin1String("zh_CN"))
            return;
        auto *t = new QTranslator;
        QVERIFY(t->load(QStringLiteral(":/translations/language_%1.qm").arg(language)));
        qApp->installTranslator(t);
        installed << t;
    }

private slots:
    void initTestCase() { initTranslationResources(); }

    void uniquePerWindowAndLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *l : {"zh_CN", "zh_TW", "en", "de", "fr", "nl", "pt_BR"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void uniquePerWindowAndLanguage()
    {
        QFETCH(QString, language);
        useLanguage(language);
        MessageRecorder recorder;
        QStringList found;
        {
            MainWindow window;
            auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget_2"));
            auto *sections = window.findChild<QToolBox *>(QStringLiteral("toolBox_PrinterSetting"));
            for (int t = 0; t < tabs->count(); ++t) {
                tabs->setCurrentIndex(t);
                const int pages = tabs->widget(t)->isAncestorOf(sections) ? sections->count() : 1;
                for (int p = 0; p < pages; ++p) {
                    if (pages > 1)
                        sections->setCurrentIndex(p);
                    const QString scope =
                        pages > 1
                            ? QStringLiteral("%1/%2").arg(tabs->tabText(t), sections->itemText(p))
                            : tabs->tabText(t);
                    const QList<Entry> entries = shown(&window);
                    dump(language, "MainWindow", scope, entries);
                    found << problems(scope, entries);
                }
            }
        }
        {
            FleetWindow fleet;
            QList<Entry> entries = shown(&fleet);
            dump(language, "FleetWindow", "window", entries);
            found << problems(QStringLiteral("FleetWindow"), entries);
            // The row actions: the menu key on the table.
            fleet.addPrinters({});
            auto *table = fleet.findChild<QTableView *>(QStringLiteral("tableView_Fleet"));
            QTest::keyClick(table, Qt::Key_Menu);
            QList<Entry> actions;
            if (auto *menu = fleet.findChild<QMenu *>(QStringLiteral("menu_FleetRow"))) {
                for (QAction *a : menu->actions())
                    actions.append({a->objectName(), a->text(), keyOf(a)});
                menu->close();
            }
            QVERIFY(!actions.isEmpty());
            dump(language, "FleetWindow", "menu", actions);
            found << problems(QStringLiteral("FleetWindow menu"), actions);
        }
        {
            DistributeNet wifi;
            const QList<Entry> entries = shown(&wifi);
            dump(language, "DistributeNet", "window", entries);
            found << problems(QStringLiteral("DistributeNet"), entries);
        }
        {
            CutDialog cut(nullptr);
            const QList<Entry> entries = shown(&cut);
            dump(language, "CutDialog", "window", entries);
            found << problems(QStringLiteral("CutDialog"), entries);
        }
        for (const QString &f : found)
            qWarning().noquote() << f;
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 problems").arg(found.size())));
    }

    void cleanupTestCase() { useLanguage(QStringLiteral("zh_CN")); }
};

QTEST_MAIN(TestAccelerators)
#include "tst_accelerators.moc"
