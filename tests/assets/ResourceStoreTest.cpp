#include "framework/ResourceStore.h"
#include "framework/Picture.h"
#include "framework/RawImage.h"
#include "framework/Sound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class EmptyResourceStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root_.isValid()); }
    [[nodiscard]] QString root() const { return root_.path(); }
    void put(const QString& relativePath, const QByteArray& bytes) const
    {
        const QString path = root_.filePath(relativePath);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A 4×4 ready rendition of picture 170, all blue.
    void putBlueRendition() const
    {
        QImage blue(4, 4, QImage::Format_ARGB32_Premultiplied);
        blue.fill(Qt::blue);
        put(QStringLiteral("picture/170@1x.argb"), fw::rawImageBytes(blue));
    }

private:
    QTemporaryDir root_;
};

} // namespace

TEST_F(EmptyResourceStore, AnEmptyOrMissingRootGivesNothingOfAnyKind)
{
    for (const QString& path : {root(), QStringLiteral("/nonexistent/tibbly/store")}) {
        SCOPED_TRACE(path.toStdString());
        const fw::ResourceStore store(path);
        EXPECT_EQ(store.GetPicture(168), nullptr);
        EXPECT_EQ(store.GetSound(168), nullptr);
        EXPECT_TRUE(store.GetResource(QStringLiteral("TEXT"), 168).isEmpty());
        EXPECT_EQ(store.getCursor(168), nullptr);
    }
}

TEST_F(EmptyResourceStore, AsksAgainForAMissingPictureEveryTime)
{
    const fw::ResourceStore store(root());
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(store.GetPicture(170), nullptr);
        EXPECT_EQ(store.fetchCount(), i);
    }
}

TEST_F(EmptyResourceStore, ADamagedPictureOrCursorOrARenditionWithoutItsDrawingGivesNothing)
{
    put(QStringLiteral("picture/169.svg"), "<svg this is not");
    put(QStringLiteral("cursor/168.svg"), QByteArray());
    putBlueRendition();
    const fw::ResourceStore store(root());
    EXPECT_EQ(store.GetPicture(169), nullptr);
    EXPECT_EQ(store.getCursor(168), nullptr);
    EXPECT_EQ(store.GetPicture(170), nullptr);
}

TEST_F(EmptyResourceStore, ACursorWithADamagedHotSpotPointsFromItsCorner)
{
    put(QStringLiteral("cursor/168.svg"),
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16">)"
        R"(<rect width="16" height="16" fill="black"/></svg>)");
    put(QStringLiteral("cursor/168.hotspot"), "twelve");
    const fw::ResourceStore store(root());
    const auto cursor = store.getCursor(168);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->hotSpot(), QPoint(0, 0));
}

TEST_F(EmptyResourceStore, APictureShowsItsRenditionAtItsOwnSizeAndItsDrawingAtAnyOther)
{
    put(QStringLiteral("picture/170.svg"),
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="4">)"
        R"(<rect width="4" height="4" fill="red"/></svg>)");
    putBlueRendition();
    const fw::ResourceStore store(root());
    const auto picture = store.GetPicture(170);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), QSize(4, 4));
    EXPECT_EQ(picture->image(QSize(4, 4), 1.0).pixelColor(1, 1), QColor(Qt::blue));
    EXPECT_EQ(picture->image(QSize(8, 8), 1.0).pixelColor(3, 3), QColor(Qt::red));
}

TEST(ResourceStore, AnIdTheStoreDoesNotHoldGivesNothing)
{
    // 182, 183 and 191 are gaps in the picture numbering.
    const fw::ResourceStore store;
    EXPECT_EQ(store.GetPicture(182), nullptr);
    EXPECT_EQ(store.GetPicture(191), nullptr);
    EXPECT_EQ(store.GetSound(180), nullptr);
    EXPECT_TRUE(store.GetResource(QStringLiteral("TEXT"), 172).isEmpty());
    EXPECT_EQ(store.getCursor(169), nullptr);
}
