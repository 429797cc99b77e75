#include "gui/pages/pagefields.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "device/settings/settingsengine.h"
#include "device/link/printersession.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QCoreApplication>
#include <QLabel>

namespace pagefields {

namespace {

const char kUnknownAnswer[] = "unknownAnswer";

bool reportReadResult(int shown, int code, QWidget *parent)
{
    if (shown != 0)
        return false;
    if (code == RESULT_OK)
        return true;
    prompts::information(parent, QCoreApplication::translate("MainWindow", "设置工具"),
                         QCoreApplication::translate("MainWindow", "读取失败，请重试"));
    return false;
}

// The field in view whose label reads `name` gets the focus, its text selected, so that
// the user types the value again at once.
void markRefused(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        for (const QLabel *label : top->findChildren<QLabel *>()) {
            auto *edit = qobject_cast<QLineEdit *>(label->buddy());
            if (!edit || !edit->isVisible() || !edit->isEnabled() || fieldName(label) != name)
                continue;
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            return;
        }
    }
}

} // namespace

QString fieldName(const QLabel *label)
{
    QString name = label->text().trimmed();
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A)))
        name.chop(1);
    return name.trimmed();
}

void refuse(QWidget *parent, const QString &name, double min, double max, const QString &title)
{
    prompts::warning(
        parent, title.isEmpty() ? QCoreApplication::translate("MainWindow", "设置工具") : title,
        QCoreApplication::translate("MainWindow", "%1：输入无效，允许范围为 %2 至 %3")
            .arg(name, QString::number(min), QString::number(max)));
    markRefused(name);
}

void showListAnswer(QComboBox *box, int index, int answer)
{
    if (index >= 0 && index < box->count()) {
        box->setProperty(kUnknownAnswer, QVariant());
        box->setCurrentIndex(index);
        return;
    }
    box->setProperty(kUnknownAnswer, answer);
    box->setPlaceholderText(QCoreApplication::translate("MainWindow", "未知"));
    box->setCurrentIndex(-1);
}

int listByte(const QComboBox *box)
{
    if (box->currentIndex() >= 0)
        return box->currentIndex();
    const QVariant answer = box->property(kUnknownAnswer);
    return answer.isValid() ? answer.toInt() : -1;
}

bool reportRead(PageHost &host, const settingsengine::ReadResult &read)
{
    // The page's own result may pass over a query it does not report; the settings that
    // query left unread must not go back to the printer as if read.
    if (read.reported == RESULT_OK && !read.complete)
        return reportReadResult(0, RESULT_BAD_REPLY, host.dialogParent());
    return reportReadResult(host.reportResult(read.reported), read.reported, host.dialogParent());
}

} // namespace pagefields
