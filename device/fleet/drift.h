#pragma once

#include "core/settings/profile.h"
#include "device/fleet/device.h"
#include "device/jobs/claims.h"
#include "device/operations/applymany.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QStringList>
#include <memory>

namespace jobs {
class FleetRun;
class WorkerPool;
} // namespace jobs

// Drift: which settings of each printer differ from the site's profile. The comparison is
// apply's dry run, so that drift and apply never disagree; nothing is written. The
// command line, the exporter and the fleet window read it the same way.
namespace fleet::drift {

struct Result
{
    bool checked = false; // read and compared; else `outcome` says why not
    ops::Outcome outcome;
    QList<profile::Difference> differences;
    QStringList skipped; // "page.setting" the model lacks
    QDateTime at;        // when the check ended
};

// A password or PIN: that it differs is all a report says of it.
bool isSecret(const profile::Difference &difference);
// "print.speed"
QString settingKey(const profile::Difference &difference);

// A run that compares each printer with `wanted` (or, when given, perPrinter[i]: the
// per-printer values filled in), not started. `timeoutMs` bounds one printer's check (0:
// the exchanges' own limits).
jobs::FleetRun *check(jobs::WorkerPool &pool, std::shared_ptr<Device> device,
                      const QList<Address> &printers, const profile::Profile &wanted,
                      const QList<profile::Profile> &perPrinter = {}, int timeoutMs = 0,
                      QObject *parent = nullptr);
// A printer's result once printerFinished(index) was said (not checked when it was not
// begun).
Result resultOf(const jobs::FleetRun &run, int index);

// One printer's report: {"printer", "state": "same" | "drift" | "unreadable",
// "differing", "differences": [{"setting", "name", "printer", "profile"} or, for a
// secret, {"setting", "name", "secret": true, "change": "differs"}], "skipped",
// and for an unreadable one "reason" and "message"}.
QJsonObject record(const QString &printer, const Result &result);

// Checks a list of printers now and then at an interval, on a pool shared with the polls:
// one conversation per printer (the gate), never the owner's thread. A check asked for
// while one still runs is left out.
class Checker : public QObject
{
    Q_OBJECT

public:
    // The pool and the gate must outlive the checker.
    Checker(std::shared_ptr<Device> device, jobs::Claims &gate, jobs::WorkerPool &pool,
            QObject *parent = nullptr);
    ~Checker() override; // cancels a check in flight; waits for none

    // The printers and the profile of each (perPrinter[i], or `wanted` for all).
    void setPrinters(const QList<Address> &printers, const profile::Profile &wanted,
                     const QList<profile::Profile> &perPrinter = {});
    void setIntervalMs(int ms) { m_timer.setInterval(ms); }
    void setLimit(int printers) { m_limit = printers; }
    void setTimeLimitMs(int ms) { m_timeLimitMs = ms; }
    void start(); // a check now, then one every interval
    void stop();
    // False when a check still runs.
    bool checkNow();
    bool running() const { return m_run != nullptr; }

signals:
    void checked(const fleet::Address &address, const fleet::drift::Result &result);
    void finished();

private:
    std::shared_ptr<Device> m_device;
    jobs::Claims &m_gate;
    jobs::WorkerPool &m_pool;
    QTimer m_timer;
    QList<Address> m_printers;
    profile::Profile m_wanted;
    QList<profile::Profile> m_perPrinter;
    jobs::FleetRun *m_run = nullptr; // the check in flight
    int m_limit = 8;
    int m_timeLimitMs = 0;
};

} // namespace fleet::drift
Q_DECLARE_METATYPE(fleet::drift::Result)
