#pragma once

#include "gui/widgets/prompts.h"

#include <QDialog>
#include <QList>
#include <QStringList>

// Records every message box instead of showing it, and answers modal dialogs and
// file questions with scripted results. Restores the real boxes when destroyed.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        prompts::setMessageHandler(
            [this](QWidget *, const prompts::Message &message) { messages.append(message); });
        prompts::setDialogHandler([this](QDialog *dialog) {
            dialogTitles.append(dialog->windowTitle());
            return dialogResult;
        });
        prompts::setQuestionHandler([this](QWidget *, const prompts::Message &message) {
            questions.append(message.text);
            questionActions.append(message.action);
            return questionAnswer;
        });
        prompts::setFileHandler([this](QWidget *, const QString &caption, const QString &directory,
                                       const QString &filter) {
            fileCaptions.append(caption);
            fileDirectories.append(directory);
            fileFilters.append(filter);
            return fileToOpen;
        });
    }
    ~MessageRecorder()
    {
        prompts::setMessageHandler(nullptr);
        prompts::setDialogHandler(nullptr);
        prompts::setQuestionHandler(nullptr);
        prompts::setFileHandler(nullptr);
    }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList texts() const
    {
        QStringList out;
        for (const prompts::Message &m : messages)
            out << m.text;
        return out;
    }
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
    void clear()
    {
        messages.clear();
        dialogTitles = fileCaptions = fileFilters = fileDirectories = questions = questionActions =
            QStringList();
    }

    QList<prompts::Message> messages;
    QStringList dialogTitles, fileCaptions, fileFilters, fileDirectories, questions,
        questionActions;
    bool questionAnswer = true;
    int dialogResult = QDialog::Accepted;
    QString fileToOpen;
};
