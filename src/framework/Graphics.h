#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace fw {

class Picture;

// The drawing surface handed to a control's Paint handler. Coordinates are in
// pixels from the control's top left; DrawString takes the text's baseline.
// Text sizes are in pixels; size 0 is the system size.
class Graphics {
public:
    Graphics(QPainter& painter, int width, int height);

    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }

    void setForeColor(const QColor& color);
    [[nodiscard]] QColor ForeColor() const { return color_; }
    void setTextFont(const QString& family);
    void setTextSize(int pixels);
    void setBold(bool bold);
    void setItalic(bool italic);

    void DrawString(const QString& text, int x, int y);
    [[nodiscard]] double StringWidth(const QString& text) const;
    void DrawPicture(const Picture* picture, int x, int y);
    void DrawPicture(const Picture* picture, int x, int y, int w, int h, int sx, int sy, int sw,
                     int sh);
    void DrawRect(int x, int y, int w, int h);
    void FillRect(int x, int y, int w, int h);

private:
    void applyFont();

    QPainter& painter_;
    int width_;
    int height_;
    QColor color_{Qt::black};
    QFont font_;
};

// The font a control asks for by name and size; "System" and size 0 mean the
// system's own.
[[nodiscard]] QFont systemFont(const QString& family, int pixelSize, bool bold = false,
                               bool italic = false);

} // namespace fw
