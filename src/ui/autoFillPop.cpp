#include "ui/autoFillPop.h"

#include "app/Globals.h"
#include "prefs/myPrefs.h"

namespace tibbly {

autoFillPop::autoFillPop(QWidget* parent, const fw::Bounds& bounds, const fw::TextStyle& style)
    : fw::PopupMenu(parent, bounds, style)
{
}

void autoFillPop::fillMe()
{
    const myPrefs& prefs = *Globals::gPrefs;
    DeleteAllRows();
    for (const QString& player : prefs.players)
        AddRow(player);
    AddRow(kAddRow);
    setListIndex(prefs.curPlayerIndex);
}

} // namespace tibbly
