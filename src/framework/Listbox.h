#pragma once

#include "Control.h"
#include "StaticText.h"

#include <QTreeWidget>

#include <functional>

namespace fw {

// A list of rows with columns and a heading row. Column widths are given as
// percentages of the list's width.
class Listbox : public QTreeWidget, public Control {
public:
    Listbox(QWidget* parent, const Bounds& bounds, const QStringList& headings,
            const QList<int>& columnPercent, const TextStyle& style = {});

    QWidget* widget() override { return this; }

    void DeleteAllRows();
    void AddRow(const QString& firstCell);
    [[nodiscard]] int ListCount() const { return topLevelItemCount(); }
    [[nodiscard]] int LastIndex() const { return lastIndex_; }
    [[nodiscard]] QString Cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    [[nodiscard]] int HeadingIndex() const { return headingIndex_; }
    void setHeadingIndex(int column) { headingIndex_ = column; }

    // Given the column of a heading click; returning true keeps the rows as they are.
    std::function<bool(int column)> onSortColumn;

    void clickHeading(int column);

private:
    int lastIndex_ = -1;
    int headingIndex_ = -1;
};

} // namespace fw
