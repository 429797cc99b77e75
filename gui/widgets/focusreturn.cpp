#include "gui/widgets/focusreturn.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

FocusReturn::FocusReturn(QWidget *window) : QObject(window), m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusReturn::focusChanged);
}

void FocusReturn::focusChanged(QWidget *old, QWidget *now)
{
    // Qt clears the focus of a widget whose parent is disabled, and moves that of a
    // disabled widget on to the next one.
    if (old && old->window() == m_window && !old->isEnabled() &&
        (!now || now->window() == m_window)) {
        if (!m_displaced) {
            m_displaced = old;
            old->installEventFilter(this);
        }
        m_standIn = now;
        return;
    }
    // A message box or another window taking the focus for a while changes nothing here.
    if (!now || now->window() != m_window)
        return;
    if (m_displaced && now != m_standIn && now != m_displaced)
        forget(); // moved on by the person
}

bool FocusReturn::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_displaced && event->type() == QEvent::EnabledChange &&
        m_displaced->isEnabled() && m_displaced->isVisible()) {
        QWidget *back = m_displaced;
        const bool untouched = !m_standIn || QApplication::focusWidget() == m_standIn ||
                               QApplication::focusWidget() == nullptr ||
                               QApplication::focusWidget()->window() != m_window;
        forget();
        // Never into a window in the background: the person may be working in another.
        if (untouched && back->isActiveWindow())
            back->setFocus(Qt::OtherFocusReason);
    }
    return QObject::eventFilter(watched, event);
}

void FocusReturn::forget()
{
    if (m_displaced)
        m_displaced->removeEventFilter(this);
    m_displaced = nullptr;
    m_standIn = nullptr;
}
