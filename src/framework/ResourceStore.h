#pragma once

#include "Cursors.h"

#include <QString>

#include <memory>

namespace fw {

class Picture;
class Sound;

// The application's resource store: pictures, sounds, texts and cursors by
// kind and ID, compiled into the program as Qt resources under
// ":/store/picture/<id>.svg", ":/store/sound/<id>.wav", ":/store/TEXT/<id>.txt"
// and ":/store/cursor/<id>.svg" (its hot spot in ":/store/cursor/<id>.hotspot",
// "x y"). A picture may come with ready renditions ":/store/picture/<id>@1x.argb"
// and "@2x.argb", raw images (see RawImage.h). A fetch of something the store does not hold gives
// nothing.
class ResourceStore {
public:
    explicit ResourceStore(QString root = QStringLiteral(":/store"));

    [[nodiscard]] std::unique_ptr<Picture> GetPicture(int id) const;
    [[nodiscard]] std::unique_ptr<Sound> GetSound(int id) const;
    [[nodiscard]] QString GetResource(const QString& type, int id) const;
    [[nodiscard]] std::unique_ptr<MouseCursor> getCursor(int id) const;
    [[nodiscard]] int fetchCount() const { return fetches_; }

private:
    QString root_;
    mutable int fetches_ = 0;
};

} // namespace fw
