#include "gui/shell/diagnosticsactions.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "gui/widgets/tabledialog.h"
#include "device/diagnostics/connectiondoctor.h"
#include "device/diagnostics/debuglog.h"
#include "device/diagnostics/diagnosticsreport.h"
#include "device/operations/printeroperations.h"

#include <QDate>
#include <memory>

void DiagnosticsActions::runDoctor(const doctor::NetTarget &target)
{
    if (m_host.printerInUse())
        return;
    m_host.showLastResult(tr("正在诊断…"));
    // The checks wait for answers: they run on the printer's worker, and nothing else is
    // started meanwhile.
    auto findings = std::make_shared<QList<doctor::Finding>>();
    jobs::Job *job = m_host.startJob(tr("连接诊断"), [target, findings](jobs::Context &) {
        // A printer reached over the network needs no USB printer: none is no warning.
        *findings =
            target.host.trimmed().isEmpty() ? doctor::checkUsb() : doctor::checkNetwork(target);
        return ops::Outcome();
    });
    PageHost *host = &m_host;
    QObject::connect(job, &jobs::Job::finished, job, [host, target, findings] {
        const QString verdicts[] = {tr("通过"), tr("警告"), tr("失败"), tr("跳过"),
                                    tr("本系统不适用")};
        QList<QStringList> rows;
        for (const doctor::Finding &f : qAsConst(*findings))
            rows.append({doctor::checkLabel(f.check), verdicts[int(f.verdict)], f.text, f.advice});
        host->showLastResult(verdicts[int(doctor::overall(*findings))]);
        TableDialog dialog(host->dialogParent(), tr("连接诊断结果"),
                           target.host.trimmed().isEmpty()
                               ? tr("未输入地址：只检查 USB 打印机。")
                               : tr("只检查网络打印机 %1。").arg(target.host.trimmed()),
                           {tr("检查"), tr("结果"), tr("说明"), tr("建议")}, rows);
        prompts::exec(&dialog);
    });
}

void DiagnosticsActions::exportReport(const QStringList &listed, const DebugLog *log)
{
    if (m_host.printerInUse())
        return;
    QWidget *parent = m_host.dialogParent();
    const QString name =
        QStringLiteral("labelsetup-report-%1.json").arg(QDate::currentDate().toString(Qt::ISODate));
    const QString path = prompts::saveFileName(parent, tr("导出诊断报告…"),
                                               prompts::inDocuments(name), tr("诊断报告 (*.json)"));
    if (path.isEmpty())
        return;
    diagnosticsreport::Inputs inputs;
    inputs.toolVersion = QCoreApplication::applicationVersion();
    inputs.printersListed = listed;
    const bool open = m_host.isDeviceOpen();
    // The open printer is read on its worker; the log is read there after the reads.
    jobs::Job *job =
        m_host.startJob(tr("导出诊断报告…"), [open, inputs, log, path](jobs::Context &context) {
            return ops::writeReport(open ? &context.session() : nullptr, inputs, log, path);
        });
    PageHost *host = &m_host;
    QObject::connect(job, &jobs::Job::finished, job, [host](const ops::Outcome &written) {
        QWidget *parent = host->dialogParent();
        if (!written.ok()) {
            prompts::critical(parent, tr("导出诊断报告…"), written.sentence);
            return;
        }
        host->showLastResult(written.sentence);
        prompts::information(parent, tr("导出诊断报告…"), written.sentence);
    });
}
