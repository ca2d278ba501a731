#pragma once

#include "framework/Canvas.h"

#include <QColor>

namespace tibbly {

// A picture button with a title drawn over its stretched picture, with a black
// shadow 2 pixels right of and below the coloured title. Shows the press offset
// like actionBtn; the host's MouseUp handler moves it back and acts.
class CnvBtn : public fw::Canvas {
public:
    explicit CnvBtn(QWidget* parent, const fw::Bounds& bounds = {});

    QString myTitle;
    const fw::Picture* myPict = nullptr;
    QColor myTextColor;
    int myTextSize = 0;

    void setParams(const QString& title, const fw::Picture* pict, const QColor& textColor,
                   int textSize);
    void setColor(const QColor& textColor) { myTextColor = textColor; }
    [[nodiscard]] QString getTitle() const { return myTitle; }

    void unpress();

    // The baseline of the title for a button of this height.
    [[nodiscard]] static int titleBaseline(int height);

protected:
    void Event_Paint(fw::Graphics& g) override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseEnter() override;
    void Event_MouseExit() override;
};

} // namespace tibbly
