#include "gui/widgets/prompts.h"

#include <QDialog>
#include <QDir>
#include <QStandardPaths>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QCoreApplication>

namespace prompts {
namespace {
MessageHandler &messageHandler()
{
    static MessageHandler handler;
    return handler;
}
DialogHandler &dialogHandler()
{
    static DialogHandler handler;
    return handler;
}
QuestionHandler &questionHandler()
{
    static QuestionHandler handler;
    return handler;
}
FileHandler &fileHandler()
{
    static FileHandler handler;
    return handler;
}
} // namespace

void show(QWidget *parent, Kind kind, const QString &title, const QString &text)
{
    if (messageHandler()) {
        messageHandler()(parent, Message{kind, title, text, QString()});
        return;
    }
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(parent, title, text, QMessageBox::Ok);
        break;
    case Kind::Warning:
        QMessageBox::warning(parent, title, text, QMessageBox::Ok);
        break;
    case Kind::Critical:
        QMessageBox::critical(parent, title, text, QMessageBox::Ok);
        break;
    }
}

bool confirm(QWidget *parent, const QString &title, const QString &text, const QString &action)
{
    if (questionHandler())
        return questionHandler()(parent, Message{Kind::Warning, title, text, action});
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QPushButton *agree = box.addButton(action, QMessageBox::AcceptRole);
    QPushButton *cancel =
        box.addButton(QCoreApplication::translate("prompts", "取消"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == agree;
}

int exec(QDialog *dialog)
{
    if (dialogHandler())
        return dialogHandler()(dialog);
    return dialog->exec();
}

QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter)
{
    if (fileHandler())
        return fileHandler()(parent, caption, directory, filter);
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter)
{
    if (fileHandler())
        return fileHandler()(parent, caption, directory, filter);
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

QString inDocuments(const QString &fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return fileName.isEmpty() ? folder : QDir(folder).filePath(fileName);
}

void setMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}
void setDialogHandler(DialogHandler handler)
{
    dialogHandler() = std::move(handler);
}
void setQuestionHandler(QuestionHandler handler)
{
    questionHandler() = std::move(handler);
}
void setFileHandler(FileHandler handler)
{
    fileHandler() = std::move(handler);
}

} // namespace prompts
