#include "settings/stripperpage.h"

#include "app/cutdialog.h"
#include "app/pagehost.h"
#include "app/prompts.h"
#include "protocol/printersession.h"
#include "settings/distancecodec.h"
#include "settings/fieldfixups.h"
#include "settings/pagefields.h"
#include "settings/printcodec.h"
#include "settings/printsettingsio.h"
#include "ui_stripperpage.h"

#include <QDebug>

StripperPage::StripperPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), ui(new Ui::StripperPage), m_session(session), m_host(host)
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
    StripperSettings read;
    const int ret = readStripperSettings(m_session, &read);
    if (read.takeAwaySeconds)
        ui->lineEdit_PaperTime->setText(QString::number(*read.takeAwaySeconds));
    m_host.setControlsEnabled(true);
    ui->pushButton_StripperSettingSet->setEnabled(pagefields::reportRead(m_host, ret));
}

void StripperPage::on_pushButton_StripperSettingSet_clicked()
{
    // The time travels as 16-bit milliseconds.
    if (!m_host.requireOpenDevice() ||
        !pagefields::acceptAll(m_host.dialogParent(),
                               {fieldcheck::integer(pagefields::fieldName(ui->label_PaperTime),
                                                    ui->lineEdit_PaperTime->text(), 0,
                                                    distancecodec::kMaxStripperSeconds)}) ||
        !confirmStripperFitted())
        return;
    StripperSettings values;
    values.takeAwaySeconds = printcodec::boxInteger(ui->lineEdit_PaperTime->text());
    m_host.reportResult(writeStripperSettings(m_session, values));
}
