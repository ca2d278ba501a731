#pragma once

#include <QString>
#include <QStringList>

namespace fw {

// Formats a number with a mask of '0' (a digit always shown), '#' (a digit shown
// when significant) and ',' (group thousands): "000000" gives 000420, "###,##0"
// gives 12,345 and "#00" gives 07.
[[nodiscard]] QString Format(double value, const QString& mask);
[[nodiscard]] QString Str(qint64 value);
// The number at the start of text (after blanks); 0 when there is none.
[[nodiscard]] double Val(const QString& text);
[[nodiscard]] QString Left(const QString& text, qsizetype count);
[[nodiscard]] QString Right(const QString& text, qsizetype count);
[[nodiscard]] qsizetype Len(const QString& text);
[[nodiscard]] QString Chr(int code);
[[nodiscard]] QStringList Split(const QString& text, const QString& separator);
[[nodiscard]] QString Join(const QStringList& parts, const QString& separator);
// The framework's string comparison: case-insensitive.
[[nodiscard]] bool sameText(const QString& a, const QString& b);

} // namespace fw
