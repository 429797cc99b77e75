#include "app/verticalscrollarea.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>

namespace {

// Above this a page scrolls; a few rows stay in view on any screen.
constexpr int kMinimumPageHeight = 96;

} // namespace

VerticalScrollArea::VerticalScrollArea(QWidget *parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    // The fields take the focus and are scrolled into view; the area itself needs none.
    setFocusPolicy(Qt::NoFocus);
}

void VerticalScrollArea::flowPairs(QGridLayout *grid)
{
    if (!grid)
        return;
    Pairs flow{grid, {}};
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column + 1 < 4; column += 2) {
            QLayoutItem *label = grid->itemAtPosition(row, column);
            QLayoutItem *field = grid->itemAtPosition(row, column + 1);
            if (label || field)
                flow.pairs.append(QList<QLayoutItem *>{label, field});
        }
    }
    for (const QList<QLayoutItem *> &pair : qAsConst(flow.pairs))
        for (QLayoutItem *item : pair)
            if (item)
                grid->removeItem(item);
    m_grids.append(flow);
    m_wide = false; // arranged below
    arrange(true);
}

void VerticalScrollArea::stackWhenNarrow(QBoxLayout *box)
{
    if (box)
        m_boxes.append(box);
    arrange(m_wide);
}

void VerticalScrollArea::arrange(bool wide)
{
    for (QBoxLayout *box : qAsConst(m_boxes)) {
        box->setDirection(wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
        refresh(box);
    }
    for (const Pairs &flow : qAsConst(m_grids)) {
        if (wide == m_wide)
            continue;
        for (const QList<QLayoutItem *> &pair : flow.pairs)
            for (QLayoutItem *item : pair)
                if (item)
                    flow.grid->removeItem(item);
        const int perRow = wide ? 2 : 1;
        for (int i = 0; i < flow.pairs.size(); ++i) {
            const int row = i / perRow;
            const int column = (i % perRow) * 2;
            for (int k = 0; k < 2; ++k) {
                QLayoutItem *item = flow.pairs.at(i).at(k);
                if (item && item->layout())
                    flow.grid->addLayout(item->layout(), row, column + k);
                else if (item)
                    flow.grid->addItem(item, row, column + k);
            }
        }
        for (int column = 0; column < 4; ++column)
            flow.grid->setColumnStretch(column, column % 2 == 1 && (wide || column < 2) ? 1 : 0);
        refresh(flow.grid);
    }
    m_wide = wide;
}

void VerticalScrollArea::refresh(QLayout *changed)
{
    // Sizes are cached on every level up to the page; a measurement right after a
    // change must not see the old ones.
    for (QObject *o = changed; o; o = o->parent()) {
        if (auto *layout = qobject_cast<QLayout *>(o)) {
            layout->invalidate();
        } else if (auto *w = qobject_cast<QWidget *>(o)) {
            if (w == widget()) {
                if (w->layout())
                    w->layout()->invalidate();
                break;
            }
            w->updateGeometry();
        }
    }
}

QSize VerticalScrollArea::pageSize(bool wide, bool minimum)
{
    if (!widget())
        return QSize();
    const bool was = m_wide;
    if (wide != was)
        arrange(wide);
    const QSize size = minimum ? widget()->minimumSizeHint() : widget()->sizeHint();
    if (wide != was)
        arrange(was);
    return size;
}

int VerticalScrollArea::extraWidth() const
{
    return verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

QSize VerticalScrollArea::minimumSizeHint() const
{
    auto *self = const_cast<VerticalScrollArea *>(this);
    return QSize(self->pageSize(false, true).width() + extraWidth(), kMinimumPageHeight);
}

QSize VerticalScrollArea::sizeHint() const
{
    // As narrow as the page can be: it goes wide only where a layout gives it the room.
    if (!widget())
        return QScrollArea::sizeHint();
    auto *self = const_cast<VerticalScrollArea *>(this);
    return QSize(self->pageSize(false, true).width() + extraWidth(),
                 self->pageSize(false, false).height() + 2 * frameWidth());
}

void VerticalScrollArea::fit()
{
    if (m_grids.isEmpty() && m_boxes.isEmpty())
        return;
    if (widget() && !m_watching) {
        // The page's own hints change when it is first shown and polished.
        widget()->installEventFilter(this);
        m_watching = true;
    }
    // The width the page has beside a vertical scroll bar that may come.
    const int room = width() - extraWidth();
    const bool wide = pageSize(true, true).width() <= room;
    if (wide != m_wide)
        arrange(wide);
}

void VerticalScrollArea::resizeEvent(QResizeEvent *event)
{
    fit();
    QScrollArea::resizeEvent(event);
}

void VerticalScrollArea::showEvent(QShowEvent *event)
{
    fit();
    QScrollArea::showEvent(event);
}

bool VerticalScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        fit();
    return QScrollArea::eventFilter(watched, event);
}
