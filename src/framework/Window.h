#pragma once

#include "Control.h"
#include "Cursors.h"

#include <QColor>
#include <QHash>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QMenuBar;

namespace fw {

class MenuBar;
class Picture;
class PushButton;

// How a window looks when it is made.
struct WindowLayout {
    QString title;
    int width = 400;
    int height = 300;
    // 0 a document window; 8 a movable dialog-like window.
    int frame = 0;
    bool resizable = false;
    bool minimizeButton = true;
    bool maximizeButton = false;
    std::optional<QColor> backColor;
    MenuBar* menuBar = nullptr;
    bool visible = true;
};

// A top-level window with its content area, its controls and, when its layout
// gives one, a menu bar. Its life: made by a constructor that creates the
// controls, then open() raises the controls' Open events in creation order and
// the window's own Open, and shows it. Close asks CancelClose first; a close that
// is not refused raises Close and the window is deleted soon after.
class Window : public QWidget {
public:
    explicit Window(const WindowLayout& layout);
    ~Window() override;

    // The parent of the window's controls; its coordinates are the window's.
    [[nodiscard]] QWidget* content() const { return content_; }

    // Raises the Open events and shows the window if its layout is visible.
    void open();
    [[nodiscard]] bool isClosed() const { return closed_; }

    // Shows the window, or brings it to the front; returns at once.
    void Show();
    // Shows the window in front of all others, taking the input until it closes.
    // Returns at once; nothing in the program waits for a modal window.
    void ShowModal();
    // Asks the window to close; returns whether it closed.
    bool Close();
    // Quitting the application asks every window first and closes them only when
    // none refuses, so that a window left behind a refusing one is not lost.
    // Whether the window lets the application quit; asks it as if it closed.
    [[nodiscard]] bool agreesToQuit();
    // Closes the window on behalf of quitting, once it has agreed.
    bool closeForQuit();

    void setBackdrop(const Picture* picture);
    [[nodiscard]] const Picture* Backdrop() const { return backdrop_; }
    void setMouseCursor(const MouseCursor& cursor) { setCursor(cursor); }

    // Controls register here in creation order.
    template <class C> C* add(C* control)
    {
        controls_.push_back(control);
        return control;
    }
    [[nodiscard]] Control* control(const QString& name, int index = -1) const;
    // The control of that name as the class it was made with, or nullptr.
    template <class C> [[nodiscard]] C* control(const QString& name, int index = -1) const
    {
        return dynamic_cast<C*>(control(name, index));
    }

    // Menus
    [[nodiscard]] MenuBar* menuBar() const { return menuBar_; }
    void addMenuHandler(const QString& itemName, std::function<bool()> handler);
    // Enables the bar's items as before a menu opens.
    void enableMenuItems();
    // Runs a menu command as the player would by choosing it or by its
    // shortcut: only when, after enabling, the item is enabled. Returns whether
    // a handler ran.
    bool menuCommand(const QString& itemName);

    // Synthesised key press, as if typed in the window.
    void typeKey(const QString& key);

    // Key texts, as KeyDown receives them.
    static const QString kReturn;
    static const QString kEnter;
    static const QString kEscape;
    static const QString kLeft;
    static const QString kRight;
    static const QString kUp;
    static const QString kDown;

protected:
    // True while the window closes on behalf of quitting the application, in
    // its Close event: a window that would open another on closing does not
    // then. (Its CancelClose was asked before, with appQuitting true.)
    [[nodiscard]] bool closingForQuit() const { return quitting_; }

    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual bool Event_CancelClose(bool appQuitting);
    virtual bool Event_KeyDown(const QString& key);
    virtual void Event_EnableMenuItems() {}
    virtual void Event_Activate() {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenuBar();
    void handleKey(const QString& key);
    [[nodiscard]] PushButton* buttonWhere(bool isDefault) const;

    QWidget* content_ = nullptr;
    QMenuBar* qtMenuBar_ = nullptr;
    MenuBar* menuBar_ = nullptr;
    const Picture* backdrop_ = nullptr;
    std::vector<Control*> controls_;
    QHash<QString, std::function<bool()>> menuHandlers_;
    bool opened_ = false;
    bool closed_ = false;
    bool quitting_ = false;
    bool visibleByLayout_ = true;
};

// The key text of a Qt key event, as KeyDown receives it: the typed character,
// or Chr(13) Return, Chr(3) Enter, Chr(27) Escape, Chr(28..31) left, right, up,
// down; empty for keys that have none.
[[nodiscard]] QString keyText(const QKeyEvent& event);

} // namespace fw
