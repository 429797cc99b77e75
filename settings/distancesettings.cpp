// The distance page (four paper-path distances) and the stripper page (the time the
// printer waits for a stripped label to be taken).
#include "app/mainwindow.h"

#include "app/cutdialog.h"
#include "app/globals.h"
#include "app/prompts.h"
#include "protocol/printersession.h"
#include "protocol/frame.h"
#include "settings/distancecodec.h"
#include "settings/pagefields.h"
#include "settings/printcodec.h"
#include "ui_mainwindow.h"

#include <QDebug>

namespace {

// Boxes in dots: the low 16 bits of the integer.
int sendDots(PrinterSession &session, uint8_t item, const QLineEdit *edit)
{
    const int dots = printcodec::boxInteger(edit->text());
    return session.sendSet(item, frame::le16(uint16_t(dots & 0xFFFF)));
}

int sendMillimetres(PrinterSession &session, uint8_t item, const QLineEdit *edit)
{
    return session.sendSet(item, printcodec::millimetresToDots(printcodec::boxInteger(edit->text()),
                                                               session.dotsPerMm()));
}

// The dot boxes and the millimetre boxes hold signed 16-bit dot counts.
bool distancesAccepted(MainWindow *window)
{
    const Ui::MainWindow *ui = window->ui;
    using pagefields::fieldName;
    return pagefields::acceptAll(
        window,
        {fieldcheck::dots(fieldName(ui->label_DistanceO2PH), ui->lineEdit_DistanceO2PH->text()),
         fieldcheck::millimetres(fieldName(ui->label_DistanceS2PH),
                                 ui->lineEdit_DistanceS2PH->text(), window->session().dotsPerMm(),
                                 true),
         fieldcheck::millimetres(fieldName(ui->label_DistanceB2PH),
                                 ui->lineEdit_DistanceB2PH->text(), window->session().dotsPerMm(),
                                 true),
         fieldcheck::dots(fieldName(ui->label_DistancePH2T), ui->lineEdit_DistancePH2T->text())});
}

} // namespace

int MainWindow::Distance_Init()
{
    // Every query runs; a failed one leaves its widgets as they were.
    pagefields::QueryRun read(session());
    const unsigned char *out = read.answer();
    if (read.query(INFO_DISTANCE_OUTLET))
        ui->lineEdit_DistanceO2PH->setText(QString::number(frame::s16(out)));
    if (read.query(INFO_DISTANCE_GAP_SENSOR))
        ui->lineEdit_DistanceS2PH->setText(
            QString::number(printcodec::signedDotsToMillimetres(out, session().dotsPerMm())));
    if (read.query(INFO_DISTANCE_BLACK_SENSOR))
        ui->lineEdit_DistanceB2PH->setText(
            QString::number(printcodec::signedDotsToMillimetres(out, session().dotsPerMm())));
    if (read.query(INFO_DISTANCE_TEAR))
        ui->lineEdit_DistancePH2T->setText(QString::number(frame::s16(out)));
    return read.result();
}

int MainWindow::Set_Send_THE_DISTANCE_OF_THE_PAPER_EDGE_IS_OUT_Instruction()
{
    return sendDots(session(), INFO_DISTANCE_OUTLET, ui->lineEdit_DistanceO2PH);
}

int MainWindow::Set_Send_SEAM_TO_PRINT_HRAD_DISTANCE_Instruction()
{
    return sendMillimetres(session(), INFO_DISTANCE_GAP_SENSOR, ui->lineEdit_DistanceS2PH);
}

int MainWindow::Set_Send_BLACK_TO_PRINT_HEAD_DISTANCE_Instruction()
{
    return sendMillimetres(session(), INFO_DISTANCE_BLACK_SENSOR, ui->lineEdit_DistanceB2PH);
}

int MainWindow::Set_Send_PRINT_HEAD_TO_TEAR_DISTANCE_Instruction()
{
    return sendDots(session(), INFO_DISTANCE_TEAR, ui->lineEdit_DistancePH2T);
}

int MainWindow::Set_Send_CUT_DIS_Instruction()
{
    const int seconds = printcodec::boxInteger(ui->lineEdit_PaperTime->text());
    return session().sendSet(INFO_STRIPPER_TIME, distancecodec::stripperTimePayload(seconds));
}

bool MainWindow::confirmStripperFitted()
{
    if (!session().stripperConfirmed()) {
        CutDialog dialog(this);
        if (prompts::exec(&dialog) == QDialog::Rejected) {
            qDebug() << "return Rejected";
            return false;
        }
    }
    session().setStripperConfirmed(true);
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
        PrinterSession::Operation bracket(session());
        ret = Distance_Init();
    }
    controlAllWidgets(true);
    ui->pushButton_DistanceSettingSet->setEnabled(pagefields::reportRead(this, ret));
}

void MainWindow::on_pushButton_DistanceSettingSet_clicked()
{
    if (!requireOpenDevice() || !distancesAccepted(this))
        return;
    int results[4];
    {
        PrinterSession::Operation bracket(session());
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
        PrinterSession::Operation bracket(session());
        controlAllWidgets(false);
        unsigned char out[frame::kQueryOutSize];
        ret = session().queryInfo(INFO_STRIPPER_TIME, out);
        if (ret == RESULT_OK)
            ui->lineEdit_PaperTime->setText(
                QString::number(distancecodec::stripperSecondsFromReply(out)));
    }
    controlAllWidgets(true);
    ui->pushButton_StripperSettingSet->setEnabled(pagefields::reportRead(this, ret));
}

void MainWindow::on_pushButton_StripperSettingSet_clicked()
{
    // The time travels as 16-bit milliseconds.
    if (!requireOpenDevice() ||
        !pagefields::acceptAll(this,
                               {fieldcheck::integer(pagefields::fieldName(ui->label_PaperTime),
                                                    ui->lineEdit_PaperTime->text(), 0,
                                                    distancecodec::kMaxStripperSeconds)}) ||
        !confirmStripperFitted())
        return;
    int ret;
    {
        PrinterSession::Operation bracket(session());
        ret = Set_Send_CUT_DIS_Instruction();
    }
    Ret_Handler(ret);
}
