#pragma once

#include "games/board/Board.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

namespace fw {
class Canvas;
class Graphics;
class Picture;
class Window;
} // namespace fw

namespace tibbly {

// What a window does with its boxes; each handler is told which box raised it.
// A mouse-down that returns true gets its mouse-up, wherever the mouse is released.
struct BoxHandlers {
    std::function<bool(int box, int x, int y)> mouseDown = {};
    std::function<void(int box, int x, int y)> mouseUp = {};
    std::function<void(int box, fw::Graphics& g)> paint = {};
};

// The 224 box canvases of a game window, registered with the window under one
// name so that box n is the control of that name with index n. Box 0 is made
// with the board; the others by makeRest(), in index order, when the window
// opens. The window owns the canvases; the board only reaches them.
class BoxBoard {
public:
    // picture: every box's backdrop when it is made; nullptr for boxes that
    // paint themselves.
    BoxBoard(fw::Window& window, QString name, board::Corner corner, const fw::Picture* picture,
             BoxHandlers handlers);

    void makeRest();
    [[nodiscard]] bool isComplete() const { return boxes_.size() == board::kBoxCount; }

    // Box n, which must exist.
    [[nodiscard]] fw::Canvas& box(int index) const;
    [[nodiscard]] const fw::Picture* picture(int index) const;
    void setPicture(int index, const fw::Picture* picture);
    // Repaints box n at once.
    void refresh(int index) const;
    void setAllPictures(const fw::Picture* picture);

private:
    void make(int index);

    fw::Window& window_;
    QString name_;
    board::Corner corner_;
    const fw::Picture* picture_;
    BoxHandlers handlers_;
    std::vector<QPointer<fw::Canvas>> boxes_;
};

} // namespace tibbly
