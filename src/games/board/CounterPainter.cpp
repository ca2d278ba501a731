#include "games/board/CounterPainter.h"

#include "framework/Graphics.h"
#include "framework/Strings.h"

namespace tibbly {

void paintCounter(fw::Graphics& g, int value, const QColor& tint)
{
    constexpr int kBaseline = 30;
    g.setItalic(true);
    g.setTextSize(24);
    const QString text = fw::Format(value, QStringLiteral("#00"));
    // Whole pixels before halving, so a number never lands between pixels and
    // blurs.
    const int x = (g.Width() - static_cast<int>(g.StringWidth(text))) / 2;
    g.setForeColor(Qt::black);
    g.DrawString(text, x, kBaseline);
    g.setForeColor(tint);
    g.DrawString(text, x - 1, kBaseline - 1);
}

} // namespace tibbly
