#pragma once

#include <QObject>

class QWidget;

// A wheel turned over a page scrolls the page; it changes a list or number box only once
// the user chose that box. The guarded boxes take focus by click or tab, not by the
// wheel, and while unfocused pass the wheel on to the page around them. One guard serves
// every page of a window.
class WheelGuard : public QObject
{
    Q_OBJECT

public:
    explicit WheelGuard(QObject *parent = nullptr);

    // Guards the list and number boxes inside `root` (again when called again).
    void protect(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
