#include "AppFixture.h"

#include "assets/Assets.h"
#include "framework/Window.h"
#include "ui/CnvBtn.h"
#include "ui/actionBtn.h"
#include "ui/qvxCheckBox.h"

#include <QCoreApplication>
#include <QEnterEvent>

#include <gtest/gtest.h>

#include <functional>

using testsupport::AppFixture;

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

class ControlCursors : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        fw::WindowLayout layout;
        layout.title = QStringLiteral("Cursors");
        window = new fw::Window(layout);
    }

    fw::Window* window = nullptr;
};

TEST_F(ControlCursors, PictureControlsShowTheFingerWhileTheMouseIsOverThem)
{
    const struct {
        const char* what;
        std::function<QWidget*(QWidget*)> make;
    } cases[] = {
        {"actionBtn",
         [](QWidget* parent) {
             return new tibbly::actionBtn(parent, {0, 0, 150, 30});
         }},
        {"CnvBtn",
         [](QWidget* parent) {
             return new tibbly::CnvBtn(parent, {0, 40, 150, 36});
         }},
        {"qvxCheckBox",
         [](QWidget* parent) {
             return new tibbly::qvxCheckBox(parent, {0, 80, 150, 30});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget* control = c.make(window->content());
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
