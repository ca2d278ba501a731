#include "PopupMenu.h"

namespace fw {

PopupMenu::PopupMenu(QWidget* parent, const Bounds& bounds, const TextStyle& style)
    : QComboBox(parent)
{
    setBounds(bounds);
    applyTextStyle(*this, style);
    // Only a choice by the player raises Change; QComboBox's activated signal
    // is not emitted for changes made from code.
    connect(this, &QComboBox::activated, this, [this](int) {
        if (onChange)
            onChange();
    });
}

void PopupMenu::DeleteAllRows() { clear(); }

void PopupMenu::AddRow(const QString& text) { addItem(text); }

void PopupMenu::setListIndex(int row) { setCurrentIndex(row >= 0 && row < count() ? row : -1); }

void PopupMenu::choose(int row)
{
    setListIndex(row);
    emit activated(currentIndex());
}

} // namespace fw
