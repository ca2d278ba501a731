#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace fw {

class MessageDialogButton {
public:
    QString Caption;
    bool Visible = true;
};

// A question with up to three buttons. ShowModal returns the button pressed,
// to be compared by identity with the dialog's own buttons.
class MessageDialog {
public:
    int Icon = 0;
    QString Message;
    QString Explanation;
    MessageDialogButton ActionButton{QStringLiteral("OK"), true};
    MessageDialogButton CancelButton{QStringLiteral("Cancel"), false};
    MessageDialogButton AlternateActionButton{QString(), false};

    const MessageDialogButton* ShowModal();
};

// The dialogs of the program, behind one service so that tests can answer
// them without a modal loop.
class DialogService {
public:
    enum class Answer { Action, Cancel, Alternate };

    virtual ~DialogService() = default;
    virtual void msgBox(const QString& text) = 0;
    virtual Answer messageDialog(const MessageDialog& dialog) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> saveFile(const QString& title, const QString& prompt,
                                            const QString& folder, const QString& suggestedName,
                                            const QString& filter) = 0;
    virtual std::optional<QString> openFile(const QString& title, const QString& folder,
                                            const QString& filter) = 0;

    static DialogService& current();
    // Installs a service; nullptr goes back to the real dialogs. The caller
    // keeps ownership.
    static void install(DialogService* service);
};

// A one-button message box; returns when it is dismissed.
void MsgBox(const QString& text);

} // namespace fw
