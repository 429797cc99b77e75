// The distance page (four paper-path distances) and the stripper page (the time the
// printer waits for a stripped label to be taken).
#include "app/mainwindow.h"

#include "app/cutdialog.h"
#include "app/globals.h"
#include "app/prompts.h"
#include "protocol/exchange.h"
#include "protocol/frame.h"
#include "settings/distancecodec.h"
#include "settings/printcodec.h"
#include "ui_mainwindow.h"

#include <QDebug>

namespace {

// Boxes in dots: the low 16 bits of the integer.
int sendDots(uint8_t item, const QLineEdit *edit)
{
    const int dots = printcodec::boxInteger(edit->text());
    return sendSetFrame(item, frame::le16(uint16_t(dots & 0xFFFF)));
}

int sendMillimetres(uint8_t item, const QLineEdit *edit)
{
    return sendSetFrame(
        item, printcodec::millimetresToDots(printcodec::boxInteger(edit->text()), mmToDot));
}

} // namespace

int MainWindow::Distance_Init()
{
    unsigned char out[frame::kQueryOutSize];
    int ret = GetPrinterInfo(INFO_DISTANCE_OUTLET, out, ret_mode);
    if (ret == RESULT_OK)
        ui->lineEdit_DistanceO2PH->setText(QString::number(frame::s16(out)));
    ret = GetPrinterInfo(INFO_DISTANCE_GAP_SENSOR, out, ret_mode);
    if (ret == RESULT_OK)
        ui->lineEdit_DistanceS2PH->setText(
            QString::number(printcodec::signedDotsToMillimetres(out, mmToDot)));
    ret = GetPrinterInfo(INFO_DISTANCE_BLACK_SENSOR, out, ret_mode);
    if (ret == RESULT_OK)
        ui->lineEdit_DistanceB2PH->setText(
            QString::number(printcodec::signedDotsToMillimetres(out, mmToDot)));
    // Only the last query decides the result.
    ret = GetPrinterInfo(INFO_DISTANCE_TEAR, out, ret_mode);
    if (ret == RESULT_OK)
        ui->lineEdit_DistancePH2T->setText(QString::number(frame::s16(out)));
    return ret;
}

int MainWindow::Set_Send_THE_DISTANCE_OF_THE_PAPER_EDGE_IS_OUT_Instruction()
{
    return sendDots(INFO_DISTANCE_OUTLET, ui->lineEdit_DistanceO2PH);
}

int MainWindow::Set_Send_SEAM_TO_PRINT_HRAD_DISTANCE_Instruction()
{
    return sendMillimetres(INFO_DISTANCE_GAP_SENSOR, ui->lineEdit_DistanceS2PH);
}

int MainWindow::Set_Send_BLACK_TO_PRINT_HEAD_DISTANCE_Instruction()
{
    return sendMillimetres(INFO_DISTANCE_BLACK_SENSOR, ui->lineEdit_DistanceB2PH);
}

int MainWindow::Set_Send_PRINT_HEAD_TO_TEAR_DISTANCE_Instruction()
{
    return sendDots(INFO_DISTANCE_TEAR, ui->lineEdit_DistancePH2T);
}

int MainWindow::Set_Send_CUT_DIS_Instruction()
{
    const int seconds = printcodec::boxInteger(ui->lineEdit_PaperTime->text());
    const int limited = distancecodec::limitStripperSeconds(seconds);
    if (limited != seconds) {
        // The box shows what the printer gets rather than a value it cannot hold.
        qDebug() << "stripper time limited:" << seconds << "->" << limited;
        ui->lineEdit_PaperTime->setText(QString::number(limited));
        lastValidInt.insert(ui->lineEdit_PaperTime, limited);
    }
    return sendSetFrame(INFO_STRIPPER_TIME, distancecodec::stripperTimePayload(limited));
}

bool MainWindow::confirmStripperFitted()
{
    if (CHECK_STATUES == 0) {
        CutDialog dialog(this);
        if (prompts::exec(&dialog) == QDialog::Rejected) {
            qDebug() << "return Rejected";
            return false;
        }
    }
    CHECK_STATUES = 1;
    return true;
}

void MainWindow::on_pushButton_DistanceSettingRead_clicked()
{
    controlAllWidgets(false);
    if (!requireOpenDevice()) {
        controlAllWidgets(true);
        return;
    }
    int ret;
    {
        NetworkBracket bracket;
        ret = Distance_Init();
    }
    controlAllWidgets(true);
    ui->pushButton_DistanceSettingSet->setEnabled(true);
    Ret_Handler(ret);
}

void MainWindow::on_pushButton_DistanceSettingSet_clicked()
{
    if (!requireOpenDevice())
        return;
    int results[4];
    {
        NetworkBracket bracket;
        results[0] = Set_Send_THE_DISTANCE_OF_THE_PAPER_EDGE_IS_OUT_Instruction();
        results[1] = Set_Send_SEAM_TO_PRINT_HRAD_DISTANCE_Instruction();
        results[2] = Set_Send_BLACK_TO_PRINT_HEAD_DISTANCE_Instruction();
        results[3] = Set_Send_PRINT_HEAD_TO_TEAR_DISTANCE_Instruction();
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

void MainWindow::on_pushButton_StripperSettingRead_clicked()
{
    if (!requireOpenDevice() || !confirmStripperFitted())
        return;
    int ret;
    {
        NetworkBracket bracket;
        controlAllWidgets(false);
        unsigned char out[frame::kQueryOutSize];
        ret = GetPrinterInfo(INFO_STRIPPER_TIME, out, ret_mode);
        if (ret == RESULT_OK)
            ui->lineEdit_PaperTime->setText(
                QString::number(distancecodec::stripperSecondsFromReply(out)));
    }
    controlAllWidgets(true);
    if (Ret_Handler(ret) == 0)
        ui->pushButton_StripperSettingSet->setEnabled(true);
}

void MainWindow::on_pushButton_StripperSettingSet_clicked()
{
    if (!requireOpenDevice() || !confirmStripperFitted())
        return;
    int ret;
    {
        NetworkBracket bracket;
        ret = Set_Send_CUT_DIS_Instruction();
    }
    Ret_Handler(ret);
}
