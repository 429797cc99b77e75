#include "gui/pages/distancepage.h"

#include "gui/widgets/pagehost.h"
#include "gui/pages/fieldfixups.h"
#include "gui/pages/pagefields.h"
#include "device/settings/settingsengine.h"
#include "device/link/printersession.h"
#include "ui_distancepage.h"

DistancePage::DistancePage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), ui(new Ui::DistancePage), m_session(session), m_host(host),
      m_binding(this, QStringLiteral("distance"))
{
    ui->setupUi(this);
    for (QLineEdit *edit : {ui->lineEdit_DistanceO2PH, ui->lineEdit_DistanceS2PH,
                            ui->lineEdit_DistanceB2PH, ui->lineEdit_DistancePH2T})
        fieldfixups::attachInteger(edit);
}

DistancePage::~DistancePage()
{
    delete ui;
}

void DistancePage::printerChanged()
{
    ui->label_17->setText(m_session.dotsPerMm() == 12 ? tr("注：1mm = 12dot")
                                                      : tr("注：1mm = 8dot"));
    forgetRead();
}

void DistancePage::forgetRead()
{
    ui->pushButton_DistanceSettingSet->setEnabled(false);
}

void DistancePage::on_pushButton_DistanceSettingRead_clicked()
{
    m_host.setControlsEnabled(false);
    if (!m_host.requireOpenDevice()) {
        m_host.setControlsEnabled(true);
        return;
    }
    QJsonObject read;
    const settingsengine::ReadResult ret =
        settingsengine::read(m_session, QStringLiteral("distance"), &read);
    m_binding.show(read);
    m_host.setControlsEnabled(true);
    ui->pushButton_DistanceSettingSet->setEnabled(pagefields::reportRead(m_host, ret));
}

void DistancePage::on_pushButton_DistanceSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const QJsonObject values = m_binding.values();
    if (!m_binding.accept(m_host, values, values.keys(), m_session.dotsPerMm()))
        return;
    m_host.reportResult(
        settingsengine::write(m_session, QStringLiteral("distance"), values, QJsonObject()));
}
