#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace fw {

namespace {

// The dialogs of the desktop, each shown modally in front of the active window.
class QtDialogService final : public DialogService {
public:
    void msgBox(const QString& text) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(QCoreApplication::applicationName());
        box.setText(text);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }

    Answer messageDialog(const MessageDialog& dialog) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(QCoreApplication::applicationName());
        box.setIcon(dialog.Icon == 1   ? QMessageBox::Warning
                    : dialog.Icon == 2 ? QMessageBox::Critical
                    : dialog.Icon == 3 ? QMessageBox::Question
                                       : QMessageBox::Information);
        box.setText(dialog.Message);
        box.setInformativeText(dialog.Explanation);
        QPushButton* action = box.addButton(dialog.ActionButton.Caption, QMessageBox::AcceptRole);
        QPushButton* cancel = nullptr;
        QPushButton* alternate = nullptr;
        if (dialog.CancelButton.Visible)
            cancel = box.addButton(dialog.CancelButton.Caption, QMessageBox::RejectRole);
        if (dialog.AlternateActionButton.Visible)
            alternate =
                box.addButton(dialog.AlternateActionButton.Caption, QMessageBox::DestructiveRole);
        box.setDefaultButton(action);
        if (cancel)
            box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == alternate && alternate)
            return Answer::Alternate;
        if (box.clickedButton() == action)
            return Answer::Action;
        return Answer::Cancel;
    }

    std::optional<QString> saveFile(const QString& title, const QString& prompt,
                                    const QString& folder, const QString& suggestedName,
                                    const QString& filter) override
    {
        QFileDialog dialog(QApplication::activeWindow(), title, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setLabelText(QFileDialog::FileName, prompt);
        dialog.selectFile(suggestedName);
        // A name typed without an extension gets the filter's, so that the
        // question about replacing a file asks about the file really written.
        static const QRegularExpression onePattern(QStringLiteral("\\(\\*\\.(\\w+)\\)"));
        if (const QRegularExpressionMatch match = onePattern.match(filter); match.hasMatch())
            dialog.setDefaultSuffix(match.captured(1));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    std::optional<QString> openFile(const QString& title, const QString& folder,
                                    const QString& filter) override
    {
        const QString path =
            QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }
};

DialogService* installed = nullptr;

} // namespace

DialogService& DialogService::current()
{
    if (installed)
        return *installed;
    static QtDialogService desktop;
    return desktop;
}

void DialogService::install(DialogService* service) { installed = service; }

const MessageDialogButton* MessageDialog::ShowModal()
{
    switch (DialogService::current().messageDialog(*this)) {
    case DialogService::Answer::Action:
        return &ActionButton;
    case DialogService::Answer::Alternate:
        return &AlternateActionButton;
    case DialogService::Answer::Cancel:
        break;
    }
    return &CancelButton;
}

void MsgBox(const QString& text) { DialogService::current().msgBox(text); }

} // namespace fw
