#include "HostWindow.h"

#include "assets/Assets.h"
#include "ui/qvxCheckBox.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using testsupport::HostWindow;
using tibbly::qvxCheckBox;

namespace {

// A check box that counts its paints and lets the test see its answer to a press.
class ProbedBox : public qvxCheckBox {
public:
    using qvxCheckBox::Event_MouseDown;
    using qvxCheckBox::qvxCheckBox;
    int paints = 0;
    int mouseUps = 0;

protected:
    void Event_Paint(fw::Graphics& g) override
    {
        ++paints;
        qvxCheckBox::Event_Paint(g);
    }
};

} // namespace

class CheckBoxes : public HostWindow {
protected:
    ProbedBox* addBox(int row)
    {
        auto* box = window->add(new ProbedBox(window->content(), {10, 10 + 40 * row, 150, 30}));
        box->onMouseUp = [box](int, int) { ++box->mouseUps; };
        return box;
    }

    // Boxes tied into one group, as the host does in each box's Open handler.
    std::vector<ProbedBox*> addGroup(int size)
    {
        std::vector<ProbedBox*> boxes;
        for (int i = 0; i < size; ++i)
            boxes.push_back(addBox(i));
        for (ProbedBox* box : boxes) {
            for (ProbedBox* other : boxes)
                if (other != box)
                    box->myGroup.push_back(other);
            box->groupTotal = size - 1;
        }
        return boxes;
    }
};

TEST_F(CheckBoxes, GroupActsAsRadioButtonsWhoseCheckedMemberRefusesTheClick)
{
    // For every checked member and every clicked member of a group of three.
    for (int checked = 0; checked < 3; ++checked) {
        for (int clicked = 0; clicked < 3; ++clicked) {
            SCOPED_TRACE(testing::Message() << "checked " << checked << ", clicked " << clicked);
            auto boxes = addGroup(3);
            for (int i = 0; i < 3; ++i)
                boxes[i]->setValue(i == checked);

            EXPECT_EQ(boxes[clicked]->Event_MouseDown(5, 5), clicked != checked);
            boxes[clicked]->click(5, 5);

            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(boxes[i]->value(), i == clicked) << "box " << i;
                const int expectedUps = i == clicked && clicked != checked ? 1 : 0;
                EXPECT_EQ(boxes[i]->mouseUps, expectedUps) << "box " << i;
            }
        }
    }
}

TEST_F(CheckBoxes, SettingTheValueDoesNotRepaintButAClickRepaintsEveryMember)
{
    auto boxes = addGroup(2);
    openWindow();
    ASSERT_GT(boxes[0]->paints, 0) << "the box was never painted on screen";
    const std::array<int, 2> before = {boxes[0]->paints, boxes[1]->paints};

    boxes[0]->setValue(true);
    boxes[0]->setMyText(QStringLiteral("Fast"));
    settle();
    EXPECT_EQ(boxes[0]->paints, before[0]);

    boxes[1]->click(5, 5);
    EXPECT_GT(boxes[0]->paints, before[0]);
    EXPECT_GT(boxes[1]->paints, before[1]);
}

TEST_F(CheckBoxes, BoxInNoGroupTogglesOnEveryClick)
{
    ProbedBox* box = addBox(0);
    openWindow();
    for (const bool expected : {true, false, true, false}) {
        EXPECT_TRUE(box->Event_MouseDown(5, 5));
        box->click(5, 5);
        EXPECT_EQ(box->value(), expected);
    }
    EXPECT_EQ(box->mouseUps, 4);
}

TEST_F(CheckBoxes, ReleaseOutsideTheBoxStillCountsAsAClick)
{
    auto boxes = addGroup(2);
    boxes[0]->setValue(true);
    boxes[1]->press(5, 5);
    boxes[1]->release(-50, -50);
    EXPECT_FALSE(boxes[0]->value());
    EXPECT_TRUE(boxes[1]->value());
    EXPECT_EQ(boxes[1]->mouseUps, 1);
}

TEST_F(CheckBoxes, OpeningSetsTheMaskedPicturesBeforeTheHostsOpenRuns)
{
    ProbedBox* box = addBox(0);
    const fw::Picture* checkedSeenByHost = nullptr;
    const fw::Picture* uncheckedSeenByHost = nullptr;
    int opens = 0;
    box->onOpen = [&] {
        ++opens;
        checkedSeenByHost = box->myValuePict;
        uncheckedSeenByHost = box->myUnselPict;
    };
    openWindow();

    EXPECT_EQ(opens, 1);
    ASSERT_NE(tibbly::boxWithCheck(), nullptr);
    ASSERT_NE(tibbly::blueCheckBox(), nullptr);
    EXPECT_EQ(checkedSeenByHost, tibbly::boxWithCheck());
    EXPECT_EQ(uncheckedSeenByHost, tibbly::blueCheckBox());
    // The shared pictures themselves carry the mask, for every user.
    EXPECT_EQ(tibbly::boxWithCheck()->mask(), tibbly::CkBoxMask());
    EXPECT_EQ(tibbly::blueCheckBox()->mask(), tibbly::CkBoxMask());
}

TEST_F(CheckBoxes, AGroupCountBeyondItsMembersReachesOnlyTheMembersThere)
{
    auto boxes = addGroup(2);
    boxes[0]->groupTotal = 3;
    boxes[1]->setValue(true);
    boxes[0]->click(5, 5);
    EXPECT_TRUE(boxes[0]->value());
    EXPECT_FALSE(boxes[1]->value());
    EXPECT_EQ(boxes[0]->mouseUps, 1);
}
