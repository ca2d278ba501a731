#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace fw {

// One menu or menu item of a menu bar. An ampersand in Text marks the access
// key. KeyboardShortcut uses "Cmd+N" notation (Cmd stands for Ctrl here) or a
// Qt key name such as "F1". A change of Text or Enabled shows in every window
// that carries the bar.
class MenuItem : public QObject {
    Q_OBJECT
public:
    enum class Kind { Menu, Item, Separator, Quit, About };

    MenuItem(QString name, QString text, QString shortcut, Kind kind);

    [[nodiscard]] const QString& Name() const { return name_; }
    [[nodiscard]] const QString& Text() const { return text_; }
    void setText(const QString& text);
    [[nodiscard]] const QString& KeyboardShortcut() const { return shortcut_; }
    [[nodiscard]] bool AutoEnable() const { return autoEnable_; }
    void setAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    [[nodiscard]] bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    [[nodiscard]] Kind kind() const { return kind_; }

    MenuItem& Append(std::unique_ptr<MenuItem> item);
    [[nodiscard]] const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }

signals:
    void changed();

private:
    QString name_;
    QString text_;
    QString shortcut_;
    Kind kind_;
    bool autoEnable_ = true;
    bool enabled_ = true;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// A menu bar: its menus in order. Items are found by name.
class MenuBar {
public:
    virtual ~MenuBar() = default;
    MenuBar() = default;
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    MenuItem& Append(std::unique_ptr<MenuItem> menu);
    // The menu of that name, or nullptr.
    [[nodiscard]] MenuItem* Child(const QString& menuName) const;
    // The menu or item of that name anywhere in the bar, or nullptr.
    [[nodiscard]] MenuItem* item(const QString& name) const;
    [[nodiscard]] const std::vector<std::unique_ptr<MenuItem>>& menus() const { return menus_; }

    // Every item enables itself that has AutoEnable set.
    void autoEnableAll();

private:
    std::vector<std::unique_ptr<MenuItem>> menus_;
};

// Shortcut notation of the menus ("Cmd+N", "F1") as a Qt key sequence text.
[[nodiscard]] QString qtShortcut(const QString& notation);

} // namespace fw
