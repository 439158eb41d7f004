#include "graForm1.h"

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

const graForm1& graForm1::instance() {
    static const graForm1 form;
    return form;
}

graForm1::graForm1() : art_(std::make_unique<ArtBook>(gameArt(), warnThroughQt)) {
    for (const std::string& name : art_->names())
        names_ << QString::fromStdString(name);
}

graForm1::~graForm1() = default;

const QPixmap& graForm1::picture(const QString& name) const {
    static const QPixmap none;
    const auto made = pixmaps_.find(name);
    if (made != pixmaps_.end())
        return made->second;
    const ArtPicture* drawn = art_->picture(name.toStdString());
    if (!drawn)
        return none;
    return pixmaps_.emplace(name, pixmapOf(*drawn)).first->second;
}

const QStringList& graForm1::names() const {
    return names_;
}

const QIcon& graForm1::icon() const {
    if (icon_.isNull())
        icon_ = QIcon(picture(QStringLiteral("GameIcon")));
    return icon_;
}
