#include "WindowsTestSupport.h"

#include "framework/EditField.h"
#include "framework/PushButton.h"
#include "framework/System.h"
#include "windows/ResultsScrn.h"

#include <QFile>

using namespace tibbly;
using testsupport::AppFixture;
using testsupport::controlOf;
using testsupport::hallOf;
using testsupport::kLadder;
using Answer = fw::DialogService::Answer;

namespace {

class HighScores : public AppFixture {
protected:
    // Opens the window as a finished game does: the score handed over first.
    ResultsScrn& openWith(int handedScore, const QStringList& hall = kLadder)
    {
        prefs().hallInfo = hall;
        prefs().players = {QStringLiteral("Ann")};
        Globals::gTotalScore = handedScore;
        window_ = ResultsScrn::instance();
        return *window_;
    }
    fw::EditField& field(const char* name) { return controlOf<fw::EditField>(*window_, name); }
    fw::PushButton& button(const char* name) { return controlOf<fw::PushButton>(*window_, name); }
    QStringList shownRow(int row)
    {
        const auto& list = controlOf<fw::Listbox>(*window_, "FameBox");
        return {list.Cell(row, 0), list.Cell(row, 1)};
    }
    void clear(Answer answer)
    {
        dialogs.answers.push_back(answer);
        button("ClearBtn").push();
    }

    ResultsScrn* window_ = nullptr;
};

} // namespace

TEST_F(HighScores, QualifyingScoreIsAddedWithTheOfferedNameAtItsPlace)
{
    openWith(500);
    EXPECT_EQ(field("ScFld").Text(), QStringLiteral("500"));
    EXPECT_EQ(field("NameFld").Text(), QStringLiteral("Ann"));
    EXPECT_TRUE(field("NameFld").isEnabled());
    window_->typeKey(fw::Window::kReturn);

    EXPECT_EQ(shownRow(2), (QStringList{"Ann", "500"}));
    EXPECT_EQ(shownRow(3), (QStringList{"C", "500"}));
    EXPECT_EQ(shownRow(9), (QStringList{"I", "120"}));
    EXPECT_TRUE(prefs().fileDirty);
    EXPECT_FALSE(button("AddBtn").isEnabled());
    EXPECT_TRUE(button("CloseBtn").Default());
}

TEST_F(HighScores, ScoreIsTakenOnceWhenTheWindowIsMade)
{
    openWith(700);
    Globals::gTotalScore = 50;
    EXPECT_EQ(ResultsScrn::instance(), window_);
    button("AddBtn").push();
    EXPECT_EQ(prefs().hallInfo[2], QStringLiteral("Ann000700"));
    EXPECT_EQ(field("ScFld").Text(), QStringLiteral("700"));
}

TEST_F(HighScores, ScoresAndNamesAreHeldToWhatTheFileStores)
{
    openWith(2'000'000);
    EXPECT_EQ(field("ScFld").Text(), QStringLiteral("999999"));
    field("NameFld").setText(QString(300, QLatin1Char('x')));
    button("AddBtn").push();
    button("CloseBtn").push();
    EXPECT_EQ(hallEntry::score(prefs().hallInfo[0]), 999'999);
    EXPECT_EQ(testsupport::storedPrefs().hallInfo[0], prefs().hallInfo[0]);

    openWith(-5);
    EXPECT_EQ(field("ScFld").Text(), QStringLiteral("0"));
    EXPECT_FALSE(button("AddBtn").isEnabled());
}

TEST_F(HighScores, EmptyNameOrThePromptBeepsAndSelectsThePrompt)
{
    for (const char* typed : {"", "Enter your name.", "ENTER YOUR NAME."}) {
        openWith(300);
        field("NameFld").setText(QString::fromLatin1(typed));
        const int beeps = fw::beepCount();
        button("AddBtn").push();
        EXPECT_EQ(fw::beepCount(), beeps + 1) << typed;
        EXPECT_EQ(field("NameFld").SelText(), ResultsScrn::kPrompt) << typed;
        EXPECT_EQ(prefs().hallInfo, kLadder) << typed;
        EXPECT_TRUE(button("AddBtn").isEnabled()) << typed;
        fw::discardAllWindows();
    }
}

TEST_F(HighScores, ClearWithCancelChangesNothing)
{
    openWith(0);
    clear(Answer::Cancel);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].ActionButton.Caption, QStringLiteral("Clear"));
    EXPECT_EQ(prefs().hallInfo, kLadder);
    EXPECT_FALSE(prefs().fileDirty);
}

TEST_F(HighScores, ClearEmptiesTheTableAndAPendingScoreThenEntersAtTheTop)
{
    openWith(300);
    ASSERT_EQ(window_->replace(), 4);
    clear(Answer::Action);
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(shownRow(row), (QStringList{"Nobody", "0"}));
    EXPECT_TRUE(prefs().fileDirty);
    button("AddBtn").push();
    EXPECT_EQ(prefs().hallInfo[0], QStringLiteral("Ann000300"));
    clear(Answer::Action);
    EXPECT_FALSE(button("AddBtn").isEnabled()) << "one entry per opening";
}

TEST_F(HighScores, OnlyTheCloseButtonWritesAndOnlyWhenSomethingChanged)
{
    struct Case {
        bool dirty;
        bool byButton;
        bool written;
    };
    for (const Case& c :
         {Case{false, true, false}, Case{true, true, true}, Case{true, false, false}}) {
        openWith(0);
        QFile::remove(prefsPath());
        prefs().fileDirty = c.dirty;
        if (c.byButton)
            button("CloseBtn").push();
        else
            window_->Close();
        EXPECT_TRUE(window_->isClosed());
        EXPECT_EQ(QFile::exists(prefsPath()), c.written) << c.dirty << c.byButton;
    }
}

TEST_F(HighScores, HeadingClickKeepsTheOrder)
{
    openWith(0);
    auto& list = controlOf<fw::Listbox>(*window_, "FameBox");
    list.clickHeading(1);
    EXPECT_EQ(shownRow(0), (QStringList{"A", "900"}));
    EXPECT_EQ(list.HeadingIndex(), -1);
}
