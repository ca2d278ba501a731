#include "assets/Assets.h"
#include "framework/Picture.h"
#include "framework/ResourceStore.h"
#include "framework/Sound.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace tibbly;

namespace {

using PictureAccessor = fw::Picture* (*)();
using SoundAccessor = fw::Sound* (*)();
using TextAccessor = const QString& (*)();

const std::map<std::string, PictureAccessor>& pictures()
{
    static const std::map<std::string, PictureAccessor> accessors = {
        {"amazeBox2", amazeBox2},
        {"badee", badee},
        {"blueCheckBox", blueCheckBox},
        {"BrickWall", BrickWall},
        {"ButtonBkg", ButtonBkg},
        {"CBoxNorm", CBoxNorm},
        {"QVX_VaneLogoGray", QVX_VaneLogoGray},
        {"boxWithCheck", boxWithCheck},
        {"CkBoxMask", CkBoxMask},
        {"closeBtn", closeBtn},
        {"FourX", FourX},
        {"greenLt2", greenLt2},
        {"GrayBkg", GrayBkg},
        {"helpBkg", helpBkg},
        {"helpIcon", helpIcon},
        {"hiScores", hiScores},
        {"home2", home2},
        {"mainTitle", mainTitle},
        {"NewBox2", NewBox2},
        {"redLt2", redLt2},
        {"Ring", Ring},
        {"TibblyAmz", TibblyAmz},
        {"TibblyCap", TibblyCap},
        {"TibblyFind", TibblyFind},
        {"TibblyPanel", TibblyPanel},
        {"ThreeX", ThreeX},
        {"TwoX", TwoX},
        {"xbox1", xbox1},
        {"xbox2", xbox2},
        {"xbox3", xbox3},
        {"xbox4", xbox4},
        {"xbox5", xbox5},
        {"xbox6", xbox6},
        {"xbox7", xbox7},
        {"xbox8", xbox8},
        {"xbox9", xbox9},
        {"newbox10", newbox10},
        {"helpCloseBtn", helpCloseBtn},
    };
    return accessors;
}

const std::map<std::string, SoundAccessor>& sounds()
{
    static const std::map<std::string, SoundAccessor> accessors = {
        {"Badee1", Badee1}, {"Bonus", Bonus}, {"border", border},     {"bump2", bump2},
        {"Bye", Bye},       {"found", found}, {"Gotcha", Gotcha},     {"Intro", Intro},
        {"Pop", Pop},       {"Ring1", Ring1}, {"RoundEnd", RoundEnd}, {"TaDa", TaDa},
    };
    return accessors;
}

const std::map<std::string, TextAccessor>& texts()
{
    static const std::map<std::string, TextAccessor> accessors = {
        {"help_Amaze", help_Amaze},
        {"help_Capture1", help_Capture1},
        {"help_Find1", help_Find1},
        {"help_Start", help_Start},
    };
    return accessors;
}

// The asset's object as its accessor returns it, for identity comparisons;
// nullptr for a name the test does not know.
const void* fetch(const AssetEntry& entry)
{
    const std::string name = entry.name;
    switch (entry.kind) {
    case AssetKind::Picture:
        return pictures().contains(name) ? pictures().at(name)() : nullptr;
    case AssetKind::Sound:
        return sounds().contains(name) ? sounds().at(name)() : nullptr;
    case AssetKind::Text:
        return texts().contains(name) ? &texts().at(name)() : nullptr;
    case AssetKind::Cursor:
        return name == "FingerCurs" ? FingerCurs() : nullptr;
    }
    return nullptr;
}

} // namespace

TEST(AssetRegistry, EveryAssetLoadsAndASecondCallReturnsTheIdenticalObject)
{
    for (const AssetEntry& entry : assetTable()) {
        SCOPED_TRACE(entry.name);
        const void* first = fetch(entry);
        ASSERT_NE(first, nullptr) << "not in the store, or unknown to this test";
        EXPECT_EQ(fetch(entry), first);
    }
}

TEST(AssetRegistry, EachAccessorFetchesTheResourceItsTableEntryNames)
{
    const fw::ResourceStore store;
    for (const AssetEntry& entry : assetTable()) {
        SCOPED_TRACE(entry.name);
        switch (entry.kind) {
        case AssetKind::Picture: {
            const fw::Picture* cached = pictures().at(entry.name)();
            const auto fresh = store.GetPicture(entry.id);
            ASSERT_NE(cached, nullptr);
            ASSERT_NE(fresh, nullptr);
            ASSERT_EQ(cached->size(), fresh->size());
            EXPECT_EQ(cached->image(cached->size(), 1.0), fresh->image(fresh->size(), 1.0));
            break;
        }
        case AssetKind::Sound: {
            const fw::Sound* cached = sounds().at(entry.name)();
            const auto fresh = store.GetSound(entry.id);
            ASSERT_NE(cached, nullptr);
            ASSERT_NE(fresh, nullptr);
            EXPECT_EQ(cached->path(), fresh->path());
            break;
        }
        case AssetKind::Text:
            EXPECT_EQ(texts().at(entry.name)(),
                      store.GetResource(QStringLiteral("TEXT"), entry.id));
            break;
        case AssetKind::Cursor: {
            const auto fresh = store.getCursor(entry.id);
            ASSERT_NE(FingerCurs(), nullptr);
            ASSERT_NE(fresh, nullptr);
            EXPECT_EQ(FingerCurs()->pixmap().toImage(), fresh->pixmap().toImage());
            break;
        }
        }
    }
}

TEST(AssetRegistry, PicturesAreNotEmpty)
{
    for (const auto& [name, accessor] : pictures()) {
        SCOPED_TRACE(name);
        ASSERT_NE(accessor(), nullptr);
        EXPECT_FALSE(accessor()->isNull());
    }
}

TEST(AssetRegistry, PicturesHaveTheSizesTheWindowsAreLaidOutFor)
{
    struct Case {
        const char* name;
        QSize size;
    };
    const Case cases[] = {
        // The 32-pixel boxes of the boards.
        {"amazeBox2", {32, 32}},
        {"badee", {32, 32}},
        {"BrickWall", {32, 32}},
        {"CBoxNorm", {32, 32}},
        {"FourX", {32, 32}},
        {"ThreeX", {32, 32}},
        {"TwoX", {32, 32}},
        {"home2", {32, 32}},
        {"NewBox2", {32, 32}},
        {"Ring", {32, 32}},
        {"TibblyAmz", {32, 32}},
        {"TibblyCap", {32, 32}},
        {"TibblyFind", {32, 32}},
        {"xbox1", {32, 32}},
        {"xbox2", {32, 32}},
        {"xbox3", {32, 32}},
        {"xbox4", {32, 32}},
        {"xbox5", {32, 32}},
        {"xbox6", {32, 32}},
        {"xbox7", {32, 32}},
        {"xbox8", {32, 32}},
        {"xbox9", {32, 32}},
        {"newbox10", {32, 32}},
        // The find game's direction lights.
        {"greenLt2", {24, 24}},
        {"redLt2", {24, 24}},
        // Backdrops and buttons whose controls have fixed sizes.
        {"closeBtn", {150, 30}},
        {"helpCloseBtn", {150, 30}},
        {"GrayBkg", {100, 40}},
        {"TibblyPanel", {184, 545}},
        {"mainTitle", {460, 40}},
        {"hiScores", {400, 40}},
        {"helpBkg", {560, 360}},
        {"ButtonBkg", {150, 36}},
        {"QVX_VaneLogoGray", {64, 64}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fw::Picture* picture = pictures().at(c.name)();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->size(), c.size);
    }
}

TEST(AssetRegistry, CheckBoxMaskCoversBothCheckBoxPictures)
{
    ASSERT_NE(CkBoxMask(), nullptr);
    ASSERT_NE(boxWithCheck(), nullptr);
    ASSERT_NE(blueCheckBox(), nullptr);
    EXPECT_EQ(boxWithCheck()->size(), CkBoxMask()->size());
    EXPECT_EQ(blueCheckBox()->size(), CkBoxMask()->size());
}

TEST(AssetRegistry, EachHelpTextIsItsOwnPage)
{
    const struct {
        const char* name;
        const char* opening;
    } cases[] = {
        {"help_Start", "Welcome to Tibbly"},
        {"help_Find1", "Find Tibbly"},
        {"help_Capture1", "Capture Tibbly"},
        {"help_Amaze", "aMAZE Tibbly"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString& page = texts().at(c.name)();
        EXPECT_TRUE(page.startsWith(QLatin1String(c.opening))) << page.left(40).toStdString();
        EXPECT_GT(page.size(), 200);
    }
}

TEST(AssetRegistry, FingerCursorIsAPictureCursor)
{
    const fw::MouseCursor* finger = FingerCurs();
    ASSERT_NE(finger, nullptr);
    EXPECT_EQ(finger->shape(), Qt::BitmapCursor);
    EXPECT_FALSE(finger->pixmap().isNull());
}

TEST(AssetRegistry, OneIdInFourKindsNamesFourDifferentResources)
{
    int sharing = 0;
    for (const AssetEntry& entry : assetTable())
        if (entry.id == 168)
            ++sharing;
    ASSERT_EQ(sharing, 4);

    const fw::Picture* box = amazeBox2();
    const fw::Sound* sound = Badee1();
    const fw::MouseCursor* cursor = FingerCurs();
    ASSERT_NE(box, nullptr);
    ASSERT_NE(sound, nullptr);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(box->size(), QSize(32, 32));
    EXPECT_GT(sound->lengthMs(), 0);
    EXPECT_TRUE(help_Amaze().startsWith(QLatin1String("aMAZE Tibbly")));
    // The cursor is drawn at twice its size; the maze box at the same scale
    // must look different.
    const QImage cursorImage = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage boxImage = box->image(box->size(), 2.0).convertToFormat(QImage::Format_ARGB32);
    EXPECT_NE(cursorImage, boxImage);
}
