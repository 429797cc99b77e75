#include "device/fleet/drift.h"

#include "core/settings/settingtable.h"
#include "device/jobs/fleetrun.h"
#include "device/jobs/printerworker.h"
#include "device/link/printersession.h"

#include <QDeadlineTimer>
#include <QJsonArray>

namespace fleet::drift {

bool isSecret(const profile::Difference &difference)
{
    const settingtable::Row *row = settingtable::find(difference.page, difference.setting);
    return row && settingtable::has(*row, settingtable::Secret);
}

QString settingKey(const profile::Difference &difference)
{
    return difference.page + QLatin1Char('.') + difference.setting;
}

jobs::FleetRun *check(jobs::WorkerPool &pool, std::shared_ptr<Device> device,
                      const QList<Address> &printers, const profile::Profile &wanted,
                      const QList<profile::Profile> &perPrinter, int timeoutMs, QObject *parent)
{
    QStringList keys;
    QVector<bool> usb;
    for (const Address &a : printers) {
        keys << a.key();
        usb << a.isUsb();
    }
    auto *run = new jobs::FleetRun(
        pool, keys,
        [device = std::move(device), printers, wanted, perPrinter,
         timeoutMs](int index, jobs::Context &context, QVariant *record) {
            const profile::Profile &profile = perPrinter.isEmpty() ? wanted : perPrinter.at(index);
            if (timeoutMs > 0)
                context.session().setDeadline(QDeadlineTimer(timeoutMs));
            // A dry run: read and compared, never written.
            const ops::PrinterRun one = device->applyProfile(
                context.session(), printers.at(index), profile, true, false, &context.stopFlag());
            context.session().setDeadline(QDeadlineTimer(QDeadlineTimer::Forever));
            Result r;
            r.outcome = one.outcome;
            r.checked = one.state == ops::PrinterRun::State::Finished && one.outcome.ok();
            if (r.checked) {
                r.differences = one.details.differences;
                r.skipped = one.details.skipped;
            }
            r.at = QDateTime::currentDateTime();
            *record = QVariant::fromValue(r);
            return one.outcome;
        },
        parent);
    run->setOneAtATime(usb);
    return run;
}

Result resultOf(const jobs::FleetRun &run, int index)
{
    const QVariant record = run.record(index);
    if (record.canConvert<Result>())
        return record.value<Result>();
    Result notChecked;
    notChecked.outcome = run.outcome(index);
    return notChecked;
}

QJsonObject record(const QString &printer, const Result &result)
{
    QJsonObject o{{QStringLiteral("printer"), printer}};
    if (!result.checked) {
        o.insert(QStringLiteral("state"), QStringLiteral("unreadable"));
        o.insert(QStringLiteral("reason"), ops::codeName(result.outcome.code));
        o.insert(QStringLiteral("message"), result.outcome.sentence);
        return o;
    }
    QJsonArray differences;
    for (const profile::Difference &d : result.differences) {
        QJsonObject one{{QStringLiteral("setting"), settingKey(d)},
                        {QStringLiteral("name"), settingtable::label(settingKey(d))}};
        if (isSecret(d)) {
            one.insert(QStringLiteral("secret"), true);
            one.insert(QStringLiteral("change"), QStringLiteral("differs"));
        } else {
            one.insert(QStringLiteral("printer"),
                       d.printer.isUndefined() ? QJsonValue() : d.printer);
            one.insert(QStringLiteral("profile"), d.profile);
        }
        differences.append(one);
    }
    o.insert(QStringLiteral("state"),
             differences.isEmpty() ? QStringLiteral("same") : QStringLiteral("drift"));
    o.insert(QStringLiteral("differing"), differences.size());
    o.insert(QStringLiteral("differences"), differences);
    o.insert(QStringLiteral("skipped"), QJsonArray::fromStringList(result.skipped));
    return o;
}

Checker::Checker(std::shared_ptr<Device> device, jobs::Claims &gate, jobs::WorkerPool &pool,
                 QObject *parent)
    : QObject(parent), m_device(std::move(device)), m_gate(gate), m_pool(pool)
{
    connect(&m_timer, &QTimer::timeout, this, &Checker::checkNow);
}

Checker::~Checker()
{
    delete m_run; // cancels what is in flight
}

void Checker::setPrinters(const QList<Address> &printers, const profile::Profile &wanted,
                          const QList<profile::Profile> &perPrinter)
{
    m_printers = printers;
    m_wanted = wanted;
    m_perPrinter = perPrinter;
}

void Checker::start()
{
    m_timer.start();
    checkNow();
}

void Checker::stop()
{
    m_timer.stop();
    if (m_run)
        m_run->cancel();
}

bool Checker::checkNow()
{
    if (m_run)
        return false;
    const QList<Address> printers = m_printers;
    jobs::FleetRun *run =
        check(m_pool, m_device, printers, m_wanted, m_perPrinter, m_timeLimitMs, this);
    m_run = run;
    run->setLimit(m_limit);
    run->setClaims(&m_gate);
    connect(run, &jobs::FleetRun::printerFinished, this, [this, run, printers](int i) {
        if (run->state(i) != jobs::FleetRun::State::NotAttempted)
            emit checked(printers.at(i), resultOf(*run, i));
    });
    connect(run, &jobs::FleetRun::finished, this, [this, run] {
        run->deleteLater();
        m_run = nullptr;
        emit finished();
    });
    run->start();
    return true;
}

} // namespace fleet::drift
