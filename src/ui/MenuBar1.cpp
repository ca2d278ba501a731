#include "ui/MenuBar1.h"

#include <QCoreApplication>

namespace tibbly {

namespace {

using Kind = fw::MenuItem::Kind;

std::unique_ptr<fw::MenuItem> newMenu(const char* name, const char* caption)
{
    return std::make_unique<fw::MenuItem>(QString::fromLatin1(name), QString::fromLatin1(caption),
                                          QString(), Kind::Menu);
}

void addItem(fw::MenuBar& bar, const char* menuName, const char* name, const QString& caption,
             const char* shortcut = "", Kind kind = Kind::Item)
{
    bar.Child(QString::fromLatin1(menuName))
        ->Append(std::make_unique<fw::MenuItem>(QString::fromLatin1(name), caption,
                                                QString::fromLatin1(shortcut), kind));
}

void addSeparator(fw::MenuBar& bar, const char* menuName, const char* name)
{
    addItem(bar, menuName, name, QStringLiteral("-"), "", Kind::Separator);
}

} // namespace

void appendEditMenu(fw::MenuBar& bar)
{
    bar.Append(newMenu("EditMenu", "&Edit"));
    addItem(bar, "EditMenu", "EditUndo", QStringLiteral("&Undo"), "Cmd+Z");
    addSeparator(bar, "EditMenu", "UntitledMenu1");
    addItem(bar, "EditMenu", "EditCut", QStringLiteral("Cu&t"), "Cmd+X");
    addItem(bar, "EditMenu", "EditCopy", QStringLiteral("&Copy"), "Cmd+C");
    addItem(bar, "EditMenu", "EditPaste", QStringLiteral("&Paste"), "Cmd+V");
    addItem(bar, "EditMenu", "EditClear", QStringLiteral("&Delete"));
    addSeparator(bar, "EditMenu", "UntitledMenu0");
    addItem(bar, "EditMenu", "EditSelectAll", QStringLiteral("Select &All"), "Cmd+A");
}

MenuBar1& MenuBar1::instance()
{
    static MenuBar1 bar;
    return bar;
}

MenuBar1::MenuBar1()
{
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MenuBar1::Untitled0()
{
    Append(newMenu("FileMenu", "&File"));
    addItem(*this, "FileMenu", "FileNew", QStringLiteral("New"), "Cmd+N");
    addItem(*this, "FileMenu", "FileClose", QStringLiteral("Close"), "Cmd+W");
    addItem(*this, "FileMenu", "FileQuit", QStringLiteral("&Quit"), "Cmd+Q", Kind::Quit);
}

void MenuBar1::Untitled1() { appendEditMenu(*this); }

void MenuBar1::Untitled2()
{
    Append(newMenu("InfoMenu", "Info"));
    addItem(*this, "InfoMenu", "InfoSeeHighScores", QStringLiteral("See High Scores"));
    addItem(*this, "InfoMenu", "InfoSound", QStringLiteral("Turn Sound Off"));
    addItem(*this, "InfoMenu", "InfoCreateaGrid", QStringLiteral("Create a Grid..."));
}

void MenuBar1::Untitled3()
{
    Append(newMenu("HelpMenu", "Help"));
    addItem(*this, "HelpMenu", "HelpAbout", QStringLiteral("About Tibbly"), "", Kind::About);
    // The help key of the desktop stands in for the "?" shortcut.
    addItem(*this, "HelpMenu", "HelpHelp", QStringLiteral("&Help"), "F1");
}

MenuBar2& MenuBar2::instance()
{
    static MenuBar2 bar;
    return bar;
}

MenuBar2::MenuBar2()
{
    Untitled0();
    Untitled1();
}

void MenuBar2::Untitled0()
{
    Append(newMenu("FileMenu", "&File"));
    addItem(*this, "FileMenu", "FileNew", QStringLiteral("New"), "Cmd+N");
    addItem(*this, "FileMenu", "FileOpen", QStringLiteral("Open"), "Cmd+O");
    addItem(*this, "FileMenu", "FileSave", QStringLiteral("Save"), "Cmd+S");
    addItem(*this, "FileMenu", "FileClose", QStringLiteral("Close"), "Cmd+W");
    addItem(*this, "FileMenu", "FileQuit", QStringLiteral("&Quit"), "Cmd+Q", Kind::Quit);
}

void MenuBar2::Untitled1() { appendEditMenu(*this); }

} // namespace tibbly
