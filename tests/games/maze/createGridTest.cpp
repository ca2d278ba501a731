#include "AppFixture.h"

#include "framework/Canvas.h"
#include "framework/System.h"
#include "games/maze/createGrid.h"
#include "windows/startScrn.h"

#include <QFile>
#include <QTemporaryDir>

using namespace tibbly;
using Answer = fw::DialogService::Answer;

namespace {

class GridEditor : public testsupport::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        write("plain", QByteArray()); // a file where a folder is wanted
        editor = createGrid::instance();
    }
    [[nodiscard]] bool wall(int box) const
    {
        return editor->state().boxBlock[static_cast<std::size_t>(box)];
    }
    void click(int box) { editor->control<fw::Canvas>(QStringLiteral("aBox"), box)->click(); }
    void command(const char* item) { editor->menuCommand(QString::fromLatin1(item)); }
    [[nodiscard]] QString path(const char* name) const
    {
        return dir.filePath(QString::fromLatin1(name));
    }
    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] QByteArray content(const char* name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    [[nodiscard]] bool open() const { return editor && !editor->isClosed(); }

    QTemporaryDir dir;
    QPointer<createGrid> editor;
};

TEST_F(GridEditor, FreshBoardSavedAtOnceWrites224ZerosAndOneLineEndUnderTheTypedNamePlusTxt)
{
    dialogs.files = {path("fresh")};
    command("FileSave");
    EXPECT_EQ(content("fresh.txt"), QByteArray("0,").repeated(223) + "0\n");
}

TEST_F(GridEditor, HeroAndHomeBeepWhileABoxClickedTwiceIsAPathAgainAndStaysDirty)
{
    const int beeps = fw::beepCount();
    click(0);
    click(board::kLastBox);
    EXPECT_EQ(fw::beepCount(), beeps + 2);
    EXPECT_FALSE(wall(0) || wall(board::kLastBox) || editor->state().fileDirty);
    click(17);
    EXPECT_TRUE(wall(17));
    click(17);
    EXPECT_FALSE(wall(17));
    EXPECT_TRUE(editor->state().fileDirty);
}

TEST_F(GridEditor, OpenedFileSetsOnlyItsBoxesAndAWallOnTheHeroIsWrittenBack)
{
    click(12);
    write("short.txt", "1,0,1,0,0,0,0,0,0,0\r\n");
    dialogs.answers = {Answer::Alternate};
    dialogs.files = {path("short.txt"), path("back.txt")};
    command("FileOpen");
    EXPECT_TRUE(wall(0) && wall(2) && wall(12)) << "box 12 lies past the last field";
    click(0);
    command("FileSave");
    EXPECT_TRUE(content("back.txt").startsWith("1,0,1,0,0,0,0,0,0,0,0,0,1,0"));
}

TEST_F(GridEditor, FileThatCannotBeOpenedOrSavedSaysSoAndLeavesTheEdits)
{
    click(5);
    dialogs.answers = {Answer::Alternate};
    dialogs.files = {path("missing.txt"), path("plain"), path("plain/maze.txt")};
    command("FileOpen");
    command("FileOpen");
    click(6);
    command("FileSave");
    EXPECT_EQ(dialogs.messages, (QStringList{createGrid::kUnableToOpen, createGrid::kUnableToOpen,
                                             createGrid::kUnableToSave}));
    EXPECT_TRUE(wall(5) && wall(6) && editor->state().fileDirty);
}

// Every answer to the save question before each command that would drop the
// edits: the command goes on only once they are saved or given up.
TEST_F(GridEditor, SaveQuestionLetsNewOpenAndCloseGoOnOnlyWhenTheEditsAreSafe)
{
    write("other.txt", "0,0,0,1");
    struct Reply {
        const char* what;
        Answer answer;
        const char* saveTo; // nullptr: no save dialog; "": the dialog is cancelled
        bool goesOn;
    };
    for (const char* item : {"FileNew", "FileOpen", "FileClose"}) {
        for (const Reply& reply : {Reply{"saved", Answer::Action, "saved.txt", true},
                                   Reply{"save cancelled", Answer::Action, "", false},
                                   Reply{"save failed", Answer::Action, "plain/x.txt", false},
                                   Reply{"don't save", Answer::Alternate, nullptr, true},
                                   Reply{"cancel", Answer::Cancel, nullptr, false}}) {
            const auto what = testing::Message() << item << ", " << reply.what;
            if (!open())
                editor = createGrid::instance();
            dialogs.answers = {Answer::Alternate}; // when the last case left edits
            command("FileNew");
            QFile::remove(path("saved.txt"));
            dialogs.questions.clear();
            click(5);
            dialogs.answers = {reply.answer};
            dialogs.files.clear();
            if (reply.saveTo)
                dialogs.files.append(*reply.saveTo ? path(reply.saveTo) : QString());
            dialogs.files.append(path("other.txt"));
            command(item);
            EXPECT_EQ(dialogs.questions.size(), 1u) << what;
            EXPECT_EQ(QFile::exists(path("saved.txt")), reply.goesOn && reply.saveTo) << what;
            if (!reply.goesOn) {
                ASSERT_TRUE(open()) << what;
                EXPECT_TRUE(wall(5) && !wall(3) && editor->state().fileDirty) << what;
            } else if (open()) {
                EXPECT_FALSE(editor->state().fileDirty) << what;
                EXPECT_EQ(wall(3), std::string(item) == "FileOpen") << what;
            } else {
                EXPECT_STREQ(item, "FileClose") << what;
            }
        }
    }
}

TEST_F(GridEditor, QuitIsRefusedWhenTheSaveQuestionIsCancelled)
{
    click(5);
    EXPECT_FALSE(app().quit());
    ASSERT_TRUE(open());
    EXPECT_TRUE(wall(5) && editor->state().fileDirty);
}

// Another window may stop the quit after the editor agreed to it; the edits
// the player meant to drop with the program are still on the board.
TEST_F(GridEditor, DontSaveForAQuitStoppedElsewhereStillAsksAtTheNextClose)
{
    click(5);
    dialogs.answers = {Answer::Alternate};
    ASSERT_TRUE(editor->agreesToQuit());
    EXPECT_TRUE(editor->state().fileDirty);
    EXPECT_FALSE(editor->Close()) << "the question is asked again and cancelled";
    EXPECT_EQ(dialogs.questions.size(), 2u);
}

TEST_F(GridEditor, ShownFromTheStartWindowAndClosedCleanItShowsTheStartWindowWithoutAQuestion)
{
    editor->Close();
    startScrn* start = startScrn::instance();
    start->menuCommand(QStringLiteral("InfoCreateaGrid"));
    editor = fw::openImplicitInstance<createGrid>();
    ASSERT_TRUE(open());
    EXPECT_FALSE(start->isClosed()) << "the start window stays open";
    editor->control<fw::Canvas>(QStringLiteral("closeCnv"))->click();
    EXPECT_FALSE(open());
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(startScrn::instance(), start);
    EXPECT_TRUE(start->isVisible());
}

} // namespace
