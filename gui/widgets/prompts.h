#pragma once

#include <QString>
#include <functional>

class QWidget;
class QDialog;

// Every message box, modal dialog run and file question of the application goes
// through here, so that tests can record them instead of blocking on a real one.
namespace prompts {

enum class Kind
{
    Information,
    Warning,
    Critical
};

struct Message
{
    Kind kind;
    QString title;
    QString text;
    QString action; // of a question: the button that agrees
};

using MessageHandler = std::function<void(QWidget *parent, const Message &message)>;
using DialogHandler = std::function<int(QDialog *dialog)>;
using QuestionHandler = std::function<bool(QWidget *parent, const Message &message)>;
using FileHandler = std::function<QString(QWidget *parent, const QString &caption,
                                          const QString &directory, const QString &filter)>;

// Shows a message box with an OK button (or hands it to the installed handler).
void show(QWidget *parent, Kind kind, const QString &title, const QString &text);
inline void information(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, Kind::Information, title, text);
}
inline void warning(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, Kind::Warning, title, text);
}
inline void critical(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, Kind::Critical, title, text);
}

// Asks before something that cannot be undone. The buttons say what they do: `action`
// (for example "初始化") and "取消", which is the default; true when the user agreed.
bool confirm(QWidget *parent, const QString &title, const QString &text, const QString &action);

// Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
int exec(QDialog *dialog);

// Asks for a file to open; empty when none was chosen.
QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter);

// Asks for a file to save to (an existing one is confirmed first); empty when none was
// chosen. The file handler answers this too.
QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter);

// Where a file dialog starts: `fileName` (may be empty) in the user's documents folder.
QString inDocuments(const QString &fileName = QString());

// Test hooks; an empty handler restores the real boxes.
void setMessageHandler(MessageHandler handler);
void setDialogHandler(DialogHandler handler);
void setQuestionHandler(QuestionHandler handler);
void setFileHandler(FileHandler handler);

} // namespace prompts
