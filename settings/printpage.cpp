#include "settings/printpage.h"

#include "app/pagehost.h"
#include "protocol/printersession.h"
#include "settings/fieldfixups.h"
#include "settings/labelsizestore.h"
#include "settings/pagefields.h"
#include "settings/printcodec.h"
#include "ui_printpage.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>

namespace {

std::optional<int> listIndex(const QComboBox *box)
{
    // A list the printer answered with a value it does not have stays as the printer
    // has it until the user picks an entry.
    if (box->currentIndex() < 0)
        return std::nullopt;
    return box->currentIndex();
}

std::optional<double> labelSize(const QLineEdit *edit)
{
    double value = 0.0;
    if (!printcodec::parseLocaleDouble(edit->text().trimmed(), &value))
        return std::nullopt;
    return value;
}

void showNumber(QLineEdit *edit, const std::optional<int> &value)
{
    if (value)
        edit->setText(QString::number(*value));
}

void showList(QComboBox *box, const std::optional<int> &value)
{
    if (value)
        pagefields::showListAnswer(box, *value);
}

} // namespace

PrintPage::PrintPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), ui(new Ui::PrintPage), m_session(session), m_host(host)
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
    const int speeds = printMode ? 8 : 4;
    for (int i = 0; i < speeds; ++i)
        ui->comboBox_PrintSpeed->addItem(QString::number(i));
    forgetRead();
}

void PrintPage::forgetRead()
{
    ui->pushButton_PrintSettingSet->setEnabled(false);
}

PrintSettings PrintPage::values() const
{
    PrintSettings v;
    v.speed = listIndex(ui->comboBox_PrintSpeed);
    v.density = listIndex(ui->comboBox_PrintDensty);
    v.labelGapMm = printcodec::boxInteger(ui->lineEdit_LabelGap->text());
    v.blackMarkGapMm = printcodec::boxInteger(ui->lineEdit_BlackLabelGap->text());
    v.direction = ui->comboBox_PrintDirection->currentIndex();
    v.method = ui->comboBox_PrintMethod->currentIndex();
    v.printOffsetMm = printcodec::boxInteger(ui->lineEdit_PrintShift->text());
    v.verticalOffsetMm = printcodec::boxInteger(ui->lineEdit_VerticalShift->text());
    v.printMode = listIndex(ui->comboBox_PrintMode);
    v.autoPaper = listIndex(ui->comboBox_AutoPaper);
    v.paperType = listIndex(ui->comboBox_PaperType);
    v.codePage = listIndex(ui->comboBox_DefaultCodePage);
    if (ui->comboBox_OrderSet->currentIndex() >= 0)
        v.commandSet = printcodec::commandSetCode(ui->comboBox_OrderSet->currentText());
    v.widthMm = labelSize(ui->lineEdit);
    v.heightMm = labelSize(ui->lineEdit_2);
    v.menuLanguage = listIndex(ui->comboBox);
    return v;
}

void PrintPage::showValues(const PrintSettings &v)
{
    showList(ui->comboBox_PrintSpeed, v.speed);
    showList(ui->comboBox_PrintDensty, v.density);
    showNumber(ui->lineEdit_LabelGap, v.labelGapMm);
    showNumber(ui->lineEdit_BlackLabelGap, v.blackMarkGapMm);
    if (v.direction)
        ui->comboBox_PrintDirection->setCurrentIndex(*v.direction);
    if (v.method)
        ui->comboBox_PrintMethod->setCurrentIndex(*v.method);
    showNumber(ui->lineEdit_PrintShift, v.printOffsetMm);
    showNumber(ui->lineEdit_VerticalShift, v.verticalOffsetMm);
    if (v.printMode)
        ui->comboBox_PrintMode->setCurrentIndex(*v.printMode);
    if (v.paperType)
        ui->comboBox_PaperType->setCurrentIndex(*v.paperType);
    showList(ui->comboBox_DefaultCodePage, v.codePage);
    if (v.commandSet) {
        const QString name = printcodec::commandSetCodes().value(uint8_t(*v.commandSet));
        const int index = name.isEmpty() ? -1 : ui->comboBox_OrderSet->findText(name);
        pagefields::showListAnswer(ui->comboBox_OrderSet, index, *v.commandSet);
    }
    showList(ui->comboBox_AutoPaper, v.autoPaper);
    // Shown as read; the fix-ups keep the last value the user typed.
    if (v.heightMm)
        ui->lineEdit_2->setText(QString::number(*v.heightMm, 'f', 1));
    if (v.widthMm)
        ui->lineEdit->setText(QString::number(*v.widthMm, 'f', 1));
    showList(ui->comboBox, v.menuLanguage);
}

bool PrintPage::fieldsAccepted()
{
    // Every millimetre box and the label size must fit their 16-bit dot fields: gaps
    // and sizes unsigned, offsets signed.
    using pagefields::fieldName;
    const int dots = m_session.dotsPerMm();
    return pagefields::acceptAll(
        m_host.dialogParent(),
        {fieldcheck::millimetres(fieldName(ui->label_LabelGap), ui->lineEdit_LabelGap->text(), dots,
                                 false),
         fieldcheck::millimetres(fieldName(ui->label_BlackLabelGap),
                                 ui->lineEdit_BlackLabelGap->text(), dots, false),
         fieldcheck::millimetres(fieldName(ui->label_VerticalShift),
                                 ui->lineEdit_VerticalShift->text(), dots, true),
         fieldcheck::millimetres(fieldName(ui->label_PrintShift), ui->lineEdit_PrintShift->text(),
                                 dots, true),
         fieldcheck::labelSize(fieldName(ui->label_LabelWidth), ui->lineEdit->text(), dots),
         fieldcheck::labelSize(fieldName(ui->label_LabelHeight), ui->lineEdit_2->text(), dots)});
}

void PrintPage::on_pushButton_PrintSettingRead_clicked()
{
    m_host.setControlsEnabled(false);
    if (!m_host.requireOpenDevice()) {
        m_host.setControlsEnabled(true);
        return;
    }
    PrintSettings read;
    const int ret = readPrintSettings(m_session, &read);
    showValues(read);
    m_host.setControlsEnabled(true);
    ui->pushButton_PrintSettingSet->setEnabled(pagefields::reportRead(m_host, ret));
}

void PrintPage::on_pushButton_PrintSettingSet_clicked()
{
    if (!m_host.requireOpenDevice() || !fieldsAccepted())
        return;
    // Stored before anything is sent: the next start shows what was last written.
    labelsize::store(ui->lineEdit->text().trimmed(), ui->lineEdit_2->text().trimmed());
    m_host.reportResult(writePrintSettings(m_session, values()));
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
