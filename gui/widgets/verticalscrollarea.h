#pragma once

#include <QLayoutItem>
#include <QList>
#include <QScrollArea>

class QBoxLayout;
class QGridLayout;

// A page that scrolls up and down but never sideways: the area asks for the width its
// page needs in the page's narrowest arrangement, and re-arranges the layouts it was
// given (pairs of a grid, sides of a box) whenever the width changes, so that the page
// uses wide screens and still fits small ones.
class VerticalScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit VerticalScrollArea(QWidget *parent = nullptr);

    // A grid of label/field pairs in two pairs a row (columns 0-1 and 2-3): one pair a
    // row when two do not fit. The reading order stays row by row, left pair first.
    void flowPairs(QGridLayout *grid);
    // A box laid out left to right, top to bottom when the sides do not fit.
    void stackWhenNarrow(QBoxLayout *box);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Pairs
    {
        QGridLayout *grid;
        QList<QList<QLayoutItem *>> pairs; // label and field, in reading order
    };
    bool rearranges() const { return !m_grids.isEmpty() || !m_boxes.isEmpty(); }
    // The page's widths in both arrangements, kept until the page changes: measuring
    // re-arranges the page, which must not happen on every size question.
    void measure();
    // Arranges the page for the area's width.
    void fit();
    void arrange(bool wide);
    void refresh(QLayout *changed);
    int extraWidth() const;

    QList<Pairs> m_grids;
    QList<QBoxLayout *> m_boxes;
    bool m_wide = true;
    bool m_watching = false;
    bool m_measured = false;
    int m_narrowWidth = 0;
    int m_wideWidth = 0;
    int m_narrowHeight = 0;
};
