#include "framework/FontWarmUp.h"

#include <QFont>
#include <QFontMetrics>

#include <gtest/gtest.h>

// Start-up waits for the warm-up before the first window; a second wait, or
// none at all when start-up is cut short, must be just as safe.
TEST(FontWarmUp, MayBeWaitedForTwiceOrNotAtAllAndLeavesTextMeasurable)
{
    {
        fw::FontWarmUp unwaited;
    }
    fw::FontWarmUp warmUp;
    warmUp.finish();
    warmUp.finish();
    EXPECT_GT(QFontMetrics(QFont()).horizontalAdvance(QStringLiteral("Tibbly")), 0);
}
