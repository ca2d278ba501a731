#pragma once

#include "framework/PopupMenu.h"

namespace tibbly {

// The players pop-up: every player of the store in order, then the row
// "Add New Player...", with the current player selected. Refilling raises no Change.
class autoFillPop : public fw::PopupMenu {
public:
    static inline const QString kAddRow = QStringLiteral("Add New Player...");

    explicit autoFillPop(QWidget* parent, const fw::Bounds& bounds = {},
                         const fw::TextStyle& style = {});

    void fillMe();
};

} // namespace tibbly
