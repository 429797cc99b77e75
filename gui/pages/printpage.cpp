#include "gui/pages/printpage.h"

#include "gui/widgets/pagehost.h"
#include "gui/pages/fieldfixups.h"
#include "core/settings/labelsizestore.h"
#include "gui/pages/pagefields.h"
#include "device/settings/settingsengine.h"
#include "core/settings/settingtable.h"
#include "device/link/printersession.h"
#include "ui_printpage.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>

PrintPage::PrintPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), ui(new Ui::PrintPage), m_session(session), m_host(host),
      m_binding(this, QStringLiteral("print"))
{
    ui->setupUi(this);
    {
        const QSignalBlocker blockWidth(ui->lineEdit);
        const QSignalBlocker blockHeight(ui->lineEdit_2);
        ui->lineEdit->setText(QString::number(labelsize::storedWidth(), 'f', 1));
        ui->lineEdit_2->setText(QString::number(labelsize::storedHeight(), 'f', 1));
    }
    connect(ui->lineEdit, &QLineEdit::editingFinished, this, [this] {
        fixLabelSize(ui->lineEdit, tr("宽度范围20-108mm，请重新输入"), 20.0, 108.0,
                     labelsize::storedWidth());
    });
    connect(ui->lineEdit_2, &QLineEdit::editingFinished, this, [this] {
        fixLabelSize(ui->lineEdit_2, tr("高度范围10-1778mm，请重新输入"), 10.0, 1778.0,
                     labelsize::storedHeight());
    });
    for (QLineEdit *edit : {ui->lineEdit_LabelGap, ui->lineEdit_BlackLabelGap,
                            ui->lineEdit_VerticalShift, ui->lineEdit_PrintShift})
        fieldfixups::attachInteger(edit);
}

PrintPage::~PrintPage()
{
    delete m_tip;
    delete ui;
}

void PrintPage::printerChanged()
{
    const bool printMode = m_session.hasPrintMode();
    ui->comboBox_PrintMode->setEnabled(printMode);
    ui->label_41->setEnabled(printMode);
    ui->comboBox_AutoPaper->setEnabled(!printMode);
    ui->label_28->setEnabled(!printMode);
    ui->comboBox_PrintSpeed->clear();
    // The speeds the model has, as the profile check knows them.
    const int speeds =
        settingtable::entries(*settingtable::find(QStringLiteral("print"), QStringLiteral("speed")),
                              settingtable::ModelFacts{m_session.dotsPerMm(), printMode});
    for (int i = 0; i < speeds; ++i)
        ui->comboBox_PrintSpeed->addItem(QString::number(i));
    forgetRead();
}

void PrintPage::forgetRead()
{
    ui->pushButton_PrintSettingSet->setEnabled(false);
}

void PrintPage::on_pushButton_PrintSettingRead_clicked()
{
    m_host.setControlsEnabled(false);
    if (!m_host.requireOpenDevice()) {
        m_host.setControlsEnabled(true);
        return;
    }
    QJsonObject read;
    const settingsengine::ReadResult ret =
        settingsengine::read(m_session, QStringLiteral("print"), &read);
    // Shown as read; the fix-ups keep the last value the user typed.
    m_binding.show(read);
    m_host.setControlsEnabled(true);
    ui->pushButton_PrintSettingSet->setEnabled(pagefields::reportRead(m_host, ret));
}

void PrintPage::on_pushButton_PrintSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const QJsonObject values = m_binding.values();
    if (!m_binding.accept(m_host, values, values.keys(), m_session.dotsPerMm()))
        return;
    // Stored before anything is sent: the next start shows what was last written.
    labelsize::store(ui->lineEdit->text().trimmed(), ui->lineEdit_2->text().trimmed());
    m_host.reportResult(
        settingsengine::write(m_session, QStringLiteral("print"), values, QJsonObject()));
}

void PrintPage::fixLabelSize(QLineEdit *edit, const QString &tip, double min, double max,
                             double start)
{
    if (fieldfixups::fixDecimal(edit, min, max, start))
        showInputTip(edit, tip);
}

void PrintPage::showInputTip(QLineEdit *edit, const QString &tip)
{
    hideTip();
    m_tip = new QLabel(tip, nullptr, Qt::ToolTip);
    m_tip->setAttribute(Qt::WA_ShowWithoutActivating);
    m_tip->setStyleSheet(QStringLiteral(
        "background-color: yellow; color: black; border: 1px solid gray; padding: 2px;"));
    m_tip->adjustSize();
    m_tip->move(edit->mapToGlobal(QPoint(0, edit->height())));
    m_tip->show();
    QTimer::singleShot(3000, this, [this] { delete m_tip; });
}

QLabel *PrintPage::currentTipLabel() const
{
    return m_tip;
}

void PrintPage::hideTip()
{
    if (m_tip)
        m_tip->deleteLater();
    m_tip = nullptr;
}
