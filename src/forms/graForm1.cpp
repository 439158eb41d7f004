#include "graForm1.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The art files, read in this order. The pictures keep the order they have in the files, and
// that order is the catalogue order that names() gives back.
const char* const artFiles[] = {":/art/town.txt",   ":/art/training.txt", ":/art/cave.txt",
                                ":/art/people.txt", ":/art/marks.txt",    ":/art/logo.txt"};

// In a picture's grid this character lets the picture named after "on" show through.
constexpr QChar seeThrough = u'_';

using Palette = QHash<QChar, QRgb>;

// Reads the art files. Their format is described at the top of each of them:
//
//   palette NAME               a colour legend, one "C #rrggbb note" line per character C
//   end
//   picture NAME PALETTE xN [on BASE]
//   rows of characters         one character per pixel, each pixel drawn N x N; with a BASE,
//   end                        "_" lets that picture show through
//
// Blank lines and lines starting with "#" are skipped. A block that does not read is reported
// with its file and line and left out, so a slip in the art costs one picture, not the game.
class ArtReader {
public:
    void read(const QString& path);

    QStringList names;
    QHash<QString, QImage> images;

private:
    bool nextLine(QString& line);
    QStringList blockRows();
    void warn(const QString& what) const;
    void readPalette(const QStringList& header);
    void readPicture(const QStringList& header);
    QImage drawGrid(const QStringList& rows, const Palette& palette, bool withBase) const;
    static QImage enlarged(const QImage& grid, int scale, const QImage* base);

    QHash<QString, Palette> palettes_;
    QString path_;
    QStringList lines_;
    qsizetype at_ = 0;
    qsizetype blockLine_ = 0;
};

void ArtReader::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("Cannot open the art file %s", qPrintable(path));
        return;
    }
    path_ = path;
    lines_ = QString::fromUtf8(file.readAll()).split(u'\n');
    at_ = 0;
    QString line;
    while (nextLine(line)) {
        blockLine_ = at_;
        const QStringList header = line.simplified().split(u' ');
        if (header.first() == u"palette")
            readPalette(header);
        else if (header.first() == u"picture")
            readPicture(header);
        else
            warn(QStringLiteral("expected \"palette\" or \"picture\""));
    }
}

bool ArtReader::nextLine(QString& line) {
    while (at_ < lines_.size()) {
        line = lines_[at_++].trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            return true;
    }
    return false;
}

// The lines up to the block's "end"; an empty list when the block has no end.
QStringList ArtReader::blockRows() {
    QStringList rows;
    QString line;
    while (nextLine(line)) {
        if (line == u"end")
            return rows;
        rows << line;
    }
    warn(QStringLiteral("block without \"end\""));
    return {};
}

// Names the file and the line where the block in question starts.
void ArtReader::warn(const QString& what) const {
    qWarning("%s:%lld: %s", qPrintable(path_), static_cast<long long>(blockLine_),
             qPrintable(what));
}

void ArtReader::readPalette(const QStringList& header) {
    const QStringList rows = blockRows();
    if (header.size() != 2)
        return warn(QStringLiteral("expected \"palette NAME\""));
    Palette palette;
    for (const QString& row : rows) {
        const QString colour = row.section(u' ', 1, 1, QString::SectionSkipEmpty);
        const QColor rgb = QColor::fromString(colour);
        if (row.size() < 2 || !row[1].isSpace() || row[0] == seeThrough ||
            !colour.startsWith(u'#') || !rgb.isValid() || palette.contains(row[0]))
            return warn(QStringLiteral("bad colour line \"%1\"").arg(row));
        palette.insert(row[0], rgb.rgb());
    }
    palettes_.insert(header[1], palette);
}

void ArtReader::readPicture(const QStringList& header) {
    const QStringList rows = blockRows();
    const bool withBase = header.size() == 6 && header[4] == u"on";
    const int scale = header.value(3).startsWith(u'x') ? header[3].mid(1).toInt() : 0;
    if ((header.size() != 4 && !withBase) || scale < 1)
        return warn(QStringLiteral("expected \"picture NAME PALETTE xN [on BASE]\""));
    const QString& name = header[1];
    if (images.contains(name) || !palettes_.contains(header[2]) ||
        (withBase && !images.contains(header[5])))
        return warn(QStringLiteral("picture %1: name taken, or palette or base unknown").arg(name));
    const QImage grid = drawGrid(rows, palettes_[header[2]], withBase);
    if (grid.isNull())
        return;
    const QSize size = grid.size() * scale;
    if (withBase && images[header[5]].size() != size)
        return warn(QStringLiteral("picture %1 differs in size from its base").arg(name));
    names << name;
    images.insert(name, enlarged(grid, scale, withBase ? &images[header[5]] : nullptr));
}

// Draws each pixel of the grid as a block of scale x scale, onto a copy of the base where there
// is one (see-through pixels leave it as it is). Written by hand: the art is read at every
// start, and Qt's general scaling and painting cost many times more for a copy this plain.
QImage ArtReader::enlarged(const QImage& grid, int scale, const QImage* base) {
    QImage picture = base ? *base : QImage(grid.size() * scale, QImage::Format_RGB32);
    const int width = grid.width();
    for (int y = 0; y < picture.height(); ++y) {
        auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y));
        if (!base && y % scale != 0) {
            // Without a base the rows of one block are alike: the row above is copied.
            std::memcpy(to, picture.constScanLine(y - 1),
                        std::size_t(width * scale) * sizeof(QRgb));
            continue;
        }
        const auto* from = reinterpret_cast<const QRgb*>(grid.constScanLine(y / scale));
        for (int x = 0; x < width; ++x, to += scale)
            if (qAlpha(from[x]) != 0)
                std::fill_n(to, scale, from[x]);
    }
    return picture;
}

// One pixel per character; a null image when a row is out of line or a character has no colour.
QImage ArtReader::drawGrid(const QStringList& rows, const Palette& palette, bool withBase) const {
    if (rows.isEmpty()) {
        warn(QStringLiteral("picture without rows"));
        return {};
    }
    QImage grid(static_cast<int>(rows.first().size()), static_cast<int>(rows.size()),
                QImage::Format_ARGB32);
    const int width = grid.width();
    for (int y = 0; y < grid.height(); ++y) {
        const QString& row = rows[y];
        if (row.size() != width) {
            warn(QStringLiteral("row %1 is not %2 wide").arg(y + 1).arg(width));
            return {};
        }
        auto* pixels = reinterpret_cast<QRgb*>(grid.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QChar c = row[x];
            if (withBase && c == seeThrough) {
                pixels[x] = qRgba(0, 0, 0, 0);
            } else if (x > 0 && c == row[x - 1]) {
                pixels[x] = pixels[x - 1]; // pixel art runs in one colour: no need to look again
            } else if (const auto colour = palette.constFind(c); colour != palette.cend()) {
                pixels[x] = *colour;
            } else {
                warn(QStringLiteral("row %1: \"%2\" has no colour").arg(y + 1).arg(c));
                return {};
            }
        }
    }
    return grid;
}

} // namespace

const graForm1& graForm1::instance() {
    static const graForm1 form;
    return form;
}

graForm1::graForm1() {
    // The art is compiled into the UI library; a static library needs its resources pulled in.
    Q_INIT_RESOURCE(art);
    ArtReader reader;
    for (const char* file : artFiles)
        reader.read(QString::fromLatin1(file));
    names_ = reader.names;
    for (const QString& name : std::as_const(names_))
        pictures_.insert(name, QPixmap::fromImage(std::move(reader.images[name])));
    icon_ = QIcon(picture(QStringLiteral("GameIcon")));
}

const QPixmap& graForm1::picture(const QString& name) const {
    static const QPixmap none;
    const auto found = pictures_.constFind(name);
    return found == pictures_.constEnd() ? none : *found;
}

const QStringList& graForm1::names() const {
    return names_;
}

const QIcon& graForm1::icon() const {
    return icon_;
}
