#include "framework/Strings.h"

#include <gtest/gtest.h>

TEST(Strings, FormatMasks)
{
    struct Case {
        double value;
        const char* mask;
        const char* text;
    };
    const Case cases[] = {
        {420, "000000", "000420"},
        {0, "000000", "000000"},
        {999999, "000000", "999999"},
        {0, "###,##0", "0"},
        {12345, "###,##0", "12,345"},
        {1234567, "###,##0", "1,234,567"},
        {999, "###,##0", "999"},
        {7, "#00", "07"},
        {0, "#00", "00"},
        {1000, "#00", "1000"},
        {-300, "#00", "-300"},
        {-5, "#00", "-05"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::Format(c.value, QString::fromLatin1(c.mask)), QString::fromLatin1(c.text))
            << c.value << " " << c.mask;
}

TEST(Strings, ValReadsTheLeadingNumberAndSameTextIgnoresCase)
{
    EXPECT_EQ(fw::Val(QStringLiteral("001234")), 1234);
    EXPECT_EQ(fw::Val(QStringLiteral("  42abc")), 42);
    EXPECT_EQ(fw::Val(QStringLiteral("abc")), 0);
    EXPECT_EQ(fw::Val(QString()), 0);
    EXPECT_TRUE(fw::sameText(QStringLiteral("unknown"), QStringLiteral("Unknown")));
}
