#include "HostWindow.h"

#include "assets/Assets.h"
#include "ui/CnvBtn.h"
#include "ui/actionBtn.h"
#include "ui/qvxCheckBox.h"

#include <QCoreApplication>
#include <QEnterEvent>

#include <gtest/gtest.h>

#include <utility>

using testsupport::HostWindow;

namespace {

void enter(QWidget* widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

bool showsFinger(const QWidget* widget)
{
    const fw::MouseCursor* finger = tibbly::FingerCurs();
    return finger && widget->cursor().shape() == Qt::BitmapCursor &&
           widget->cursor().pixmap().cacheKey() == finger->pixmap().cacheKey();
}

} // namespace

class ControlCursors : public HostWindow {};

TEST_F(ControlCursors, PictureControlsShowTheFingerWhileTheMouseIsOverThem)
{
    QWidget* parent = window->content();
    const std::pair<const char*, QWidget*> controls[] = {
        {"actionBtn", new tibbly::actionBtn(parent, {0, 0, 150, 30})},
        {"CnvBtn", new tibbly::CnvBtn(parent, {0, 40, 150, 36})},
        {"qvxCheckBox", new tibbly::qvxCheckBox(parent, {0, 80, 150, 30})},
    };
    for (const auto& [what, control] : controls) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(showsFinger(control));

        enter(control);
        EXPECT_TRUE(showsFinger(control));

        leave(control);
        EXPECT_EQ(control->cursor().shape(), Qt::ArrowCursor);

        // And again: the finger is the same shared cursor each time.
        enter(control);
        EXPECT_TRUE(showsFinger(control));
    }
}
