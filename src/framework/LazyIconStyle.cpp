#include "LazyIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace fw {

namespace {

// Stands in for a style's icon and fetches it on first use.
class DeferredIconEngine final : public QIconEngine {
public:
    DeferredIconEngine(const QProxyStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    [[nodiscard]] QIconEngine* clone() const override
    {
        auto* copy = new DeferredIconEngine(style_, which_);
        copy->icon_ = icon_;
        copy->fetched_ = fetched_;
        return copy;
    }

private:
    const QIcon& icon()
    {
        if (!fetched_ && style_)
            icon_ = style_->baseStyle()->standardIcon(which_);
        fetched_ = true;
        return icon_;
    }

    QPointer<const QProxyStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool fetched_ = false;
};

} // namespace

QIcon LazyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                  const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(this, icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace fw
