#pragma once

#include "Control.h"
#include "StaticText.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace fw {

struct EditFieldOptions {
    bool multiline = false;
    bool readOnly = false;
    bool border = true;
    bool verticalScrollBar = false;
    QColor backColor = Qt::white;
    QString helpTag;
    TextStyle style;
};

// A text field, single-line or multi-line. KeyDown sees each key first; when it
// returns true the key is consumed.
class EditField : public QWidget, public Control {
public:
    EditField(QWidget* parent, const Bounds& bounds, const EditFieldOptions& options = {});

    QWidget* widget() override { return this; }

    [[nodiscard]] QString Text() const;
    void setText(const QString& text);
    [[nodiscard]] int SelStart() const;
    void setSelStart(int start);
    [[nodiscard]] int SelLength() const;
    void setSelLength(int length);
    [[nodiscard]] QString SelText() const;
    [[nodiscard]] bool ReadOnly() const;

    std::function<bool(const QString& key)> onKeyDown;

    // The Qt widget that takes the typing.
    [[nodiscard]] QWidget* editor() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

} // namespace fw
