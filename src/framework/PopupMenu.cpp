#include "PopupMenu.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QWheelEvent>

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

void PopupMenu::wheelEvent(QWheelEvent* event)
{
    // QComboBox steps through the rows of a closed menu and reports each step
    // as a choice; the turn goes to the parent instead.
    event->ignore();
}

void PopupMenu::keyPressEvent(QKeyEvent* event)
{
    // The keys with which QComboBox steps a closed menu open the list instead,
    // where a row is chosen with Return.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        showPopup();
        event->accept();
        return;
    default:
        break;
    }
    // Typing a row's first letters would also choose it at once.
    const QString text = event->text();
    if (!text.isEmpty() && text.front().isPrint() && !text.front().isSpace() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void PopupMenu::choose(int row)
{
    setListIndex(row);
    emit activated(currentIndex());
}

} // namespace fw
