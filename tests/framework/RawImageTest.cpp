#include "framework/RawImage.h"

#include <QColor>

#include <gtest/gtest.h>

namespace {

QImage halfTransparentPicture()
{
    QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setPixelColor(0, 0, QColor(255, 0, 0, 128));
    image.setPixelColor(2, 1, QColor(0, 0, 255));
    return image;
}

} // namespace

TEST(RawImage, ComesBackPixelForPixelWithItsTransparency)
{
    const QImage original = halfTransparentPicture();
    const QImage decoded = fw::imageFromRawBytes(fw::rawImageBytes(original));
    ASSERT_EQ(decoded.size(), original.size());
    EXPECT_EQ(decoded.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(decoded, original);
}

TEST(RawImage, ShortDamagedOrForeignBytesGiveNoImage)
{
    const QByteArray whole = fw::rawImageBytes(halfTransparentPicture());
    QByteArray foreignTag = whole;
    foreignTag[0] = 'P';
    QByteArray hugeWidth = whole;
    hugeWidth[4] = hugeWidth[5] = hugeWidth[6] = hugeWidth[7] = char(0x7F);
    for (const QByteArray& bytes :
         {QByteArray(), whole.left(10), whole.chopped(1), whole + 'x', foreignTag, hugeWidth})
        EXPECT_TRUE(fw::imageFromRawBytes(bytes).isNull()) << bytes.size() << " bytes";
}
