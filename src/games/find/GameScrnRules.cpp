// The board and the judging of clicks.

#include "games/find/GameScrn.h"

#include "assets/Assets.h"
#include "assets/holdClickPicts.h"
#include "framework/Graphics.h"
#include "framework/System.h"

#include <algorithm>
#include <span>

namespace tibbly {

using namespace findRules;

namespace {

const fw::Picture* lightPicture(Light light)
{
    return light == Light::Green ? greenLt2() : redLt2();
}

} // namespace

void GameScrn::drawBoxes() { theBox.makeRest(); }

void GameScrn::showOnBox(int box, const fw::Picture* picture) { theBox.setPicture(box, picture); }

void GameScrn::refreshCurScore() { curScFld->Refresh(true); }

// Round set-up ---------------------------------------------------------------

void GameScrn::selRnd()
{
    const int target = drawBox();
    theRow = placeOf(target).row;
    theCol = placeOf(target).column;
    theTarget = target;
    selBadee(target);
    selBonus();
    clickCt = 0;
    myCurScore = roundStartPoints(roundCt);
    refreshCurScore();
}

void GameScrn::selBadee(int target)
{
    const auto first = theBadee.begin();
    for (int i = 0; i < std::min(roundCt, kSlots); ++i) {
        int b = 0;
        do {
            b = drawBox();
        } while (b == target || std::find(first, first + i, b) != first + i);
        theBadee[static_cast<std::size_t>(i)] = b;
    }
}

void GameScrn::selBonus()
{
    for (int i = 0; i <= lastBonusSlot(roundCt); ++i) {
        int b = 0;
        // All ten Badee entries are avoided, also those that earlier rounds left
        // beyond this round's Badees. Slots may share a box.
        do {
            b = drawBox();
        } while (b == theTarget || std::ranges::find(theBadee, b) != theBadee.end());
        theBonus[static_cast<std::size_t>(i)] = b;
    }
}

// Clicks ---------------------------------------------------------------------

void GameScrn::theBox_MouseUp(int index, int, int)
{
    // The box pressed is the box judged, wherever the mouse is released.
    if (allowClick)
        hndlClick(index);
}

void GameScrn::hndlClick(int box)
{
    const auto badees = roundBadees();
    const bool isBadee = std::ranges::find(badees, box) != badees.end();

    bool isBonus = false;
    int kind = 0;
    if (!isBadee) {
        for (int i = 0; i <= lastBonusSlot(roundCt); ++i) {
            if (theBonus[static_cast<std::size_t>(i)] == box) {
                // Where two slots share a box, the lower slot's kind counts.
                isBonus = true;
                kind = bonusKind(i);
                break;
            }
        }
    }

    const bool counted = setIndicators(box, isBadee, isBonus, kind);
    if (endOfGame || endOfRound)
        return;

    if (counted)
        ++clickCt;
    if (clickCt == kMaxClicks) {
        myCurScore = 0;
        InstrTxt->setText(QStringLiteral("Sorry, too many clicks."));
        refreshCurScore();
        showOnBox(theTarget, TibblyFind());
        hndlRoundEnd();
        return;
    }
    // Every click that leaves the round running costs: a miss, a bonus (after
    // its multiplying) and a click on a marked box alike.
    InstrTxt->setText(
        QStringLiteral("Follow the green lights, click again, watch out for the Badees."));
    myCurScore = lessCost(myCurScore, clickCost(roundCt));
    refreshCurScore();
}

bool GameScrn::setIndicators(int box, bool isBadee, bool isBonus, int kind)
{
    if (isBadee) {
        play(Gotcha());
        showOnBox(box, badee());
        showOnBox(theTarget, TibblyFind());
        hndlGameEnd();
        return false;
    }
    if (isBonus) {
        addBonus(kind, box);
        return false;
    }
    if (box == theTarget) {
        play(found());
        InstrTxt->setText(QStringLiteral("You found him!!!"));
        showOnBox(box, TibblyFind());
        hndlRoundEnd();
        return false;
    }
    if (isBoxClicked(box)) {
        fw::Beep();
        return false;
    }

    play(Pop());
    showOnBox(box, holdClickPicts::clickPict[static_cast<std::size_t>(clickCt)]);
    selRow = placeOf(box).row;
    selCol = placeOf(box).column;
    const LightPair vertical = lightsTowards(theRow, selRow);
    const LightPair horizontal = lightsTowards(theCol, selCol);
    dirColor = {lightPicture(vertical.towardsLower), lightPicture(vertical.towardsHigher),
                lightPicture(horizontal.towardsLower), lightPicture(horizontal.towardsHigher)};
    for (const auto& light : DirLt)
        light->Refresh(true);
    return true;
}

void GameScrn::addBonus(int kind, int box)
{
    play(Bonus());
    static const std::array<fw::Picture* (*)(), 4> pictures{TwoX, TwoX, ThreeX, FourX};
    showOnBox(box, pictures[static_cast<std::size_t>(kind)]());
    // The slot is not used up: every further click on it multiplies again.
    myCurScore = multiplied(myCurScore, bonusMultiplier(kind));
    refreshCurScore();
}

bool GameScrn::isBoxClicked(int box) const
{
    // The tenth mark ends the round, so only the first nine can be clicked again.
    const fw::Picture* shown = theBox.picture(box);
    return std::any_of(holdClickPicts::clickPict.begin(), holdClickPicts::clickPict.begin() + 9,
                       [shown](const fw::Picture* mark) { return mark && mark == shown; });
}

std::span<const int> GameScrn::roundBadees() const
{
    return std::span<const int>(theBadee).first(
        static_cast<std::size_t>(std::clamp(roundCt, 0, kSlots)));
}

void GameScrn::setAllLightsGreen()
{
    for (std::size_t i = 0; i < DirLt.size(); ++i) {
        dirColor[i] = greenLt2();
        DirLt[i]->Refresh(true);
    }
}

// Painting -------------------------------------------------------------------

void GameScrn::BadeePict_Paint(int index, fw::Graphics& g)
{
    if (index < roundCt) {
        g.DrawPicture(badee(), 0, 0, 16, 16, 0, 0, 32, 32);
        return;
    }
    g.DrawRect(0, 0, g.Width() - 1, g.Height() - 1);
}

void GameScrn::DirLt_Paint(int index, fw::Graphics& g)
{
    // The lights have no picture until the first round is set up.
    const fw::Picture* picture = dirColor[static_cast<std::size_t>(index)];
    if (!picture)
        return;
    g.DrawPicture(picture, 0, 0, g.Width(), g.Height(), 0, 0, picture->Width(), picture->Height());
}

} // namespace tibbly
