#include "Strings.h"

#include <cmath>

namespace fw {

QString Format(double value, const QString& mask)
{
    int zeros = 0;
    bool group = false;
    for (QChar c : mask) {
        if (c == QLatin1Char('0'))
            ++zeros;
        else if (c == QLatin1Char(','))
            group = true;
    }
    const bool negative = value < 0;
    const auto magnitude = static_cast<qint64>(std::llround(std::fabs(value)));
    QString digits = QString::number(magnitude);
    if (digits.size() < zeros)
        digits = QString(zeros - digits.size(), QLatin1Char('0')) + digits;
    if (group) {
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
            digits.insert(at, QLatin1Char(','));
    }
    return negative ? QLatin1Char('-') + digits : digits;
}

QString Str(qint64 value) { return QString::number(value); }

double Val(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() &&
        (trimmed[end] == QLatin1Char('-') || trimmed[end] == QLatin1Char('+')))
        ++end;
    bool seenDot = false;
    while (end < trimmed.size() &&
           (trimmed[end].isDigit() || (!seenDot && trimmed[end] == QLatin1Char('.')))) {
        if (trimmed[end] == QLatin1Char('.'))
            seenDot = true;
        ++end;
    }
    bool ok = false;
    const double value = trimmed.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}

QString Left(const QString& text, qsizetype count)
{
    return text.left(std::max<qsizetype>(0, count));
}
QString Right(const QString& text, qsizetype count)
{
    return text.right(std::max<qsizetype>(0, count));
}
qsizetype Len(const QString& text) { return text.size(); }
QString Chr(int code) { return QString(QChar(code)); }
QStringList Split(const QString& text, const QString& separator) { return text.split(separator); }
QString Join(const QStringList& parts, const QString& separator) { return parts.join(separator); }
bool sameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace fw
