#include "gui/widgets/readstatenote.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLayout>

namespace {

// The layout that holds `w`, searched from its parent's top layout down.
QLayout *holder(QLayout *layout, const QWidget *w)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(const_cast<QWidget *>(w)) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *found = holder(layout->itemAt(i)->layout(), w))
            return found;
    return nullptr;
}

} // namespace

ReadStateNote::ReadStateNote(QAbstractButton *readButton, QAbstractButton *setButton)
    : QLabel(readButton->parentWidget()), m_setButton(setButton)
{
    setObjectName(readButton->objectName().replace(QLatin1String("pushButton_"),
                                                   QLatin1String("label_NotRead_")));
    // A filled tag in the scheme's own pair of note colours: it stands out from the page
    // and stays readable in light and dark schemes alike (a placeholder grey did neither).
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setMargin(2);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    auto *row =
        qobject_cast<QBoxLayout *>(holder(readButton->parentWidget()->layout(), readButton));
    if (row)
        row->insertWidget(row->indexOf(readButton), this);
    setButton->installEventFilter(this);
    follow();
}

bool ReadStateNote::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_setButton && event->type() == QEvent::EnabledChange)
        follow();
    return QLabel::eventFilter(watched, event);
}

void ReadStateNote::setReason(const QString &reason)
{
    m_reason = reason;
    follow();
}

void ReadStateNote::follow()
{
    // Only the button's own state: a page resting during an exchange changes nothing.
    const bool unread = m_setButton->testAttribute(Qt::WA_ForceDisabled);
    if (!unread)
        m_reason.clear();
    setText(m_reason.isEmpty() ? tr("尚未读取") : m_reason);
    setVisible(unread);
}
