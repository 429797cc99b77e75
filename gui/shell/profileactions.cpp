#include "gui/shell/profileactions.h"

#include "gui/widgets/busycursor.h"
#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "gui/widgets/tabledialog.h"
#include "device/operations/printeroperations.h"
#include "core/protocol/commandcodes.h"
#include "core/settings/profile.h"
#include "device/settings/profileapply.h"
#include "core/settings/settingtable.h"
#include "device/link/printersession.h"
#include "device/journal/entries.h"
#include "device/operations/applymany.h"

#include <QApplication>
#include <QDate>
#include <QRegularExpression>
#include <QFile>
#include <QSaveFile>

namespace {

// Settings as their pages name them, in the user's language.
QString settingList(const QStringList &names)
{
    QStringList labels;
    for (const QString &name : names)
        labels << settingtable::label(name);
    return labels.join(QStringLiteral(", "));
}

// The pages an apply wrote to: those written, and the one whose write failed.
QStringList writtenPages(const profileapply::Outcome &done)
{
    QStringList pages;
    for (const QString &setting : done.written)
        pages << setting.section(QLatin1Char('.'), 0, 0);
    // The failed page was written to when it failed after its read, which lists its
    // differences.
    for (const profile::Difference &d : done.differences) {
        if (d.page == done.failedPage)
            pages << d.page;
    }
    pages.removeDuplicates();
    return pages;
}

} // namespace

void ProfileActions::save()
{
    if (!m_host.requireOpenDevice())
        return;
    const auto saved = std::make_shared<profile::Profile>();
    auto wait = std::make_shared<BusyCursor>();
    jobs::Job *job = m_host.startJob(tr("保存配置"), [saved](jobs::Context &context) {
        PrinterSession &session = context.session();
        const PrinterSession::Operation operation(session);
        // The model as the printer names it; a printer that does not answer is told by
        // the save's own failure.
        ops::identify(session, &saved->model);
        ops::Outcome outcome;
        outcome.result = profileapply::save(session, false, saved.get(), nullptr);
        return outcome;
    });
    QObject::connect(job, &jobs::Job::finished, m_host.dialogParent(),
                     [this, saved, wait](const ops::Outcome &outcome) mutable {
                         wait.reset();
                         saveFinished(*saved, outcome);
                     });
}

void ProfileActions::saveFinished(const profile::Profile &saved, const ops::Outcome &outcome)
{
    const int result = outcome.result;
    if (outcome.code == ops::Code::Interrupted) {
        m_host.showLastResult(tr("保存配置已取消：没有保存任何文件"));
        return;
    }
    if (result != RESULT_OK) {
        m_host.reportResult(result == RESULT_BAD_REPLY ? m_session.failureCode() : result);
        return;
    }
    QWidget *parent = m_host.dialogParent();
    // The model and the day, so that profiles of several printers tell themselves apart.
    QString model = saved.model.trimmed();
    model.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\s]+")), QStringLiteral("-"));
    const QString name = (model.isEmpty() ? QStringLiteral("labelsetup-profile") : model) +
                         QLatin1Char('-') + QDate::currentDate().toString(Qt::ISODate) +
                         QStringLiteral(".json");
    const QString path = prompts::saveFileName(parent, tr("保存配置"), prompts::inDocuments(name),
                                               tr("配置文件 (*.json)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray bytes = profile::serialize(saved);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        prompts::critical(parent, tr("保存配置"), tr("无法写入文件：%1").arg(file.errorString()));
        return;
    }
    m_host.showLastResult(tr("配置已保存到 %1").arg(path));
    prompts::information(parent, tr("保存配置"), tr("配置已保存到 %1").arg(path));
}

void ProfileActions::apply(const std::function<void(const QStringList &written)> &written)
{
    if (!m_host.requireOpenDevice())
        return;
    QWidget *parent = m_host.dialogParent();
    const QString path = prompts::openFileName(parent, tr("应用配置"), prompts::inDocuments(),
                                               tr("配置文件 (*.json)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompts::critical(parent, tr("应用配置"),
                          tr("无法读取配置文件：%1").arg(file.errorString()));
        return;
    }
    const auto wanted = std::make_shared<profile::Profile>();
    QString error;
    if (!profile::parse(file.readAll(), wanted.get(), &error) ||
        !profileapply::check(*wanted, &error)) {
        prompts::critical(parent, tr("应用配置"), tr("配置文件无效：%1").arg(error));
        return;
    }

    const auto preview = std::make_shared<profileapply::Outcome>();
    auto wait = std::make_shared<BusyCursor>();
    jobs::Job *job =
        m_host.startJob(tr("读取打印机设置"), [wanted, preview](jobs::Context &context) {
            const PrinterSession::Operation operation(context.session());
            *preview = profileapply::apply(context.session(), *wanted, true, false);
            ops::Outcome outcome;
            outcome.result = preview->result;
            return outcome;
        });
    QObject::connect(job, &jobs::Job::finished, parent,
                     [this, wanted, preview, wait, written](const ops::Outcome &outcome) mutable {
                         wait.reset();
                         if (outcome.code == ops::Code::Interrupted) {
                             m_host.showLastResult(tr("应用配置已取消：什么也没有写入"));
                             return;
                         }
                         if (previewAccepted(*preview))
                             applyPreviewed(*wanted, written);
                     });
}

bool ProfileActions::previewAccepted(const profileapply::Outcome &preview)
{
    QWidget *parent = m_host.dialogParent();
    // A value this printer's model cannot take (a speed it lacks), or one past what may be
    // typed that it does not have already: nothing was sent.
    if (!preview.refused.isEmpty()) {
        prompts::critical(parent, tr("应用配置"), tr("配置文件无效：%1").arg(preview.refused));
        return false;
    }
    if (preview.result != RESULT_OK) {
        m_host.reportResult(preview.result == RESULT_BAD_REPLY ? m_session.failureCode()
                                                               : preview.result);
        return false;
    }
    m_skipped.clear();
    if (!preview.skipped.isEmpty())
        m_skipped = QLatin1Char('\n') +
                    tr("以下设置在此型号上不存在，已跳过：%1").arg(settingList(preview.skipped));
    if (preview.differences.isEmpty()) {
        prompts::information(parent, tr("应用配置"),
                             tr("打印机的设置与配置文件相同，无需写入。") + m_skipped);
        return false;
    }
    QList<QStringList> rows;
    for (const profile::Difference &d : preview.differences)
        rows.append({settingtable::label(d.page + QLatin1Char('.') + d.setting),
                     profile::valueText(d.printer), profile::valueText(d.profile)});
    TableDialog dialog(parent, tr("应用配置"),
                       tr("将写入以下 %1 项设置：").arg(preview.differences.size()) + m_skipped,
                       {tr("设置"), tr("打印机中的值"), tr("配置文件中的值")}, rows, tr("写入"));
    return prompts::exec(&dialog) == QDialog::Accepted;
}

void ProfileActions::applyPreviewed(const profile::Profile &wanted,
                                    const std::function<void(const QStringList &written)> &written)
{
    if (!m_host.requireOpenDevice())
        return;
    const auto done = std::make_shared<profileapply::Outcome>();
    auto wait = std::make_shared<BusyCursor>();
    jobs::Job *job = m_host.startJob(tr("应用配置"), [wanted, done](jobs::Context &context) {
        const PrinterSession::Operation operation(context.session());
        *done = profileapply::apply(context.session(), wanted, false, true);
        ops::Outcome outcome;
        outcome.result = done->result;
        return outcome;
    });
    QObject::connect(job, &jobs::Job::finished, m_host.dialogParent(),
                     [this, done, wait, written](const ops::Outcome &outcome) mutable {
                         wait.reset();
                         record(*done, outcome);
                         written(applyFinished(*done, outcome.code == ops::Code::Interrupted));
                     });
}

void ProfileActions::record(const profileapply::Outcome &done, const ops::Outcome &job)
{
    ops::PrinterRun run;
    run.state = job.code == ops::Code::Interrupted ? ops::PrinterRun::State::Interrupted
                                                   : ops::PrinterRun::State::Finished;
    run.details = done;
    run.outcome = job.code == ops::Code::Interrupted || done.result == RESULT_OK
                      ? job
                      : ops::sendFailed(done.result, tr("应用配置"), QString());
    if (run.outcome.ok() && !done.notVerified.isEmpty())
        run.outcome.code = ops::Code::Differs;
    journal::Entry entry;
    if (journal::applied(QString(), QString(), run, &entry))
        m_host.recordChange(entry, run.outcome);
}

QStringList ProfileActions::applyFinished(const profileapply::Outcome &done, bool cancelled)
{
    QWidget *parent = m_host.dialogParent();
    QStringList touched = writtenPages(done);
    // The WiFi mode the printer was known to be in may not be its mode any more.
    if (touched.contains(QStringLiteral("wifi")))
        m_session.setWifiMode(-1);
    if (cancelled) {
        m_host.showLastResult(
            tr("应用配置已取消：已写入 %1 项设置，其余未写入").arg(done.written.size()));
        return touched;
    }
    if (done.result != RESULT_OK) {
        m_host.reportResult(done.result == RESULT_BAD_REPLY ? m_session.failureCode()
                                                            : done.result);
        return touched;
    }
    if (!done.notVerified.isEmpty()) {
        QStringList names;
        for (const profile::Difference &d : done.notVerified)
            names << d.page + QLatin1Char('.') + d.setting;
        prompts::warning(parent, tr("应用配置"),
                         tr("写入后读回的值与配置文件不同：%1").arg(settingList(names)));
        return touched;
    }
    const QString text = done.restartNeeded
                             ? tr("配置已应用。WiFi 或网口的更改在打印机重启后生效。")
                             : tr("配置已应用。");
    m_host.showLastResult(text);
    prompts::information(parent, tr("应用配置"), text + m_skipped);
    return touched;
}
