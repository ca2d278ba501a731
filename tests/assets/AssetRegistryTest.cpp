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

// Every accessor of the registry by its name, with what the windows and games
// rely on it being.
struct PictureAsset {
    fw::Picture* (*get)();
    QSize laidOutFor; // empty where no control fixes the picture's size
};
struct SoundAsset {
    fw::Sound* (*get)();
    qint64 minMs;
    qint64 maxMs;
};
struct TextAsset {
    const QString& (*get)();
    const char* opening;
};

constexpr QSize kBox(32, 32);

const std::map<std::string, PictureAsset> kPictures = {
    // The boxes of the boards.
    {"amazeBox2", {amazeBox2, kBox}},
    {"badee", {badee, kBox}},
    {"BrickWall", {BrickWall, kBox}},
    {"CBoxNorm", {CBoxNorm, kBox}},
    {"FourX", {FourX, kBox}},
    {"ThreeX", {ThreeX, kBox}},
    {"TwoX", {TwoX, kBox}},
    {"home2", {home2, kBox}},
    {"NewBox2", {NewBox2, kBox}},
    {"Ring", {Ring, kBox}},
    {"TibblyAmz", {TibblyAmz, kBox}},
    {"TibblyCap", {TibblyCap, kBox}},
    {"TibblyFind", {TibblyFind, kBox}},
    {"xbox1", {xbox1, kBox}},
    {"xbox2", {xbox2, kBox}},
    {"xbox3", {xbox3, kBox}},
    {"xbox4", {xbox4, kBox}},
    {"xbox5", {xbox5, kBox}},
    {"xbox6", {xbox6, kBox}},
    {"xbox7", {xbox7, kBox}},
    {"xbox8", {xbox8, kBox}},
    {"xbox9", {xbox9, kBox}},
    {"newbox10", {newbox10, kBox}},
    // The find game's direction lights.
    {"greenLt2", {greenLt2, {24, 24}}},
    {"redLt2", {redLt2, {24, 24}}},
    // Backdrops and buttons whose controls have fixed sizes.
    {"closeBtn", {closeBtn, {150, 30}}},
    {"helpCloseBtn", {helpCloseBtn, {150, 30}}},
    {"GrayBkg", {GrayBkg, {100, 40}}},
    {"TibblyPanel", {TibblyPanel, {184, 545}}},
    {"mainTitle", {mainTitle, {460, 40}}},
    {"hiScores", {hiScores, {400, 40}}},
    {"helpBkg", {helpBkg, {560, 360}}},
    {"ButtonBkg", {ButtonBkg, {150, 36}}},
    {"QVX_VaneLogoGray", {QVX_VaneLogoGray, {64, 64}}},
    {"blueCheckBox", {blueCheckBox, {}}},
    {"boxWithCheck", {boxWithCheck, {}}},
    {"CkBoxMask", {CkBoxMask, {}}},
    {"helpIcon", {helpIcon, {}}},
};

// The games wait on some sounds (the intro before a round, the fanfare at the
// end) and play others on every step, so each sound's length is part of the
// game's timing.
const std::map<std::string, SoundAsset> kSounds = {
    // Played on every step of Tibbly: must end before the next one.
    {"Pop", {Pop, 1, 90}},
    // Played on every refused move in the maze.
    {"border", {border, 1, 150}},
    {"bump2", {bump2, 1, 150}},
    // The windows refuse to close while the intro plays.
    {"Intro", {Intro, 2500, 3000}},
    {"TaDa", {TaDa, 1300, 1700}},
    {"Badee1", {Badee1, 1, 999}},
    {"Bonus", {Bonus, 1, 999}},
    {"Bye", {Bye, 1, 999}},
    {"found", {found, 1, 999}},
    {"Gotcha", {Gotcha, 1, 999}},
    {"Ring1", {Ring1, 1, 999}},
    {"RoundEnd", {RoundEnd, 1, 999}},
};

const std::map<std::string, TextAsset> kTexts = {
    {"help_Start", {help_Start, "Welcome to Tibbly"}},
    {"help_Find1", {help_Find1, "Find Tibbly"}},
    {"help_Capture1", {help_Capture1, "Capture Tibbly"}},
    {"help_Amaze", {help_Amaze, "aMAZE Tibbly"}},
};

} // namespace

TEST(AssetRegistry, EachAccessorKeepsOneCopyOfTheResourceItsTableEntryNames)
{
    const fw::ResourceStore store;
    for (const AssetEntry& entry : assetTable()) {
        SCOPED_TRACE(entry.name);
        const std::string name = entry.name;
        switch (entry.kind) {
        case AssetKind::Picture: {
            ASSERT_TRUE(kPictures.contains(name)) << "unknown to this test";
            const fw::Picture* cached = kPictures.at(name).get();
            const auto fresh = store.GetPicture(entry.id);
            ASSERT_NE(cached, nullptr);
            ASSERT_NE(fresh, nullptr);
            EXPECT_EQ(kPictures.at(name).get(), cached);
            ASSERT_EQ(cached->size(), fresh->size());
            EXPECT_EQ(cached->image(cached->size(), 1.0), fresh->image(fresh->size(), 1.0));
            break;
        }
        case AssetKind::Sound: {
            ASSERT_TRUE(kSounds.contains(name)) << "unknown to this test";
            const fw::Sound* cached = kSounds.at(name).get();
            const auto fresh = store.GetSound(entry.id);
            ASSERT_NE(cached, nullptr);
            ASSERT_NE(fresh, nullptr);
            EXPECT_EQ(kSounds.at(name).get(), cached);
            EXPECT_EQ(cached->path(), fresh->path());
            break;
        }
        case AssetKind::Text: {
            ASSERT_TRUE(kTexts.contains(name)) << "unknown to this test";
            const QString& cached = kTexts.at(name).get();
            EXPECT_EQ(&kTexts.at(name).get(), &cached);
            EXPECT_EQ(cached, store.GetResource(QStringLiteral("TEXT"), entry.id));
            break;
        }
        case AssetKind::Cursor: {
            ASSERT_EQ(name, "FingerCurs");
            const fw::MouseCursor* cached = FingerCurs();
            const auto fresh = store.getCursor(entry.id);
            ASSERT_NE(cached, nullptr);
            ASSERT_NE(fresh, nullptr);
            EXPECT_EQ(FingerCurs(), cached);
            EXPECT_EQ(cached->pixmap().toImage(), fresh->pixmap().toImage());
            break;
        }
        }
    }
}

TEST(AssetRegistry, PicturesAreDrawnAtTheSizesTheWindowsAreLaidOutFor)
{
    for (const auto& [name, asset] : kPictures) {
        SCOPED_TRACE(name);
        const fw::Picture* picture = asset.get();
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->isNull());
        if (!asset.laidOutFor.isEmpty()) {
            EXPECT_EQ(picture->size(), asset.laidOutFor);
        }
    }
    // The mask is laid over both check box pictures.
    EXPECT_EQ(boxWithCheck()->size(), CkBoxMask()->size());
    EXPECT_EQ(blueCheckBox()->size(), CkBoxMask()->size());
}

TEST(AssetRegistry, EachSoundLastsAsLongAsTheGameAllowsForIt)
{
    for (const auto& [name, asset] : kSounds) {
        SCOPED_TRACE(name);
        const fw::Sound* sound = asset.get();
        ASSERT_NE(sound, nullptr);
        EXPECT_GE(sound->lengthMs(), asset.minMs);
        EXPECT_LE(sound->lengthMs(), asset.maxMs);
    }
}

TEST(AssetRegistry, EachHelpTextIsItsOwnPage)
{
    for (const auto& [name, asset] : kTexts) {
        SCOPED_TRACE(name);
        const QString& page = asset.get();
        EXPECT_TRUE(page.startsWith(QLatin1String(asset.opening))) << page.left(40).toStdString();
        EXPECT_GT(page.size(), 200);
    }
}

// The cursor shares its number with the maze box, a sound and a help text:
// the store must keep the kinds apart.
TEST(AssetRegistry, FingerCursorIsAPictureOfItsOwnAndNotTheMazeBoxOfTheSameNumber)
{
    const fw::MouseCursor* finger = FingerCurs();
    ASSERT_NE(finger, nullptr);
    EXPECT_EQ(finger->shape(), Qt::BitmapCursor);
    EXPECT_FALSE(finger->pixmap().isNull());
    // The cursor is drawn at twice its size; the maze box at the same scale
    // must look different.
    const QImage cursorImage = finger->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    const fw::Picture* box = amazeBox2();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(cursorImage, box->image(box->size(), 2.0).convertToFormat(QImage::Format_ARGB32));
}
