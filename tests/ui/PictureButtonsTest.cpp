#include "HostWindow.h"

#include "assets/Assets.h"
#include "ui/CnvBtn.h"
#include "ui/actionBtn.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

using testsupport::HostWindow;
using tibbly::actionBtn;
using tibbly::CnvBtn;

namespace {

// The smallest rectangle holding every pixel near the colour, whose channels
// are each full or empty: a full channel reads over 200, an empty one under 60
// (the edges of the letters are blended with what lies under them).
QRect boundsOf(const QImage& image, const QColor& colour)
{
    const auto near = [](int value, int channel) {
        return channel > 127 ? value > 200 : value < 60;
    };
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (near(c.red(), colour.red()) && near(c.green(), colour.green()) &&
                near(c.blue(), colour.blue()))
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

} // namespace

// The press offset is the same on both picture buttons.
template <class Button> class PressOffset : public HostWindow {
protected:
    void SetUp() override
    {
        HostWindow::SetUp();
        button = window->add(new Button(window->content(), {100, 200, 150, 30}));
        // As every host does: move the button back first, then act.
        button->onMouseUp = [this](int x, int y) {
            button->unpress();
            ++mouseUps;
            lastRelease = QPoint(x, y);
            placeWhenActing = place();
        };
        openWindow();
    }

    [[nodiscard]] QPoint place() const { return {button->Left(), button->Top()}; }

    Button* button = nullptr;
    int mouseUps = 0;
    QPoint lastRelease;
    QPoint placeWhenActing;
};

using PictureButtonTypes = ::testing::Types<actionBtn, CnvBtn>;
TYPED_TEST_SUITE(PressOffset, PictureButtonTypes);

TYPED_TEST(PressOffset, PressShiftsTheButtonAndAReleaseOutsideStillReachesTheHostWhichPutsItBack)
{
    this->button->press(10, 10);
    EXPECT_EQ(this->place(), QPoint(102, 202));
    EXPECT_EQ(this->mouseUps, 0);

    this->button->release(-50, -50);
    EXPECT_EQ(this->mouseUps, 1);
    EXPECT_EQ(this->lastRelease, QPoint(-50, -50));
    EXPECT_EQ(this->placeWhenActing, QPoint(100, 200));
    EXPECT_EQ(this->place(), QPoint(100, 200));
}

TYPED_TEST(PressOffset, EveryClickEndsWhereItStarted)
{
    for (int i = 0; i < 3; ++i)
        this->button->click(5, 5);
    EXPECT_EQ(this->mouseUps, 3);
    EXPECT_EQ(this->place(), QPoint(100, 200));
}

TYPED_TEST(PressOffset, AReleaseWithoutAPressDoesNotReachTheHost)
{
    this->button->release(5, 5);
    EXPECT_EQ(this->mouseUps, 0);
    EXPECT_EQ(this->place(), QPoint(100, 200));
}

TEST(CnvBtnTitle, BaselineRuleChangesAboveTwentyFourPixels)
{
    const struct {
        int height;
        int baseline;
    } cases[] = {
        {23, 18}, // 23 - 23 / 4
        {24, 18}, // 24 - 24 / 4: not above 24
        {25, 17}, // 25 - 25 / 3
        {36, 24}, // the start window's buttons
    };
    for (const auto& c : cases)
        EXPECT_EQ(CnvBtn::titleBaseline(c.height), c.baseline) << "height " << c.height;
}

class CnvBtnPainting : public HostWindow {
protected:
    // The button's look with a red title on no picture: the black copy is the shadow.
    QImage paint(const QString& title, int width)
    {
        auto* button = window->add(new CnvBtn(window->content(), {10, 10, width, 36}));
        button->setParams(title, nullptr, QColor(255, 0, 0), 14);
        openWindow();
        return button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }
};

TEST_F(CnvBtnPainting, ShadowFallsTwoPixelsRightOfAndBelowTheCentredTitle)
{
    const QImage image = paint(QStringLiteral("Find Tibbly"), 150);
    const QRect title = boundsOf(image, Qt::red);
    const QRect shadow = boundsOf(image, Qt::black);
    ASSERT_FALSE(title.isEmpty());
    ASSERT_FALSE(shadow.isEmpty());
    EXPECT_NEAR(shadow.right() - title.right(), 2, 1);
    EXPECT_NEAR(shadow.bottom() - title.bottom(), 2, 1);
    // Centred, give or take the shadow and the rounding of the width.
    EXPECT_NEAR(title.left() + 2, 149 - shadow.right(), 3);
}

TEST_F(CnvBtnPainting, TitleWiderThanTheButtonIsCutByItsEdges)
{
    const QImage image = paint(QStringLiteral("A title far too long for so narrow a button"), 60);
    const QRect title = boundsOf(image, Qt::red);
    ASSERT_FALSE(title.isEmpty());
    EXPECT_EQ(title.left(), 0);
    EXPECT_EQ(boundsOf(image, Qt::black).right(), 59);
}
