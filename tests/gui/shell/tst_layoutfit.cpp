// The window on a small screen in every language: it fits 1024x700, every page is
// visited, and no label, button, tab or check box shows less than its whole text or
// lies outside the window. Pages scroll vertically only.
#include "gui/shell/demomode.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/startup.h"
#include "idlewait.h"
#include "messagerecorder.h"
#include "core/language.h"
#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>
#include <QToolBox>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

const QSize kSmallScreen(1024, 700);

QString shownText(QString text)
{
    // A single "&" marks a shortcut and takes no room; "&&" shows one.
    text.replace(QLatin1String("&&"), QString(QChar(0xE000)));
    text.remove(QLatin1Char('&'));
    return text.replace(QChar(0xE000), QLatin1Char('&'));
}

QString name(const QWidget *w)
{
    QString path = w->objectName();
    for (const QWidget *p = w->parentWidget(); path.isEmpty() && p; p = p->parentWidget())
        path = QStringLiteral("in ") + p->objectName();
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), path);
}

// The width the whole text needs, or -1 for a widget the check does not cover.
int neededWidth(const QWidget *w)
{
    const QFontMetrics fm(w->font());
    const QStyle *style = w->style();
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->text().isEmpty() || label->wordWrap())
            return -1;
        QString text = label->text();
        if (label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument doc;
            doc.setHtml(text);
            text = doc.toPlainText();
        }
        if (label->buddy())
            text = shownText(text);
        return fm.size(0, text).width() + 2 * label->margin() + qMax(0, label->indent());
    }
    const auto *button = qobject_cast<const QAbstractButton *>(w);
    if (!button || button->text().isEmpty())
        return -1;
    const int text = fm.size(Qt::TextShowMnemonic, button->text()).width();
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    if (qobject_cast<const QCheckBox *>(w))
        return style->pixelMetric(QStyle::PM_IndicatorWidth) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + icon + text;
    if (qobject_cast<const QRadioButton *>(w))
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + icon + text;
    if (qobject_cast<const QPushButton *>(w))
        return style->pixelMetric(QStyle::PM_ButtonMargin) +
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) + icon + text;
    if (const auto *tool = qobject_cast<const QToolButton *>(w)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return -1;
        return text + icon + 6;
    }
    return w->sizeHint().width(); // the tool box's section headers
}

// Where `w` is cut: by an ancestor that does not scroll, or sideways by one that does.
QString clipping(const QWidget *w, const QWidget *window)
{
    QRect r = w->rect();
    for (const QWidget *cur = w; cur != window; cur = cur->parentWidget()) {
        const QWidget *parent = cur->parentWidget();
        r.translate(cur->pos());
        const auto *area = qobject_cast<const QAbstractScrollArea *>(parent->parentWidget());
        const bool scrolls = area && area->viewport() == parent;
        if (r.left() < 0 || r.right() >= parent->width())
            return QStringLiteral("cut sideways by ") + name(parent);
        if (!scrolls && (r.top() < 0 || r.bottom() >= parent->height()))
            return QStringLiteral("cut by ") + name(parent);
        r &= parent->rect();
        if (r.isEmpty())
            return QString(); // scrolled out of view
    }
    return QString();
}

// Counts the layout requests of the whole application while it lives.
class LayoutRequests : public QObject
{
public:
    LayoutRequests() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::LayoutRequest;
        return false;
    }
    int count = 0;
};

} // namespace

class TestLayoutFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTranslationResources(); }
    void fitsEveryLanguage_data();
    void fitsEveryLanguage();

private:
    static QStringList problems(const QWidget *window);
};

void TestLayoutFit::fitsEveryLanguage_data()
{
    QTest::addColumn<QString>("argument"); // as given on the command line; none is zh_CN
    for (const char *lang : {"", "zh_TW", "en", "de", "fr", "nl", "pt_BR"})
        QTest::newRow(*lang ? lang : "zh_CN") << QString::fromLatin1(lang);
}

QStringList TestLayoutFit::problems(const QWidget *window)
{
    QStringList out;
    QList<const QWidget *> cut; // their children are not reported again
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        const QString where = clipping(w, window);
        const auto inCut = [&cut](const QWidget *c) {
            for (; c; c = c->parentWidget())
                if (cut.contains(c))
                    return true;
            return false;
        };
        if (!where.isEmpty() && !inCut(w)) {
            out << name(w) + QStringLiteral(": ") + where;
            cut << w;
        }
        const int needed = neededWidth(w);
        if (needed > w->contentsRect().width())
            out << QStringLiteral("%1: text needs %2 px, has %3")
                       .arg(name(w))
                       .arg(needed)
                       .arg(w->contentsRect().width());
        if (const auto *label = qobject_cast<const QLabel *>(w);
            label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            out << name(w) + QStringLiteral(": wrapped text taller than the label");
        if (const auto *bar = qobject_cast<const QTabBar *>(w);
            bar && bar->sizeHint().width() > bar->width())
            out << QStringLiteral("%1: tabs need %2 px, have %3")
                       .arg(name(w))
                       .arg(bar->sizeHint().width())
                       .arg(bar->width());
        if (const auto *area = qobject_cast<const QAbstractScrollArea *>(w);
            area && area->horizontalScrollBar()->isVisible())
            out << name(w) + QStringLiteral(": scrolls sideways");
    }
    return out;
}

void TestLayoutFit::fitsEveryLanguage()
{
    QFETCH(QString, argument);
    for (QTranslator *old : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const LanguageChoice choice =
        chooseLanguage(argument.isEmpty() ? QStringList() : QStringList{argument},
                       QLocale(QLocale::Chinese, QLocale::China));
    installTranslations(*qApp, choice);
    QFont font(QString::fromUtf8(kApplicationFontFamily));
    font.setPointSize(choice.fontPointSize);
    QApplication::setFont(font);
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();

    const MessageRecorder recorder;
    MainWindow window;
    QStringList found, seen; // what is on every page is reported once
    // The first start opens no larger than the screen, unless the window cannot be that
    // small; it can always be as small as the smallest screen it is made for.
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    if (minimum.width() > kSmallScreen.width() || minimum.height() > kSmallScreen.height())
        found << QStringLiteral("minimum size %1x%2").arg(minimum.width()).arg(minimum.height());
    const QSize available = QGuiApplication::primaryScreen()->availableSize();
    QVERIFY(window.width() <= qMax(available.width(), minimum.width()));
    QVERIFY(window.height() <= qMax(available.height(), minimum.height()));

    window.resize(kSmallScreen);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (window.size() != kSmallScreen)
        found << QStringLiteral("shown at %1x%2").arg(window.width()).arg(window.height());
    // Connected, the status bar and the device list hold their longest texts.
    DemoPrinter demo;
    QVERIFY(demo.start());
    demo.prepareWindow(window);
    for (const char *button : {"pushButton_getList", "pushButton_open"}) {
        QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
        QVERIFY(waitIdle(&window));
    }
    QVERIFY(window.isDeviceOpen());

    const auto visit = [&](const QString &page) {
        for (int pass = 0; pass < 3; ++pass) // wrapped labels settle in a few layout passes
            QCoreApplication::processEvents();
        for (const QString &problem : problems(&window)) {
            if (!seen.contains(problem))
                found << page + QStringLiteral(": ") + problem;
            seen << problem;
        }
    };
    // The connection panel is always in view.
    for (const QWidget *p = &window.connectionPanel(); p; p = p->parentWidget()) {
        if (const auto *area = qobject_cast<const QAbstractScrollArea *>(p);
            area && area->verticalScrollBar()->isVisible())
            found << QStringLiteral("the connection panel scrolls");
    }
    QTabWidget *tabs = window.ui->tabWidget_2;
    QToolBox *sections = window.ui->toolBox_PrinterSetting;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        if (tabs->widget(tab) != window.ui->tab_PrinterSetting) {
            visit(tabs->tabText(tab));
            continue;
        }
        for (int section = 0; section < sections->count(); ++section) {
            sections->setCurrentIndex(section);
            visit(sections->itemText(section));
        }
    }
    // The fleet window, opened from the panel, fits the same screen with its texts whole.
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton_Fleet")),
                      Qt::LeftButton);
    auto *fleet = window.findChild<QWidget *>(QStringLiteral("FleetWindow"));
    QVERIFY(fleet);
    const QSize fleetMinimum = fleet->minimumSizeHint().expandedTo(fleet->minimumSize());
    if (fleetMinimum.width() > kSmallScreen.width() ||
        fleetMinimum.height() > kSmallScreen.height())
        found << QStringLiteral("fleet window minimum size %1x%2")
                     .arg(fleetMinimum.width())
                     .arg(fleetMinimum.height());
    fleet->resize(kSmallScreen);
    QVERIFY(QTest::qWaitForWindowExposed(fleet));
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
    for (const QString &problem : problems(fleet))
        found << QStringLiteral("fleet window: ") + problem;
    fleet->close();
    // Settled: arranging the pages for the width starts no endless round of layouts.
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::processEvents();
    LayoutRequests requests;
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::processEvents();
    if (requests.count > 0)
        found << QStringLiteral("%1 layout requests while nothing changes").arg(requests.count);
    for (const QString &problem : qAsConst(found))
        qWarning().noquote() << problem;
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 problems").arg(found.size())));
}

QTEST_MAIN(TestLayoutFit)
#include "tst_layoutfit.moc"
