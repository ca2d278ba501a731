#include "Listbox.h"

#include <QHeaderView>

namespace fw {

Listbox::Listbox(QWidget* parent, const Bounds& bounds, const QStringList& headings,
                 const QList<int>& columnPercent, const TextStyle& style)
    : QTreeWidget(parent)
{
    setBounds(bounds);
    applyTextStyle(*this, style);
    setColumnCount(int(headings.size()));
    setHeaderLabels(headings);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(true);
    const int usable = bounds.width - 4;
    for (int i = 0; i < columnPercent.size() && i < headings.size(); ++i) {
        header()->setSectionResizeMode(i, QHeaderView::Fixed);
        setColumnWidth(i, usable * columnPercent[i] / 100);
    }
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int column) { clickHeading(column); });
}

void Listbox::DeleteAllRows()
{
    clear();
    lastIndex_ = -1;
}

void Listbox::AddRow(const QString& firstCell)
{
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, firstCell);
    lastIndex_ = topLevelItemCount() - 1;
}

QString Listbox::Cell(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

void Listbox::setCell(int row, int column, const QString& text)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setText(column, text);
}

void Listbox::clickHeading(int column)
{
    if (onSortColumn)
        onSortColumn(column);
}

} // namespace fw
