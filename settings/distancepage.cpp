#include "settings/distancepage.h"

#include "app/pagehost.h"
#include "protocol/printersession.h"
#include "settings/fieldfixups.h"
#include "settings/pagefields.h"
#include "settings/printcodec.h"
#include "ui_distancepage.h"

DistancePage::DistancePage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), ui(new Ui::DistancePage), m_session(session), m_host(host)
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

DistanceSettings DistancePage::values() const
{
    DistanceSettings v;
    v.outletDots = printcodec::boxInteger(ui->lineEdit_DistanceO2PH->text());
    v.gapSensorMm = printcodec::boxInteger(ui->lineEdit_DistanceS2PH->text());
    v.blackSensorMm = printcodec::boxInteger(ui->lineEdit_DistanceB2PH->text());
    v.tearDots = printcodec::boxInteger(ui->lineEdit_DistancePH2T->text());
    return v;
}

void DistancePage::showValues(const DistanceSettings &v)
{
    const std::pair<QLineEdit *, std::optional<int>> shown[] = {
        {ui->lineEdit_DistanceO2PH, v.outletDots},
        {ui->lineEdit_DistanceS2PH, v.gapSensorMm},
        {ui->lineEdit_DistanceB2PH, v.blackSensorMm},
        {ui->lineEdit_DistancePH2T, v.tearDots}};
    for (const auto &box : shown) {
        if (box.second)
            box.first->setText(QString::number(*box.second));
    }
}

void DistancePage::on_pushButton_DistanceSettingRead_clicked()
{
    m_host.setControlsEnabled(false);
    if (!m_host.requireOpenDevice()) {
        m_host.setControlsEnabled(true);
        return;
    }
    DistanceSettings read;
    const int ret = readDistanceSettings(m_session, &read);
    showValues(read);
    m_host.setControlsEnabled(true);
    ui->pushButton_DistanceSettingSet->setEnabled(pagefields::reportRead(m_host, ret));
}

void DistancePage::on_pushButton_DistanceSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    // The dot boxes and the millimetre boxes hold signed 16-bit dot counts.
    using pagefields::fieldName;
    const int dots = m_session.dotsPerMm();
    if (!pagefields::acceptAll(
            m_host.dialogParent(),
            {fieldcheck::dots(fieldName(ui->label_DistanceO2PH), ui->lineEdit_DistanceO2PH->text()),
             fieldcheck::millimetres(fieldName(ui->label_DistanceS2PH),
                                     ui->lineEdit_DistanceS2PH->text(), dots, true),
             fieldcheck::millimetres(fieldName(ui->label_DistanceB2PH),
                                     ui->lineEdit_DistanceB2PH->text(), dots, true),
             fieldcheck::dots(fieldName(ui->label_DistancePH2T),
                              ui->lineEdit_DistancePH2T->text())}))
        return;
    m_host.reportResult(writeDistanceSettings(m_session, values()));
}
