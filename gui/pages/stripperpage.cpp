#include "gui/pages/stripperpage.h"

#include "gui/widgets/cutdialog.h"
#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "gui/pages/fieldfixups.h"
#include "device/link/printersession.h"
#include "ui_stripperpage.h"

#include <QDebug>

StripperPage::StripperPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), ui(new Ui::StripperPage), m_session(session), m_host(host),
      m_binding(this, QStringLiteral("stripper"), session, host)
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
    // Nothing is asked of a printer whose stripper the user did not confirm.
    PageBinding::Read read;
    read.restFirst = false;
    read.proceed = [this] { return confirmStripperFitted(); };
    m_binding.read(ui->pushButton_StripperSettingSet, read);
}

void StripperPage::on_pushButton_StripperSettingSet_clicked()
{
    PageBinding::Write write;
    write.proceed = [this] { return confirmStripperFitted(); };
    m_binding.write(write);
}
