// Draws every picture of the art with its name under it into one PNG, so that the art can be
// looked at as a whole: contact_sheet OUT.png [NAME...] (run with QT_QPA_PLATFORM=offscreen).
// With names, only those pictures are drawn, in that order: a before-and-after pair of a few.
// Pictures are doubled without smoothing, so each pixel of the art shows as a 2 x 2 block.

#include "qt/ArtPixmaps.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <algorithm>

namespace {

constexpr int zoom = 2;
constexpr int gap = 12;
constexpr int sheetWidth = 1000;

QPixmap enlarged(const QPixmap& picture) {
    return picture.scaled(picture.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Lays the pictures out in rows, left to right, and gives back the sheet's height.
int layOut(const QStringList& names, const QFontMetrics& font, QList<QPoint>& places) {
    int x = gap, y = gap, rowHeight = 0;
    for (const QString& name : names) {
        const QSize size = ArtPixmaps::instance().picture(name.toStdString()).size() * zoom;
        if (x > gap && x + size.width() > sheetWidth) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        places << QPoint(x, y);
        x += std::max(size.width(), font.horizontalAdvance(name)) + gap;
        rowHeight = std::max(rowHeight, size.height() + font.height());
    }
    return y + rowHeight + gap;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: contact_sheet OUT.png [NAME...]\n";
        return 2;
    }
    QStringList names = QGuiApplication::arguments().mid(2);
    if (names.isEmpty())
        for (const std::string& name : ArtPixmaps::instance().names())
            names << QString::fromStdString(name);
    const QFontMetrics font(QGuiApplication::font());
    QList<QPoint> places;
    QImage sheet(sheetWidth, layOut(names, font, places), QImage::Format_RGB32);
    // A mid grey, so that white and black pictures both show their edges.
    sheet.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&sheet);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QPixmap picture = enlarged(ArtPixmaps::instance().picture(names[i].toStdString()));
        painter.drawPixmap(places[i], picture);
        painter.drawText(places[i] + QPoint(0, picture.height() + font.ascent()), names[i]);
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        QTextStream(stderr) << "cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
