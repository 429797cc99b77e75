#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QTableWidget;

// A table with a sentence above it, for the connection doctor's findings and for the
// settings a profile would change. With an accept text the dialog asks (accept and
// cancel buttons), without one it only shows (a close button).
class TableDialog : public QDialog
{
    Q_OBJECT

public:
    TableDialog(QWidget *parent, const QString &title, const QString &intro,
                const QStringList &headers, const QList<QStringList> &rows,
                const QString &acceptText = QString());

    QTableWidget *table() const { return m_table; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitColumns();

    QTableWidget *m_table;
};
