#include "AppFixture.h"

#include "framework/Files.h"

using testsupport::AppFixture;
using tibbly::myPrefs;

class FirstStart : public AppFixture {};

TEST_F(FirstStart, WritesTheDefaultFileByteForByte)
{
    const auto bytes = fw::readWholeFile(prefsPath());
    ASSERT_TRUE(bytes.has_value());
    QByteArray expected;
    expected.append(char(0)).append(char(200)).append(char(0));
    for (int i = 0; i < 10; ++i)
        expected.append(char(12)).append("Nobody000000");
    expected.append(char(0)).append(char(0));
    expected.append(char(7)).append("Unknown");
    expected.append(char(0)).append(char(0));
    EXPECT_EQ(expected.size(), 145);
    EXPECT_EQ(*bytes, expected);
    EXPECT_FALSE(prefs().fileDirty);
    EXPECT_EQ(prefs().getCurPlayer(), QStringLiteral("Unknown"));
}
