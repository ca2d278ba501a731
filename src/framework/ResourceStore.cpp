#include "ResourceStore.h"

#include "Picture.h"
#include "RawImage.h"
#include "Sound.h"

#include <QFile>
#include <QPixmap>

namespace fw {

namespace {
std::optional<QByteArray> readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
} // namespace

ResourceStore::ResourceStore(QString root) : root_(std::move(root)) {}

std::unique_ptr<Picture> ResourceStore::GetPicture(int id) const
{
    ++fetches_;
    const QString svgPath = QStringLiteral("%1/picture/%2.svg").arg(root_).arg(id);
    const QString at1x = QStringLiteral("%1/picture/%2@1x.argb").arg(root_).arg(id);
    const QString at2x = QStringLiteral("%1/picture/%2@2x.argb").arg(root_).arg(id);
    const QString has2x = QFile::exists(at2x) ? at2x : QString();
    // The rendition at 1× gives the picture's size, so its drawing waits
    // until it is drawn some other way.
    if (const auto raw = readResource(at1x); raw && QFile::exists(svgPath)) {
        if (QImage ready = imageFromRawBytes(*raw); !ready.isNull()) {
            auto picture = std::make_unique<Picture>(std::move(ready), svgPath);
            picture->setRenditions(QString(), has2x);
            return picture;
        }
    }
    const auto svg = readResource(svgPath);
    if (!svg)
        return nullptr;
    auto picture = std::make_unique<Picture>(*svg);
    if (picture->isNull())
        return nullptr;
    picture->setRenditions(QFile::exists(at1x) ? at1x : QString(), has2x);
    return picture;
}

std::unique_ptr<Sound> ResourceStore::GetSound(int id) const
{
    ++fetches_;
    const QString path = QStringLiteral("%1/sound/%2.wav").arg(root_).arg(id);
    if (!QFile::exists(path))
        return nullptr;
    return std::make_unique<Sound>(path);
}

QString ResourceStore::GetResource(const QString& type, int id) const
{
    ++fetches_;
    const auto text = readResource(QStringLiteral("%1/%2/%3.txt").arg(root_, type).arg(id));
    return text ? QString::fromUtf8(*text) : QString();
}

std::unique_ptr<MouseCursor> ResourceStore::getCursor(int id) const
{
    ++fetches_;
    const auto svg = readResource(QStringLiteral("%1/cursor/%2.svg").arg(root_).arg(id));
    if (!svg)
        return nullptr;
    const Picture picture(*svg);
    if (picture.isNull())
        return nullptr;
    int hotX = 0;
    int hotY = 0;
    if (const auto hotspot =
            readResource(QStringLiteral("%1/cursor/%2.hotspot").arg(root_).arg(id))) {
        const QList<QByteArray> parts = hotspot->simplified().split(' ');
        if (parts.size() == 2) {
            hotX = parts[0].toInt();
            hotY = parts[1].toInt();
        }
    }
    // Drawn at twice the size for sharp cursors on high-density screens.
    const QPixmap pm = picture.pixmap(picture.size(), 2.0);
    return std::make_unique<MouseCursor>(pm, hotX, hotY);
}

} // namespace fw
