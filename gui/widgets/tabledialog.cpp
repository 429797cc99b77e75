#include "gui/widgets/tabledialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
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
    // Every column stays in view; long texts wrap in their rows instead.
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A scroll bar that came and went with the rows' heights would refit them forever.
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->viewport()->installEventFilter(this);
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
    QSize size(760, 420);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
}

bool TableDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    return QDialog::eventFilter(watched, event);
}

void TableDialog::fitColumns()
{
    // Columns narrower than an even share keep their width; the others share the rest.
    const int columns = m_table->columnCount();
    QVector<int> natural(columns);
    for (int c = 0; c < columns; ++c)
        natural[c] = qMax(static_cast<const QAbstractItemView *>(m_table)->sizeHintForColumn(c),
                          m_table->horizontalHeader()->sectionSizeHint(c));
    int room = m_table->viewport()->width();
    QVector<bool> settled(columns, false);
    for (bool changed = true; changed;) {
        changed = false;
        const int open = int(std::count(settled.cbegin(), settled.cend(), false));
        if (open == 0)
            break;
        const int share = room / open;
        for (int c = 0; c < columns; ++c) {
            if (!settled[c] && natural[c] <= share) {
                settled[c] = true;
                room -= natural[c];
                changed = true;
            }
        }
    }
    const int open = int(std::count(settled.cbegin(), settled.cend(), false));
    for (int c = 0; c < columns; ++c)
        m_table->setColumnWidth(c, settled[c] ? natural[c] : qMax(40, room / qMax(1, open)));
    m_table->resizeRowsToContents();
}
