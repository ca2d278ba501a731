#pragma once

#include <QCursor>

namespace fw {

using MouseCursor = QCursor;

[[nodiscard]] MouseCursor ArrowCursor();
[[nodiscard]] MouseCursor WatchCursor();

} // namespace fw
