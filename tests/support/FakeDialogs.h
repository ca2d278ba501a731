#pragma once

#include "framework/Dialogs.h"

#include <QStringList>

#include <deque>
#include <optional>

namespace testsupport {

// Answers the program's dialogs from the test: message boxes are recorded,
// questions and file dialogs answered from queues (Cancel and nothing when a
// queue is empty). Installed for the life of the object.
class FakeDialogs : public fw::DialogService {
public:
    FakeDialogs() { fw::DialogService::install(this); }
    ~FakeDialogs() override { fw::DialogService::install(nullptr); }
    FakeDialogs(const FakeDialogs&) = delete;
    FakeDialogs& operator=(const FakeDialogs&) = delete;

    QStringList messages;
    std::deque<Answer> answers;
    // Paths chosen in file dialogs, in turn; an empty entry is a cancelled dialog.
    QStringList files;
    std::vector<fw::MessageDialog> questions;

    void msgBox(const QString& text) override { messages.append(text); }

    Answer messageDialog(const fw::MessageDialog& dialog) override
    {
        questions.push_back(dialog);
        if (answers.empty())
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<QString> saveFile(const QString&, const QString&, const QString&, const QString&,
                                    const QString&) override
    {
        return nextFile();
    }

    std::optional<QString> openFile(const QString&, const QString&, const QString&) override
    {
        return nextFile();
    }

private:
    std::optional<QString> nextFile()
    {
        const QString file = files.isEmpty() ? QString() : files.takeFirst();
        if (file.isEmpty())
            return std::nullopt;
        return file;
    }
};

} // namespace testsupport
