#include "framework/LazyIconStyle.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

// The extension icons are fetched late, but must still be the style's own.
TEST(LazyIconStyle, DeferredIconsDrawAsTheStylesOwn)
{
    fw::LazyIconStyle style(QStringLiteral("Fusion"));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        SCOPED_TRACE(which);
        const QIcon deferred = style.standardIcon(which, nullptr, nullptr);
        const QIcon own = fusion->standardIcon(which);
        ASSERT_FALSE(own.pixmap(16, 16).isNull());
        EXPECT_EQ(deferred.pixmap(16, 16).toImage(), own.pixmap(16, 16).toImage());
        EXPECT_EQ(deferred.actualSize(QSize(16, 16)), own.actualSize(QSize(16, 16)));
    }
}
