#pragma once

#include <QList>

class QAbstractButton;
class QToolBox;
class QWidget;

// Keyboard reach of the window: Tab in reading order, arrow keys among the sections,
// and a name for every input that has no visible label of its own.
namespace keyboard {

// The widgets under `root` that Tab stops at, in the order the forms list them (top to
// bottom, left to right).
QList<QWidget *> tabStops(QWidget *root);

// Tab goes through `stops` in this order, Shift+Tab back.
void chain(const QList<QWidget *> &stops);

// Every section header of `box` takes the focus by Tab; Up and Down (Left and Right,
// Home and End) move among them, Space and Enter open the one that has the focus.
// Returns the headers in order.
QList<QAbstractButton *> reachableSections(QToolBox *box);

// Names every input under `root` that no label is the buddy of: after the label beside
// it in its form or grid, else after its group's title. Screen readers say the name.
void nameUnlabelled(QWidget *root);

} // namespace keyboard
