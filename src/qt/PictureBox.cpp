#include "qt/PictureBox.h"

#include <QHash>
#include <QPainter>
#include <cstring>
#include <vector>

namespace {

// Pixel art is stretched without smoothing: each target pixel takes the source pixel under its
// centre. A target row repeats the source row above it more often than not, so each source row
// is stretched once and the repeats are copied whole.
QImage stretched(const QImage& art, const QSize& size) {
    const QImage source = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage target(size, source.format());
    std::vector<int> columns(std::size_t(size.width()));
    for (int x = 0; x < size.width(); ++x)
        columns[std::size_t(x)] = (2 * x + 1) * source.width() / (2 * size.width());
    for (int y = 0, previous = -1; y < size.height(); ++y) {
        const int row = (2 * y + 1) * source.height() / (2 * size.height());
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        if (row == previous) {
            std::memcpy(out, target.constScanLine(y - 1), std::size_t(target.bytesPerLine()));
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        for (int x = 0; x < size.width(); ++x)
            out[x] = in[columns[std::size_t(x)]];
        previous = row;
    }
    return target;
}

// A dozen pictures fill a hundred boxes of one size, so each picture is stretched once for each
// size it is shown at and shared, rather than once for every box that shows it.
QPixmap stretchedOnce(const QPixmap& picture, const QSize& devicePixels, qreal ratio) {
    static QHash<std::pair<qint64, qint64>, QPixmap> shared;
    const std::pair key{picture.cacheKey(),
                        qint64(devicePixels.width()) << 32 | qint64(devicePixels.height())};
    QPixmap& scaled = shared[key];
    if (scaled.isNull()) {
        scaled = QPixmap::fromImage(stretched(picture.toImage(), devicePixels));
        scaled.setDevicePixelRatio(ratio);
    }
    return scaled;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QPixmap& picture) {
    // A step sets every cell of the screen, nearly all to the picture they already show.
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    scaled_ = QPixmap();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(size()) * ratio).toSize();
    if (scaled_.size() != devicePixels)
        scaled_ = stretchedOnce(picture_, devicePixels, ratio);
    QPainter(this).drawPixmap(0, 0, scaled_);
}
