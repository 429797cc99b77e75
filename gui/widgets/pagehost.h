#pragma once

#include "core/protocol/commandcodes.h"
#include "device/jobs/job.h"
#include "device/journal/journal.h"

#include <QJsonObject>

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
    // shown, else 0. A network connection that could not be made is a failed exchange on
    // the network to the window: the connection-state message belongs to the status read.
    int reportResult(int code)
    {
        return showResult(code == RESULT_NOT_CONNECTED ? int(RESULT_NETWORK) : code);
    }
    // Shows the outcome of the last operation beside the connection state.
    virtual void showLastResult(const QString &text) = 0;

    // Enables or disables together the widgets that must not be used during a
    // multi-frame exchange.
    virtual void setControlsEnabled(bool on) = 0;

    // Starts printer work on the open printer's worker. The job's signals come on the
    // window's thread; while it runs printerInUse() holds, so nothing else starts an
    // exchange, and its progress and Cancel button show once it takes a while.
    virtual jobs::Job *startJob(const QString &title, jobs::Body body) = 0;

    // A write to the open printer ended: the window adds the printer (model, serial
    // number, address), its face and the outcome, and appends it to the journal of
    // changes. It never fails or delays the write.
    virtual void recordChange(journal::Entry entry, const ops::Outcome &outcome)
    {
        Q_UNUSED(entry)
        Q_UNUSED(outcome)
    }
    // Settings of `page` read from the open printer (its serial number names it in the
    // journal).
    virtual void settingsRead(const QString &page, const QJsonObject &values)
    {
        Q_UNUSED(page)
        Q_UNUSED(values)
    }

protected:
    // The result handler itself: the message for `code`, as reportResult describes.
    virtual int showResult(int code) = 0;
};
