#pragma once

#include "AppFixture.h"

#include "framework/Files.h"
#include "framework/Listbox.h"
#include "framework/Window.h"
#include "prefs/myPrefs.h"

#include <QApplication>

#include <stdexcept>
#include <utility>
#include <vector>

namespace testsupport {

// A control of a window by its name and kind, failing loudly when it is missing.
template <class C> C& controlOf(const fw::Window& window, const char* name)
{
    auto* control = dynamic_cast<C*>(window.control(QString::fromLatin1(name)));
    if (!control)
        throw std::logic_error(std::string("no control ") + name);
    return *control;
}

// A hall of entries made from names and scores, filled up with empty places.
inline QStringList hallOf(const std::vector<std::pair<const char*, int>>& entries)
{
    QStringList hall;
    for (const auto& [name, score] : entries)
        hall.append(tibbly::hallEntry::make(QString::fromUtf8(name), score));
    while (hall.size() < 10)
        hall.append(tibbly::hallEntry::kEmpty);
    return hall;
}

inline const QStringList kLadder = hallOf({{"A", 900},
                                           {"B", 800},
                                           {"C", 500},
                                           {"D", 400},
                                           {"E", 300},
                                           {"F", 250},
                                           {"G", 200},
                                           {"H", 150},
                                           {"I", 120},
                                           {"J", 100}});

// The store as the preferences file on disk holds it.
inline tibbly::myPrefs storedPrefs()
{
    tibbly::myPrefs stored;
    if (const auto bytes = fw::readWholeFile(tibbly::myPrefs::filePath()))
        stored.fromBytes(*bytes);
    return stored;
}

} // namespace testsupport
