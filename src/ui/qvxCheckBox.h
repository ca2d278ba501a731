#pragma once

#include "framework/Canvas.h"

#include <vector>

namespace tibbly {

// A check box drawn with two pictures and a label. Boxes tied into a group act
// as radio buttons: a checked member refuses the click; an unchecked one checks
// itself and clears the others. Only the clicked box raises MouseUp. The host's
// onOpen runs once the pictures are set; its onMouseUp after a click.
class qvxCheckBox : public fw::Canvas {
public:
    explicit qvxCheckBox(QWidget* parent, const fw::Bounds& bounds = {});

    [[nodiscard]] bool value() const { return mvalue; }
    // Does not repaint.
    void setValue(bool v) { mvalue = v; }
    [[nodiscard]] const QString& myText() const { return mmyText; }
    void setMyText(const QString& text) { mmyText = text; }

    const fw::Picture* myValuePict = nullptr;
    const fw::Picture* myUnselPict = nullptr;
    std::vector<qvxCheckBox*> myGroup;
    int groupTotal = 0;

    void Event_Open() override;

protected:
    void Event_Paint(fw::Graphics& g) override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseUp(int x, int y) override;
    void Event_MouseEnter() override;
    void Event_MouseExit() override;

private:
    bool mvalue = false;
    QString mmyText;
};

} // namespace tibbly
