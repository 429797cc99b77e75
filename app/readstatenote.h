#pragma once

#include <QLabel>

class QAbstractButton;

// "尚未读取" beside a settings page's Read and Set buttons until a read has succeeded for
// the open printer; the fields keep whatever they show. A page enables its Set button
// exactly then (a read that succeeded for this printer) and disables it when another
// printer is opened or the connection goes, so the note follows that button's own state.
class ReadStateNote : public QLabel
{
    Q_OBJECT

public:
    // Put in the buttons' row, just before `readButton`.
    ReadStateNote(QAbstractButton *readButton, QAbstractButton *setButton);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QAbstractButton *m_setButton;
};
