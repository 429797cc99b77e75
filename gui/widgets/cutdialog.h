#pragma once

#include <QDialog>

namespace Ui {
class CutDialog;
}

// Asks the user to make sure that a stripper is installed before its settings are
// read or written.
class CutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CutDialog(QWidget *parent);
    ~CutDialog() override;

private:
    Ui::CutDialog *ui;
};
