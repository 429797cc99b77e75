#include "gui/widgets/keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTextEdit>
#include <QToolBox>

namespace keyboard {
namespace {

void collectStops(QWidget *w, QList<QWidget *> *stops)
{
    for (QObject *child : w->children()) {
        auto *c = qobject_cast<QWidget *>(child);
        if (!c || c->isWindow())
            continue;
        if (c->focusPolicy() & Qt::TabFocus) {
            *stops << c;
            // Their inner parts are theirs to move between.
            if (qobject_cast<QComboBox *>(c) || qobject_cast<QAbstractSpinBox *>(c) ||
                qobject_cast<QAbstractScrollArea *>(c))
                continue;
        }
        collectStops(c, stops);
    }
}

// Moves the focus among a tool box's section headers.
class SectionKeys : public QObject
{
public:
    SectionKeys(QToolBox *box, QList<QAbstractButton *> headers)
        : QObject(box), m_headers(std::move(headers))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const int at = m_headers.indexOf(qobject_cast<QAbstractButton *>(watched));
        if (at < 0 || event->type() != QEvent::KeyPress)
            return false;
        const int last = m_headers.size() - 1;
        int to = -1;
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            to = at > 0 ? at - 1 : last;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            to = at < last ? at + 1 : 0;
            break;
        case Qt::Key_Home:
            to = 0;
            break;
        case Qt::Key_End:
            to = last;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m_headers.at(at)->click();
            return true;
        default:
            return false;
        }
        m_headers.at(to)->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QList<QAbstractButton *> m_headers;
};

bool isInput(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QProgressBar *>(w);
}

QString labelText(const QLabel *label)
{
    QString text = label->text().trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)))
        text.chop(1);
    return text.remove(QLatin1Char('&')).trimmed();
}

// The label in front of `w` in the form or grid that holds it.
const QLabel *besideLabel(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    if (!parent)
        return nullptr;
    for (QLayout *layout : parent->findChildren<QLayout *>()) {
        if (layout->indexOf(const_cast<QWidget *>(w)) < 0)
            continue;
        if (auto *form = qobject_cast<QFormLayout *>(layout))
            return qobject_cast<const QLabel *>(form->labelForField(const_cast<QWidget *>(w)));
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(grid->indexOf(const_cast<QWidget *>(w)), &row, &column, &rows,
                                  &columns);
            QLayoutItem *item = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
            return item ? qobject_cast<const QLabel *>(item->widget()) : nullptr;
        }
    }
    return nullptr;
}

} // namespace

QList<QWidget *> tabStops(QWidget *root)
{
    QList<QWidget *> stops;
    collectStops(root, &stops);
    return stops;
}

void chain(const QList<QWidget *> &stops)
{
    for (int i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops.at(i - 1), stops.at(i));
}

QList<QAbstractButton *> reachableSections(QToolBox *box)
{
    // The headers are the box's own buttons, made in the order of the sections.
    QList<QAbstractButton *> headers =
        box->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
    auto *keys = new SectionKeys(box, headers);
    for (QAbstractButton *header : qAsConst(headers)) {
        header->setFocusPolicy(Qt::StrongFocus);
        header->installEventFilter(keys);
    }
    // The sections' own scroll areas take no stop: their fields do.
    for (QAbstractScrollArea *area :
         box->findChildren<QAbstractScrollArea *>(QString(), Qt::FindDirectChildrenOnly))
        area->setFocusPolicy(Qt::NoFocus);
    return headers;
}

void nameUnlabelled(QWidget *root)
{
    QList<const QWidget *> labelled;
    for (const QLabel *label : root->findChildren<QLabel *>())
        if (label->buddy())
            labelled << label->buddy();
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!isInput(w) || !w->accessibleName().isEmpty() || labelled.contains(w))
            continue;
        bool inner = false; // the parts of a list box or a spin box are named by it
        for (const QWidget *p = w->parentWidget(); p && p != root && !inner; p = p->parentWidget())
            inner = isInput(p);
        if (inner)
            continue;
        QString name;
        if (const QLabel *label = besideLabel(w))
            name = labelText(label);
        for (const QWidget *p = w->parentWidget(); name.isEmpty() && p; p = p->parentWidget())
            if (const auto *group = qobject_cast<const QGroupBox *>(p))
                name = group->title().remove(QLatin1Char('&')).trimmed();
        if (!name.isEmpty())
            w->setAccessibleName(name);
    }
}

} // namespace keyboard
