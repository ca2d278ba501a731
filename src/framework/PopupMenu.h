#pragma once

#include "Control.h"
#include "StaticText.h"

#include <QComboBox>

#include <functional>

namespace fw {

// A pop-up menu of text rows. Change is raised when the player chooses a row
// (also the row already chosen) in the open list, by a click or by Return;
// filling and selecting rows from code raises nothing. A wheel turn or an arrow
// key over the closed menu chooses nothing: it is too easily done by accident.
class PopupMenu : public QComboBox, public Control {
public:
    PopupMenu(QWidget* parent, const Bounds& bounds, const TextStyle& style = {});

    QWidget* widget() override { return this; }

    void DeleteAllRows();
    void AddRow(const QString& text);
    [[nodiscard]] int ListCount() const { return count(); }
    [[nodiscard]] QString List(int row) const { return itemText(row); }
    [[nodiscard]] int ListIndex() const { return currentIndex(); }
    // An index outside the rows selects no row.
    void setListIndex(int row);

    std::function<void()> onChange;

    // Chooses a row as the player would.
    void choose(int row);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace fw
