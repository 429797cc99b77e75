#pragma once

#include "gui/pages/pagebinding.h"

#include <QPointer>
#include <QWidget>

class PageHost;
class PrinterSession;
class QLabel;
class QLineEdit;

namespace Ui {
class PrintPage;
}

// The print settings page: speed, density, gaps, direction, paper, code page, command
// set, label size and menu language. Owns the label-size fix-ups and their tip.
class PrintPage : public QWidget
{
    Q_OBJECT

public:
    PrintPage(PrinterSession &session, PageHost &host, QWidget *parent = nullptr);
    ~PrintPage() override;

    // Adapts the page to the printer just opened: speed list, print mode or paper feed.
    void printerChanged();
    // What was read belongs to a connection that is gone: no write until read again.
    void forgetRead();

    // The yellow tip below a label-size box; at most one exists.
    void showInputTip(QLineEdit *edit, const QString &tip);
    QLabel *currentTipLabel() const;
    void hideTip();

private slots:
    void on_pushButton_PrintSettingRead_clicked();
    void on_pushButton_PrintSettingSet_clicked();

private:
    void fixLabelSize(QLineEdit *edit, const QString &tip, double min, double max, double start);

    Ui::PrintPage *ui;
    PrinterSession &m_session;
    PageHost &m_host;
    PageBinding m_binding;
    QPointer<QLabel> m_tip;
};
