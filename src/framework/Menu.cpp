#include "Menu.h"

namespace fw {

MenuItem::MenuItem(QString name, QString text, QString shortcut, Kind kind)
    : name_(std::move(name)), text_(std::move(text)), shortcut_(std::move(shortcut)), kind_(kind)
{
}

void MenuItem::setText(const QString& text)
{
    if (text_ == text)
        return;
    text_ = text;
    emit changed();
}

void MenuItem::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    emit changed();
}

MenuItem& MenuItem::Append(std::unique_ptr<MenuItem> item)
{
    items_.push_back(std::move(item));
    return *items_.back();
}

MenuItem& MenuBar::Append(std::unique_ptr<MenuItem> menu)
{
    menus_.push_back(std::move(menu));
    return *menus_.back();
}

MenuItem* MenuBar::Child(const QString& menuName) const
{
    for (const auto& menu : menus_)
        if (menu->Name() == menuName)
            return menu.get();
    return nullptr;
}

MenuItem* MenuBar::item(const QString& name) const
{
    for (const auto& menu : menus_) {
        if (menu->Name() == name)
            return menu.get();
        for (const auto& entry : menu->items())
            if (entry->Name() == name)
                return entry.get();
    }
    return nullptr;
}

void MenuBar::autoEnableAll()
{
    for (const auto& menu : menus_)
        for (const auto& entry : menu->items())
            if (entry->AutoEnable())
                entry->setEnabled(true);
}

QString qtShortcut(const QString& notation)
{
    QString text = notation;
    text.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"));
    return text;
}

} // namespace fw
