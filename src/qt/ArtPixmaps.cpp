#include "qt/ArtPixmaps.h"

#include "art/ArtBook.h"

#include <QImage>

namespace {

// A slip in the art is told as Qt's warnings are, so that a window test failing on any warning
// hears it too.
void warnThroughQt(const std::string& warning) {
    qWarning("%s", warning.c_str());
}

// The pixels as the windows show them: opaque, in the 32-bit format the screen draws fastest.
// The pixmap gets pixels of its own: one made over the book's would share them, and its copies
// in Qt's hands would then depend on the book for as long as they live.
QPixmap pixmapOf(const ArtPicture& picture) {
    const QImage pixels(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                        picture.height, QImage::Format_RGB32);
    return QPixmap::fromImage(pixels.copy());
}

} // namespace

ArtPixmaps& ArtPixmaps::instance() {
    static ArtPixmaps pixmaps;
    return pixmaps;
}

ArtPixmaps::ArtPixmaps() : art_(std::make_unique<ArtBook>(gameArt(), warnThroughQt)) {}

ArtPixmaps::~ArtPixmaps() = default;

const QPixmap& ArtPixmaps::picture(std::string_view name) {
    static const QPixmap none;
    auto made = pixmaps_.find(std::string(name));
    if (made != pixmaps_.end())
        return made->second;
    const ArtPicture* drawn = art_->picture(name);
    if (!drawn)
        return none;
    return pixmaps_.emplace(std::string(name), pixmapOf(*drawn)).first->second;
}

const std::vector<std::string>& ArtPixmaps::names() const {
    return art_->names();
}

const QIcon& ArtPixmaps::icon() {
    if (icon_.isNull())
        icon_ = QIcon(picture("GameIcon"));
    return icon_;
}
