#include "app/tabledialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TableDialog::TableDialog(QWidget *parent, const QString &title, const QString &intro,
                         const QStringList &headers, const QList<QStringList> &rows,
                         const QString &acceptText)
    : QDialog(parent), m_table(new QTableWidget(rows.size(), headers.size(), this))
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("TableDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(intro, this);
    label->setObjectName(QStringLiteral("label_TableIntro"));
    label->setWordWrap(true);
    layout->addWidget(label);

    m_table->setObjectName(QStringLiteral("tableWidget_Results"));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(true);
    m_table->verticalHeader()->hide();
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < headers.size(); ++c) {
            auto *item = new QTableWidgetItem(rows.at(r).value(c));
            item->setToolTip(item->text());
            m_table->setItem(r, c, item);
        }
    }
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
    layout->addWidget(m_table);

    auto *buttons = new QDialogButtonBox(this);
    if (acceptText.isEmpty()) {
        buttons->addButton(QDialogButtonBox::Close);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    } else {
        QPushButton *accept = buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
        accept->setObjectName(QStringLiteral("pushButton_TableAccept"));
        buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("取消"));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }
    layout->addWidget(buttons);
    resize(760, 420);
}
