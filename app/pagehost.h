#pragma once

#include <QString>

class QWidget;

// What a page needs from the window that holds it: the open-device guard, the message
// for an exchange result, the status line and the widgets that rest during a
// multi-frame exchange. The window implements it; page tests use a small stand-in.
class PageHost
{
public:
    virtual ~PageHost() = default;

    // The parent of the page's message boxes and dialogs.
    virtual QWidget *dialogParent() = 0;

    // A printer is open.
    virtual bool isDeviceOpen() const = 0;
    // Shows "请先打开设备" unless a printer is open; returns whether one is. Refuses
    // silently as well while the printer is in use.
    virtual bool requireOpenDevice() = 0;
    // True (and logged) while an exchange or a file stream has the printer.
    virtual bool printerInUse() const = 0;

    // Shows the message for an exchange result code; returns 1 when an error box was
    // shown, else 0.
    virtual int reportResult(int code) = 0;
    // Shows the outcome of the last operation beside the connection state.
    virtual void showLastResult(const QString &text) = 0;

    // Enables or disables together the widgets that must not be used during a
    // multi-frame exchange.
    virtual void setControlsEnabled(bool on) = 0;
};
