#include "gui/pages/stripperpage.h"

#include "gui/widgets/cutdialog.h"
#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "gui/pages/fieldfixups.h"
#include "gui/pages/pagefields.h"
#include "device/settings/settingsengine.h"
#include "device/link/printersession.h"
#include "ui_stripperpage.h"

#include <QDebug>

StripperPage::StripperPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), ui(new Ui::StripperPage), m_session(session), m_host(host),
      m_binding(this, QStringLiteral("stripper"))
{
    ui->setupUi(this);
    fieldfixups::attachInteger(ui->lineEdit_PaperTime);
}

StripperPage::~StripperPage()
{
    delete ui;
}

void StripperPage::printerChanged()
{
    m_session.setStripperConfirmed(false);
    forgetRead();
}

void StripperPage::forgetRead()
{
    ui->pushButton_StripperSettingSet->setEnabled(false);
}

bool StripperPage::confirmStripperFitted()
{
    if (!m_session.stripperConfirmed()) {
        CutDialog dialog(m_host.dialogParent());
        if (prompts::exec(&dialog) == QDialog::Rejected) {
            qDebug() << "return Rejected";
            return false;
        }
    }
    m_session.setStripperConfirmed(true);
    return true;
}

void StripperPage::on_pushButton_StripperSettingRead_clicked()
{
    if (!m_host.requireOpenDevice() || !confirmStripperFitted())
        return;
    m_host.setControlsEnabled(false);
    QJsonObject read;
    const settingsengine::ReadResult ret =
        settingsengine::read(m_session, QStringLiteral("stripper"), &read);
    m_binding.show(read);
    m_host.setControlsEnabled(true);
    ui->pushButton_StripperSettingSet->setEnabled(pagefields::reportRead(m_host, ret));
}

void StripperPage::on_pushButton_StripperSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const QJsonObject values = m_binding.values();
    if (!m_binding.accept(m_host, values, values.keys(), m_session.dotsPerMm()) ||
        !confirmStripperFitted())
        return;
    m_host.reportResult(
        settingsengine::write(m_session, QStringLiteral("stripper"), values, QJsonObject()));
}
