#include "EditField.h"

#include "Window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace fw {

EditField::EditField(QWidget* parent, const Bounds& bounds, const EditFieldOptions& options)
    : QWidget(parent)
{
    setBounds(bounds);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* editor = nullptr;
    if (options.multiline) {
        text_ = new QPlainTextEdit(this);
        text_->setReadOnly(options.readOnly);
        text_->setVerticalScrollBarPolicy(options.verticalScrollBar ? Qt::ScrollBarAsNeeded
                                                                    : Qt::ScrollBarAlwaysOff);
        text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        if (!options.border)
            text_->setFrameShape(QFrame::NoFrame);
        editor = text_;
    } else {
        line_ = new QLineEdit(this);
        line_->setReadOnly(options.readOnly);
        line_->setFrame(options.border);
        editor = line_;
    }
    applyTextStyle(*editor, options.style);
    QPalette palette = editor->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Base, options.backColor);
    editor->setPalette(palette);
    if (!options.helpTag.isEmpty())
        editor->setToolTip(options.helpTag);
    layout->addWidget(editor);
    setFocusProxy(editor);
    editor->installEventFilter(this);
}

QWidget* EditField::editor() const
{
    return line_ ? static_cast<QWidget*>(line_) : static_cast<QWidget*>(text_);
}

QString EditField::Text() const { return line_ ? line_->text() : text_->toPlainText(); }

void EditField::setText(const QString& text)
{
    if (line_)
        line_->setText(text);
    else
        text_->setPlainText(text);
}

bool EditField::ReadOnly() const { return line_ ? line_->isReadOnly() : text_->isReadOnly(); }

int EditField::SelStart() const
{
    if (line_)
        return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
    return text_->textCursor().selectionStart();
}

void EditField::setSelStart(int start)
{
    if (line_) {
        line_->setCursorPosition(start);
    } else {
        QTextCursor cursor = text_->textCursor();
        cursor.setPosition(start);
        text_->setTextCursor(cursor);
    }
}

int EditField::SelLength() const
{
    if (line_)
        return line_->hasSelectedText() ? int(line_->selectedText().size()) : 0;
    const QTextCursor cursor = text_->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void EditField::setSelLength(int length)
{
    // A length past the end selects to the end, as the prompt of a field that
    // is selected whole with a length of 255.
    const int start = SelStart();
    const int end = std::min<int>(start + std::max(0, length), int(Text().size()));
    if (line_) {
        line_->setSelection(start, end - start);
    } else {
        QTextCursor cursor = text_->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        text_->setTextCursor(cursor);
    }
}

QString EditField::SelText() const
{
    return line_ ? line_->selectedText() : text_->textCursor().selectedText();
}

bool EditField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor() && event->type() == QEvent::KeyPress && onKeyDown) {
        const QString key = keyText(*static_cast<QKeyEvent*>(event));
        if (!key.isEmpty() && onKeyDown(key))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace fw
