// Renders the game's icon art as a hicolor icon theme tree, one PNG per size:
//   quillmar_icons DIR NAME SIZE...   writes DIR/SIZExSIZE/apps/NAME.png
// (run with QT_QPA_PLATFORM=offscreen). The icon is pixel art: at whole multiples of its 32 x 32
// it is scaled without smoothing, so it stays as crisp as the original. Other sizes have no
// crisp answer: dropping pixels to shrink it scrambles the letters, and uneven pixels look
// broken, so those are scaled smoothly.

#include "qt/ArtPixmaps.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

bool writeIcon(const QImage& art, const QString& dir, const QString& name, int size) {
    const QString sizeDir = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
    const QString path = sizeDir + u'/' + name + QStringLiteral(".png");
    const bool wholeMultiple = size % art.width() == 0;
    const QImage icon =
        art.scaled(size, size, Qt::IgnoreAspectRatio,
                   wholeMultiple ? Qt::FastTransformation : Qt::SmoothTransformation);
    if (!QDir().mkpath(sizeDir) || !icon.save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        QTextStream(stderr) << "usage: quillmar_icons DIR NAME SIZE...\n";
        return 2;
    }
    const QImage art = ArtPixmaps::instance().picture("GameIcon").toImage();
    if (art.isNull()) {
        QTextStream(stderr) << "the game has no icon art\n";
        return 1;
    }
    for (const QString& sizeArg : args.mid(3)) {
        bool isNumber = false;
        const int size = sizeArg.toInt(&isNumber);
        if (!isNumber || size < 1) {
            QTextStream(stderr) << "not an icon size: " << sizeArg << '\n';
            return 2;
        }
        if (!writeIcon(art, args[1], args[2], size))
            return 1;
    }
    return 0;
}
