#include "ui/CnvBtn.h"

#include "framework/Graphics.h"
#include "framework/Picture.h"
#include "ui/PressOffset.h"

namespace tibbly {

CnvBtn::CnvBtn(QWidget* parent, const fw::Bounds& bounds) : fw::Canvas(parent, bounds) {}

void CnvBtn::setParams(const QString& title, const fw::Picture* pict, const QColor& textColor,
                       int textSize)
{
    myTitle = title;
    myPict = pict;
    myTextColor = textColor;
    myTextSize = textSize;
}

int CnvBtn::titleBaseline(int height)
{
    return height > 24 ? height - height / 3 : height - height / 4;
}

void CnvBtn::Event_Paint(fw::Graphics& g)
{
    if (myPict)
        g.DrawPicture(myPict, 0, 0, Width(), Height(), 0, 0, myPict->Width(), myPict->Height());
    g.setTextSize(myTextSize);
    const int y = titleBaseline(Height());
    g.setTextFont(QStringLiteral("System"));
    g.setBold(true);
    const int x = (Width() - static_cast<int>(g.StringWidth(myTitle))) / 2;
    g.setForeColor(QColor(0, 0, 0));
    g.DrawString(myTitle, x, y);
    g.setForeColor(myTextColor);
    g.DrawString(myTitle, x - 2, y - 2);
}

bool CnvBtn::Event_MouseDown(int, int)
{
    pressOffset::press(*this);
    return true;
}

void CnvBtn::unpress() { pressOffset::release(*this); }

void CnvBtn::Event_MouseEnter() { pressOffset::showFinger(*this); }
void CnvBtn::Event_MouseExit() { pressOffset::showArrow(*this); }

} // namespace tibbly
