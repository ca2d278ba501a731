#pragma once

#include <QRect>
#include <QString>

#include <functional>

class QWidget;

namespace fw {

class Window;

// Where a control sits in its window's content area, and how big it is.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What every control has, whatever Qt widget stands behind it: a name, an index
// within its control array (-1 when it is in none), its place, and an Open event
// that the window raises once, in creation order, before its own Open.
class Control {
public:
    virtual ~Control() = default;

    [[nodiscard]] virtual QWidget* widget() = 0;
    [[nodiscard]] const QWidget* widget() const { return const_cast<Control*>(this)->widget(); }

    [[nodiscard]] const QString& Name() const { return name_; }
    [[nodiscard]] int Index() const { return index_; }
    void setName(const QString& name) { name_ = name; }
    void setIndex(int index) { index_ = index; }

    [[nodiscard]] int Left() const;
    [[nodiscard]] int Top() const;
    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    void setLeft(int left);
    void setTop(int top);
    void setBounds(const Bounds& bounds);
    [[nodiscard]] bool Visible() const;
    void setVisible(bool visible);
    [[nodiscard]] bool Enabled() const;
    void setEnabled(bool enabled);
    void SetFocus();
    // Repaints the control: at once when immediately is true, else soon.
    void Refresh(bool immediately = true);

    std::function<void()> onOpen;
    // Raised by the window once, after all its controls exist.
    virtual void Event_Open();

private:
    QString name_;
    int index_ = -1;
};

} // namespace fw
