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

    // Says why the page must be read again, for example after a write that did not come
    // from the page; until a read enables the Set button again, or an empty `reason`.
    void setReason(const QString &reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QAbstractButton *m_setButton;
    QString m_reason;
};
