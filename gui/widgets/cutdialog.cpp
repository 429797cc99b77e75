#include "gui/widgets/cutdialog.h"

#include "ui_cutdialog.h"

#include <QPushButton>

CutDialog::CutDialog(QWidget *parent) : QDialog(parent), ui(new Ui::CutDialog)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
}

CutDialog::~CutDialog()
{
    delete ui;
}
