#include "games/board/BoxBoard.h"

#include "framework/Canvas.h"
#include "framework/Window.h"

#include <cassert>

namespace tibbly {

using namespace board;

BoxBoard::BoxBoard(fw::Window& window, QString name, Corner corner, const fw::Picture* picture,
                   BoxHandlers handlers)
    : window_(window), name_(std::move(name)), corner_(corner), picture_(picture),
      handlers_(std::move(handlers))
{
    boxes_.reserve(kBoxCount);
    make(0);
}

void BoxBoard::makeRest()
{
    for (auto index = static_cast<int>(boxes_.size()); index < kBoxCount; ++index)
        make(index);
}

void BoxBoard::make(int index)
{
    const BoxPlace place = placeOf(index);
    auto* box =
        new fw::Canvas(window_.content(), {corner_.left + kBoxSize * place.column,
                                           corner_.top + kBoxSize * place.row, kBoxSize, kBoxSize});
    box->setName(name_);
    box->setIndex(index);
    if (picture_)
        box->setBackdrop(picture_);
    if (handlers_.mouseDown)
        box->onMouseDown = [this, index](int x, int y) { return handlers_.mouseDown(index, x, y); };
    if (handlers_.mouseUp)
        box->onMouseUp = [this, index](int x, int y) { handlers_.mouseUp(index, x, y); };
    if (handlers_.paint)
        box->onPaint = [this, index](fw::Graphics& g) { handlers_.paint(index, g); };
    // A box made after the window has opened must show, as box 0 does.
    if (window_.isVisible())
        box->show();
    boxes_.push_back(window_.add(box));
}

fw::Canvas& BoxBoard::box(int index) const
{
    assert(index >= 0 && index < static_cast<int>(boxes_.size()));
    return *boxes_[static_cast<std::size_t>(index)];
}

const fw::Picture* BoxBoard::picture(int index) const { return box(index).Backdrop(); }

void BoxBoard::setPicture(int index, const fw::Picture* picture)
{
    box(index).setBackdrop(picture);
}

void BoxBoard::refresh(int index) const { box(index).Refresh(true); }

void BoxBoard::setAllPictures(const fw::Picture* picture)
{
    for (const auto& b : boxes_)
        b->setBackdrop(picture);
}

} // namespace tibbly
