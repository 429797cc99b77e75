#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Gives the focus back to the widget that had it when an operation disabled it (the
// button that started the operation, usually), once it is enabled again. Qt moves the
// focus of a disabled widget to the next one in the chain; that is where the person
// would otherwise be left. A focus the person moves meanwhile is theirs.
class FocusReturn : public QObject
{
    Q_OBJECT

public:
    // Watches the widgets of `window`'s own window.
    explicit FocusReturn(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusChanged(QWidget *old, QWidget *now);
    void forget();

    QWidget *m_window;
    QPointer<QWidget> m_displaced; // lost the focus by being disabled
    QPointer<QWidget> m_standIn;   // where Qt put it instead
};
