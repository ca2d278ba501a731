#include "AppFixture.h"

#include "framework/Canvas.h"
#include "framework/ImplicitInstance.h"
#include "framework/System.h"
#include "games/maze/createGrid.h"
#include "windows/startScrn.h"

#include <QFile>
#include <QTemporaryDir>

#include <optional>

using namespace tibbly;
using Answer = fw::DialogService::Answer;

namespace {

class GridEditor : public testsupport::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        editor = createGrid::instance();
        settle();
    }

    [[nodiscard]] const GridEditorState& state() const { return editor->state(); }
    [[nodiscard]] bool wall(int box) const
    {
        return state().boxBlock[static_cast<std::size_t>(box)];
    }
    void click(int box) { editor->control<fw::Canvas>(QStringLiteral("aBox"), box)->click(); }
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
    [[nodiscard]] std::optional<QByteArray> read(const char* name) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }
    [[nodiscard]] bool editorOpen() const { return !editor.isNull() && !editor->isClosed(); }

    QTemporaryDir dir;
    QPointer<createGrid> editor;
};

TEST_F(GridEditor, FreshBoardSavedAtOnceWrites224ZerosAndOneLineEndUnderTheTypedNamePlusTxt)
{
    dialogs.files = {path("fresh")};
    editor->menuCommand(QStringLiteral("FileSave"));
    QByteArray expected = QByteArray("0,").repeated(223) + "0\n";
    EXPECT_EQ(read("fresh.txt"), expected);
    EXPECT_FALSE(read("fresh").has_value());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(GridEditor, HeroAndHomeBoxesBeepAndStayAsTheyWere)
{
    const int beeps = fw::beepCount();
    click(0);
    click(board::kLastBox);
    EXPECT_EQ(fw::beepCount(), beeps + 2);
    EXPECT_FALSE(wall(0));
    EXPECT_FALSE(wall(board::kLastBox));
    EXPECT_FALSE(state().fileDirty);
}

TEST_F(GridEditor, BoxClickedTwiceIsAPathAgainAndTheEditorStaysDirty)
{
    click(17);
    EXPECT_TRUE(wall(17));
    click(17);
    EXPECT_FALSE(wall(17));
    EXPECT_TRUE(state().fileDirty);
}

TEST_F(GridEditor, DrawnGridSavedAndOpenedOnAFreshBoardComesBackWhole)
{
    for (int box : {1, 16, 100, 222})
        click(box);
    const gridFile::Grid drawn = state().boxBlock;
    dialogs.files = {path("maze.txt"), path("maze.txt")};
    editor->menuCommand(QStringLiteral("FileSave"));
    EXPECT_FALSE(state().fileDirty);
    editor->menuCommand(QStringLiteral("FileNew"));
    EXPECT_EQ(state().boxBlock, gridFile::Grid{});
    editor->menuCommand(QStringLiteral("FileOpen"));
    EXPECT_EQ(state().boxBlock, drawn);
    EXPECT_TRUE(dialogs.questions.empty()) << "a saved grid needs no question";
}

TEST_F(GridEditor, OpenedFileSetsOnlyItsBoxesAndAWallOnTheHeroIsWrittenBack)
{
    click(12);
    click(100);
    write("short.txt", "1,0,1,0,0,0,0,0,0,0\r\n");
    dialogs.answers = {Answer::Alternate};
    dialogs.files = {path("short.txt"), path("back.txt")};
    editor->menuCommand(QStringLiteral("FileOpen"));
    EXPECT_TRUE(wall(0));
    EXPECT_TRUE(wall(2));
    EXPECT_TRUE(wall(12)) << "fields stop at box 9; box 12 keeps its wall";
    EXPECT_TRUE(wall(100));
    EXPECT_FALSE(state().fileDirty) << "opening leaves the answer's clean state";
    click(0);
    EXPECT_TRUE(wall(0)) << "the hero's box is never toggled";
    editor->menuCommand(QStringLiteral("FileSave"));
    const std::optional<QByteArray> saved = read("back.txt");
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->startsWith("1,0,1,"));
}

TEST_F(GridEditor, UnreadableOrForeignFileSaysSoAndLeavesTheBoard)
{
    click(5);
    write("notes.md", "1,1,1");
    dialogs.answers = {Answer::Alternate};
    dialogs.files = {path("missing.txt"), dir.path(), path("notes.md")};
    for (int i = 0; i < 3; ++i) {
        editor->menuCommand(QStringLiteral("FileOpen"));
        EXPECT_EQ(dialogs.messages.size(), i + 1);
    }
    EXPECT_EQ(dialogs.messages.constFirst(), createGrid::kUnableToOpen);
    EXPECT_TRUE(wall(5));
    EXPECT_FALSE(wall(1));
}

TEST_F(GridEditor, SaveIntoAFolderThatCannotBeWrittenSaysSoAndStaysDirty)
{
    write("plain", "not a folder");
    click(5);
    dialogs.files = {path("plain/maze.txt")};
    editor->menuCommand(QStringLiteral("FileSave"));
    EXPECT_EQ(dialogs.messages, QStringList{createGrid::kUnableToSave});
    EXPECT_TRUE(state().fileDirty);
}

// Every answer to the save question, before each command that would drop the
// edits: the command goes on only when the edits were saved or given up.
TEST_F(GridEditor, SaveQuestionBeforeNewOpenAndCloseGoesOnOnlyWhenTheEditsAreSafe)
{
    enum class Command { New, Open, Close };
    enum class Reply { SavedWell, SaveCancelled, SaveFailed, DontSave, Cancel };
    write("plain", "not a folder");
    write("other.txt", "0,0,0,1");
    for (Command command : {Command::New, Command::Open, Command::Close}) {
        for (Reply reply : {Reply::SavedWell, Reply::SaveCancelled, Reply::SaveFailed,
                            Reply::DontSave, Reply::Cancel}) {
            const auto what = testing::Message() << "command " << static_cast<int>(command)
                                                 << ", reply " << static_cast<int>(reply);
            if (!editorOpen()) {
                editor = createGrid::instance();
                settle();
            }
            QFile::remove(path("saved.txt"));
            dialogs.messages.clear();
            dialogs.questions.clear();
            click(5);
            ASSERT_TRUE(state().fileDirty);

            dialogs.answers = {reply == Reply::DontSave ? Answer::Alternate
                               : reply == Reply::Cancel ? Answer::Cancel
                                                        : Answer::Action};
            dialogs.files.clear();
            if (reply == Reply::SavedWell)
                dialogs.files.append(path("saved.txt"));
            else if (reply == Reply::SaveCancelled)
                dialogs.files.append(QString());
            else if (reply == Reply::SaveFailed)
                dialogs.files.append(path("plain/saved.txt"));
            dialogs.files.append(path("other.txt"));

            if (command == Command::New)
                editor->menuCommand(QStringLiteral("FileNew"));
            else if (command == Command::Open)
                editor->menuCommand(QStringLiteral("FileOpen"));
            else
                editor->menuCommand(QStringLiteral("FileClose"));

            ASSERT_EQ(dialogs.questions.size(), 1u) << what;
            EXPECT_EQ(dialogs.questions.front().Message, createGrid::kSaveQuestion);
            EXPECT_EQ(read("saved.txt").has_value(), reply == Reply::SavedWell) << what;
            EXPECT_EQ(dialogs.messages.size(), reply == Reply::SaveFailed ? 1 : 0) << what;
            const bool goesOn = reply == Reply::SavedWell || reply == Reply::DontSave;
            if (!goesOn) {
                ASSERT_TRUE(editorOpen()) << what;
                EXPECT_TRUE(wall(5)) << what;
                EXPECT_FALSE(wall(3)) << what;
                EXPECT_TRUE(state().fileDirty) << what;
                click(5); // back to a clear board for the next case
                continue;
            }
            if (command == Command::Close) {
                EXPECT_FALSE(editorOpen()) << what;
                continue;
            }
            EXPECT_FALSE(state().fileDirty) << what;
            EXPECT_EQ(wall(5), command == Command::Open) << what;
            EXPECT_EQ(wall(3), command == Command::Open) << what;
            editor->menuCommand(QStringLiteral("FileNew"));
        }
    }
}

TEST_F(GridEditor, QuitIsRefusedWhenTheSaveQuestionIsCancelled)
{
    click(5);
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(app().quit());
    ASSERT_TRUE(editorOpen());
    EXPECT_TRUE(state().fileDirty);
    EXPECT_TRUE(wall(5));
}

TEST_F(GridEditor, OpenedFromTheStartWindowAndClosedCleanItShowsTheStartWindowWithoutAQuestion)
{
    editor->Close();
    startScrn* start = startScrn::instance();
    settle();
    start->menuCommand(QStringLiteral("InfoCreateaGrid"));
    editor = fw::openImplicitInstance<createGrid>();
    ASSERT_TRUE(editorOpen());
    EXPECT_FALSE(start->isClosed()) << "the start window stays open";
    editor->control<fw::Canvas>(QStringLiteral("closeCnv"))->click();
    EXPECT_FALSE(editorOpen());
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(fw::openImplicitInstance<startScrn>(), start);
    EXPECT_TRUE(start->isVisible());
}

} // namespace
