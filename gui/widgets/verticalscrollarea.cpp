#include "gui/widgets/verticalscrollarea.h"

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
    m_measured = false;
}

void VerticalScrollArea::stackWhenNarrow(QBoxLayout *box)
{
    if (box)
        m_boxes.append(box);
    arrange(m_wide);
    m_measured = false;
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

void VerticalScrollArea::measure()
{
    if (!widget())
        return;
    const bool was = m_wide;
    arrange(false);
    m_narrowWidth = widget()->minimumSizeHint().width();
    m_narrowHeight = widget()->sizeHint().height();
    arrange(true);
    m_wideWidth = widget()->minimumSizeHint().width();
    arrange(was);
    m_measured = true;
    updateGeometry();
}

int VerticalScrollArea::extraWidth() const
{
    return verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

QSize VerticalScrollArea::minimumSizeHint() const
{
    if (!widget())
        return QScrollArea::minimumSizeHint();
    if (!rearranges())
        return QSize(widget()->minimumSizeHint().width() + extraWidth(), kMinimumPageHeight);
    if (!m_measured)
        const_cast<VerticalScrollArea *>(this)->measure();
    return QSize(m_narrowWidth + extraWidth(), kMinimumPageHeight);
}

QSize VerticalScrollArea::sizeHint() const
{
    // As narrow as the page can be: it goes wide only where a layout gives it the room.
    if (!widget())
        return QScrollArea::sizeHint();
    if (!rearranges()) {
        const QSize page = widget()->sizeHint();
        return QSize(widget()->minimumSizeHint().width() + extraWidth(),
                     page.height() + 2 * frameWidth());
    }
    if (!m_measured)
        const_cast<VerticalScrollArea *>(this)->measure();
    return QSize(m_narrowWidth + extraWidth(), m_narrowHeight + 2 * frameWidth());
}

void VerticalScrollArea::fit()
{
    if (!rearranges() || !widget())
        return;
    if (!m_watching) {
        // The page's own hints change when it is first shown and polished.
        widget()->installEventFilter(this);
        m_watching = true;
    }
    if (!m_measured)
        measure();
    // The width the page has beside a vertical scroll bar that may come.
    const bool wide = m_wideWidth <= width() - extraWidth();
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
    m_measured = false;
    fit();
    QScrollArea::showEvent(event);
}

bool VerticalScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    // A page whose content changed its width is measured again; the requests that
    // measuring and arranging cause themselves find the widths as measured.
    if (watched == widget() && event->type() == QEvent::LayoutRequest && m_measured &&
        widget()->minimumSizeHint().width() != (m_wide ? m_wideWidth : m_narrowWidth)) {
        m_measured = false;
        fit();
    }
    return QScrollArea::eventFilter(watched, event);
}
