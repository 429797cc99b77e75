// The print settings page: speed, density, gaps, direction, paper, code page, command
// set, label size and menu language, read from and written to the open printer.
#include "app/mainwindow.h"

#include "app/globals.h"
#include "protocol/printersession.h"
#include "protocol/frame.h"
#include "settings/labelsizestore.h"
#include "settings/pagefields.h"
#include "settings/printcodec.h"
#include "ui_mainwindow.h"

#include <QDebug>

namespace {

QByteArray indexByte(const QComboBox *box)
{
    return QByteArray(1, char(uint8_t(box->currentIndex())));
}

// A list the printer answered with a value it does not have stays as the printer
// has it until the user picks an entry: no frame is sent for it.
int sendIndex(PrinterSession &session, uint8_t item, const QComboBox *box)
{
    if (box->currentIndex() < 0) {
        qDebug("item %02X unknown, not sent", item);
        return RESULT_OK;
    }
    return session.sendSet(item, indexByte(box));
}

int sendMillimetres(PrinterSession &session, uint8_t item, const QLineEdit *edit)
{
    const int mm = printcodec::boxInteger(edit->text());
    qDebug("mm: %d", mm);
    qDebug("dot: %d", int(qint64(mm) * session.dotsPerMm()));
    return session.sendSet(item, printcodec::millimetresToDots(mm, session.dotsPerMm()));
}

// Every millimetre box and the label size must fit their 16-bit dot fields: gaps and
// sizes unsigned, offsets signed.
bool fieldsAccepted(MainWindow *window)
{
    const Ui::MainWindow *ui = window->ui;
    using pagefields::fieldName;
    return pagefields::acceptAll(
        window,
        {fieldcheck::millimetres(fieldName(ui->label_LabelGap), ui->lineEdit_LabelGap->text(),
                                 window->session().dotsPerMm(), false),
         fieldcheck::millimetres(fieldName(ui->label_BlackLabelGap),
                                 ui->lineEdit_BlackLabelGap->text(), window->session().dotsPerMm(),
                                 false),
         fieldcheck::millimetres(fieldName(ui->label_VerticalShift),
                                 ui->lineEdit_VerticalShift->text(), window->session().dotsPerMm(),
                                 true),
         fieldcheck::millimetres(fieldName(ui->label_PrintShift), ui->lineEdit_PrintShift->text(),
                                 window->session().dotsPerMm(), true),
         fieldcheck::labelSize(fieldName(ui->label_LabelWidth), ui->lineEdit->text(),
                               window->session().dotsPerMm()),
         fieldcheck::labelSize(fieldName(ui->label_LabelHeight), ui->lineEdit_2->text(),
                               window->session().dotsPerMm())});
}

} // namespace

int MainWindow::Print_Init()
{
    // Every query runs; a failed one leaves its widgets as they were.
    pagefields::QueryRun read(session());
    const unsigned char *out = read.answer();

    if (read.query(INFO_PRINT_SPEED))
        pagefields::showListAnswer(ui->comboBox_PrintSpeed, out[0]);
    if (read.query(INFO_PRINT_DENSITY))
        pagefields::showListAnswer(ui->comboBox_PrintDensty, out[0]);
    if (read.query(INFO_LABEL_GAP))
        ui->lineEdit_LabelGap->setText(
            QString::number(printcodec::unsignedDotsToMillimetres(out, session().dotsPerMm())));
    if (read.query(INFO_BLACK_MARK_GAP))
        ui->lineEdit_BlackLabelGap->setText(
            QString::number(printcodec::unsignedDotsToMillimetres(out, session().dotsPerMm())));
    if (read.query(INFO_PRINT_DIRECTION)) {
        ui->comboBox_PrintDirection->setCurrentIndex(out[0] != 0 ? 1 : 0);
        ui->comboBox_PrintMethod->setCurrentIndex(out[1] != 0 ? 1 : 0);
    }
    if (read.query(INFO_PRINT_OFFSET))
        ui->lineEdit_PrintShift->setText(
            QString::number(printcodec::signedDotsToMillimetres(out, session().dotsPerMm())));
    if (read.query(INFO_VERTICAL_OFFSET))
        ui->lineEdit_VerticalShift->setText(
            QString::number(printcodec::signedDotsToMillimetres(out, session().dotsPerMm())));
    if (session().hasPrintMode() && read.query(INFO_PRINT_MODE))
        ui->comboBox_PrintMode->setCurrentIndex(printcodec::printModeIndex(out[0]));
    if (read.query(INFO_PAPER_TYPE))
        ui->comboBox_PaperType->setCurrentIndex(printcodec::paperTypeIndex(out[0]));
    if (read.query(INFO_CODE_PAGE))
        pagefields::showListAnswer(ui->comboBox_DefaultCodePage, out[0]);
    if (read.query(INFO_COMMAND_SET)) {
        const QString name = printcodec::commandSetCodes().value(out[0]);
        const int index = name.isEmpty() ? -1 : ui->comboBox_OrderSet->findText(name);
        pagefields::showListAnswer(ui->comboBox_OrderSet, index, out[0]);
    }
    if (!session().hasPrintMode() && read.query(INFO_AUTO_PAPER))
        pagefields::showListAnswer(ui->comboBox_AutoPaper, out[0]);
    if (read.query(INFO_LABEL_SIZE)) {
        // Shown as read; the fix-ups keep the last value the user typed.
        ui->lineEdit_2->setText(printcodec::labelSizeText(frame::s16(out), session().dotsPerMm()));
        ui->lineEdit->setText(
            printcodec::labelSizeText(frame::s16(out + 2), session().dotsPerMm()));
    }
    if (read.query(INFO_MENU_LANGUAGE))
        pagefields::showListAnswer(ui->comboBox, out[0]);
    return read.result();
}

int MainWindow::Set_Send_DEFAULT_CODE_Instruction()
{
    return sendIndex(session(), INFO_CODE_PAGE, ui->comboBox_DefaultCodePage);
}

int MainWindow::Set_Send_SPEED_Instruction()
{
    return sendIndex(session(), INFO_PRINT_SPEED, ui->comboBox_PrintSpeed);
}

int MainWindow::Set_Send_Densty_SETTING_Instruction()
{
    return sendIndex(session(), INFO_PRINT_DENSITY, ui->comboBox_PrintDensty);
}

int MainWindow::Set_Send_LABLE_CLEARANCE_Instruction()
{
    return sendMillimetres(session(), INFO_LABEL_GAP, ui->lineEdit_LabelGap);
}

int MainWindow::Set_Send_BLACK_CLEARANCE_Instruction()
{
    return sendMillimetres(session(), INFO_BLACK_MARK_GAP, ui->lineEdit_BlackLabelGap);
}

int MainWindow::Set_Send_PRINT_DIRECTION_Instruction()
{
    return session().sendSet(INFO_PRINT_DIRECTION, indexByte(ui->comboBox_PrintDirection) +
                                                       indexByte(ui->comboBox_PrintMethod));
}

int MainWindow::Set_PRINTER_MODE_Instruction()
{
    return sendIndex(session(), INFO_PRINT_MODE, ui->comboBox_PrintMode);
}

int MainWindow::Set_AUTO_PAPER_Instruction()
{
    return sendIndex(session(), INFO_AUTO_PAPER, ui->comboBox_AutoPaper);
}

int MainWindow::Set_Send_PAPER_TYPE_Instruction()
{
    return sendIndex(session(), INFO_PAPER_TYPE, ui->comboBox_PaperType);
}

int MainWindow::Set_Send_SIMULATION_Instruction()
{
    if (ui->comboBox_OrderSet->currentIndex() < 0)
        return sendIndex(session(), INFO_COMMAND_SET, ui->comboBox_OrderSet);
    const uint8_t code = printcodec::commandSetCode(ui->comboBox_OrderSet->currentText());
    return session().sendSet(INFO_COMMAND_SET, QByteArray(1, char(code)));
}

int MainWindow::Set_Send_VERTICAL_MIGRATION_Instruction()
{
    return sendMillimetres(session(), INFO_VERTICAL_OFFSET, ui->lineEdit_VerticalShift);
}

int MainWindow::Set_Send_PRINT_OFFSET_Instruction()
{
    return sendMillimetres(session(), INFO_PRINT_OFFSET, ui->lineEdit_PrintShift);
}

int MainWindow::Set_Send_LABEL_SIZE_Instruction()
{
    const QString heightText = ui->lineEdit_2->text().trimmed();
    const QString widthText = ui->lineEdit->text().trimmed();
    // Stored before any check: the next start shows what was last written.
    labelsize::store(widthText, heightText);

    double height = 0.0;
    double width = 0.0;
    if (!printcodec::parseLocaleDouble(heightText, &height) ||
        !printcodec::parseLocaleDouble(widthText, &width)) {
        qWarning() << "尺寸输入非法:" << heightText << widthText;
        return RESULT_NO_MEDIUM;
    }
    if (session().dotsPerMm() < 1) {
        qWarning() << "session().dotsPerMm() 非法:" << session().dotsPerMm();
        return RESULT_NO_MEDIUM;
    }

    const QByteArray payload = printcodec::labelSizePayload(height, width, session().dotsPerMm());
    qDebug().noquote() << "SEND:"
                       << frame::hex(frame::build(frame::ClassSet, INFO_LABEL_SIZE, payload));
    return session().sendSet(INFO_LABEL_SIZE, payload);
}

int MainWindow::Set_Send_LG_MODE_Instruction()
{
    return sendIndex(session(), INFO_MENU_LANGUAGE, ui->comboBox);
}

void MainWindow::on_pushButton_PrintSettingRead_clicked()
{
    controlAllWidgets(false);
    if (!requireOpenDevice()) {
        controlAllWidgets(true);
        return;
    }
    int ret;
    {
        PrinterSession::Operation bracket(session());
        ret = Print_Init();
    }
    controlAllWidgets(true);
    ui->pushButton_PrintSettingSet->setEnabled(pagefields::reportRead(this, ret));
}

void MainWindow::on_pushButton_PrintSettingSet_clicked()
{
    if (!requireOpenDevice() || !fieldsAccepted(this))
        return;

    // Results in reporting order; the batch end goes out last but is reported
    // before the menu language.
    enum
    {
        CodePage,
        Speed,
        Density,
        LabelGap,
        BlackGap,
        Direction,
        ModeOrFeed,
        PaperType,
        CommandSet,
        VerticalOffset,
        PrintOffset,
        LabelSize,
        BatchEnd,
        MenuLanguage,
        Count
    };
    int results[Count];
    {
        PrinterSession::Operation bracket(session());
        results[CodePage] = Set_Send_DEFAULT_CODE_Instruction();
        results[Speed] = Set_Send_SPEED_Instruction();
        results[Density] = Set_Send_Densty_SETTING_Instruction();
        results[LabelGap] = Set_Send_LABLE_CLEARANCE_Instruction();
        results[BlackGap] = Set_Send_BLACK_CLEARANCE_Instruction();
        results[Direction] = Set_Send_PRINT_DIRECTION_Instruction();
        results[ModeOrFeed] = session().hasPrintMode() ? Set_PRINTER_MODE_Instruction()
                                                       : Set_AUTO_PAPER_Instruction();
        results[PaperType] = Set_Send_PAPER_TYPE_Instruction();
        results[CommandSet] = Set_Send_SIMULATION_Instruction();
        results[VerticalOffset] = Set_Send_VERTICAL_MIGRATION_Instruction();
        results[PrintOffset] = Set_Send_PRINT_OFFSET_Instruction();
        results[LabelSize] = Set_Send_LABEL_SIZE_Instruction();
        results[MenuLanguage] = Set_Send_LG_MODE_Instruction();
        results[BatchEnd] = session().sendCommand(POWER_SETTINGS_BATCH_END);
    }

    int ret = RESULT_OK;
    for (int code : results) {
        if (code != RESULT_OK) {
            ret = code;
            break;
        }
    }
    Ret_Handler(ret);
}
