#include "LabelGrid.h"

#include "qt/ArtPixmaps.h"
#include "world/Screens.h"

#include <QEvent>

LabelGrid::LabelGrid() : sets_{readyPixmaps("Q1"), readyPixmaps("Q2")} {
    setFixedSize(492, 473);
    for (std::size_t at = 0; at < labels_.size(); ++at) {
        labels_[at] = new QLabel(this);
        labels_[at]->setGeometry(80 + 32 * int(at % 10), 40 + 32 * int(at / 10), 33, 33);
    }
}

void LabelGrid::step() {
    for (std::size_t at = 0; at < labels_.size(); ++at)
        labels_[at]->setPixmap(sets_[set_][at]);
    set_ = 1 - set_;
}

LabelGrid::PixmapSet LabelGrid::readyPixmaps(const char* quadrant) {
    const Screen& screen = *findScreen("Farmin", quadrant);
    PixmapSet pixmaps;
    for (std::size_t at = 0; at < pixmaps.size(); ++at) {
        const char tile = screen.tile(int(at / 10) + 1, int(at % 10) + 1);
        const QPixmap& art = ArtPixmaps::instance().picture(pictureOfTile(tile));
        pixmaps[at] = art.scaled(33, 33, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return pixmaps;
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    paints += event->type() == QEvent::Paint;
    return false;
}
