#pragma once

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "device/operations/resulttexts.h"
#include "device/jobs/printerworker.h"
#include "device/link/printersession.h"

#include <QWidget>

// The window's part for a page tested on its own: result messages go through the
// message seam with the window's texts; the open state and the controls are recorded.
class TestPageHost : public PageHost
{
public:
    // The page's session is the worker's, so that its jobs talk to the printer the page
    // knows; a session of the test's own is for pages that start no job.
    TestPageHost() : session(&worker.session()) {}
    explicit TestPageHost(PrinterSession *session) : session(session) {}

    QWidget *dialogParent() override { return &parent; }
    bool isDeviceOpen() const override { return open; }
    bool requireOpenDevice() override
    {
        if (printerInUse())
            return false;
        if (!open)
            prompts::information(&parent, QStringLiteral("设置工具"),
                                 QStringLiteral("请先打开设备"));
        return open;
    }
    bool printerInUse() const override { return (session && session->busy()) || worker.busy(); }
    int showResult(int code) override
    {
        const QString text = resultMessage(code);
        if (text.isEmpty())
            return 0;
        lastResult = text;
        prompts::information(&parent, QStringLiteral("设置工具"), text);
        return code == 0 ? 0 : 1;
    }
    void showLastResult(const QString &text) override { lastResult = text; }
    void setControlsEnabled(bool on) override { controlsEnabled = on; }
    jobs::Job *startJob(const QString &title, jobs::Body body) override
    {
        ++jobsStarted;
        return worker.submit(title, std::move(body));
    }

    jobs::PrinterWorker worker;

    PrinterSession *session;
    QWidget parent;
    bool open = true;
    bool controlsEnabled = true;
    QString lastResult;
    int jobsStarted = 0;
};
