#include "gui/widgets/wheelguard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

WheelGuard::WheelGuard(QObject *parent) : QObject(parent) {}

void WheelGuard::protect(QWidget *root)
{
    QList<QWidget *> boxes;
    for (QComboBox *box : root->findChildren<QComboBox *>())
        boxes << box;
    for (QAbstractSpinBox *box : root->findChildren<QAbstractSpinBox *>())
        boxes << box;
    for (QWidget *box : qAsConst(boxes)) {
        // Either box takes focus from the wheel by default, and with it the wheel.
        if (box->focusPolicy() == Qt::WheelFocus)
            box->setFocusPolicy(Qt::StrongFocus);
        box->removeEventFilter(this);
        box->installEventFilter(this);
    }
}

bool WheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && !static_cast<QWidget *>(watched)->hasFocus()) {
        // Not handled here: the application hands it on to the parents, to a scroll area.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
