#include "graForm1.h"

#include <QByteArrayView>
#include <QColor>
#include <QFile>
#include <QHash>
#include <QImage>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <optional>
#include <utility>

namespace {

// The art files, read in this order. The pictures keep the order they have in the files, and
// that order is the catalogue order that names() gives back.
const char* const artFiles[] = {":/art/town.txt",   ":/art/training.txt", ":/art/cave.txt",
                                ":/art/people.txt", ":/art/marks.txt",    ":/art/logo.txt"};

// In a picture's grid this character lets the picture named after "on" show through.
constexpr char seeThrough = '_';

// The colour of each character of a legend, by its byte. The art's colours are all opaque, so 0
// (clear) marks a character that has none, and "_", which no legend gives a colour, is clear.
using Palette = std::array<QRgb, 256>;

// A palette or a picture as it stands in its file: where it starts, the words of its first
// line, and its rows up to "end".
struct Block {
    const char* file = nullptr;
    qsizetype line = 0;
    QList<QByteArrayView> words;
    QList<QByteArrayView> rows;
};

// Names the file and the line where the block in question starts.
void warn(const Block& block, const QString& what) {
    qWarning("%s:%lld: %s", block.file, static_cast<long long>(block.line), qPrintable(what));
}

// The art files are plain ASCII.
QString latin1(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.data(), bytes.size());
}

QList<QByteArrayView> wordsOf(QByteArrayView line) {
    QList<QByteArrayView> words;
    for (qsizetype at = 0; at < line.size();) {
        qsizetype end = at;
        while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end])))
            ++end;
        if (end > at)
            words << line.sliced(at, end - at);
        at = end + 1;
    }
    return words;
}

// A picture's first line: "picture NAME PALETTE xN", then "on BASE" and "as OTHER" as needed.
struct PictureHeader {
    QByteArrayView palette;
    int scale = 0;
    QByteArrayView base;   // the picture that "_" shows through
    QByteArrayView rowsOf; // the picture whose rows this one draws in its own colours
};

std::optional<PictureHeader> pictureHeader(const QList<QByteArrayView>& words) {
    if (words.size() < 4 || words.size() % 2 != 0 || !words[3].startsWith('x'))
        return {};
    PictureHeader header{words[2], words[3].sliced(1).toInt(), {}, {}};
    for (qsizetype at = 4; at < words.size(); at += 2) {
        QByteArrayView* option = words[at] == "on"   ? &header.base
                                 : words[at] == "as" ? &header.rowsOf
                                                     : nullptr;
        if (!option || !option->isEmpty())
            return {};
        *option = words[at + 1];
    }
    if (header.scale < 1)
        return {};
    return header;
}

// The lines of an art file that say something, with their numbers: blank lines and lines
// starting with "#" are passed over.
class Lines {
public:
    explicit Lines(QByteArrayView text) : text_(text) {}

    bool next(QByteArrayView& line) {
        while (at_ < text_.size()) {
            qsizetype end = text_.indexOf('\n', at_);
            if (end < 0)
                end = text_.size();
            line = text_.sliced(at_, end - at_).trimmed();
            at_ = end + 1;
            ++number_;
            if (!line.isEmpty() && !line.startsWith('#'))
                return true;
        }
        return false;
    }
    qsizetype number() const { return number_; }

private:
    QByteArrayView text_;
    qsizetype at_ = 0;
    qsizetype number_ = 0;
};

// Draws each pixel of the grid as a block of scale x scale, onto a copy of the base where there
// is one (see-through pixels leave it as it is). Written by hand: Qt's general scaling and
// painting cost many times more for a copy this plain.
QImage enlarged(const QImage& grid, int scale, const QImage* base) {
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

// One pixel per character of the rows; a null image when a row is out of line or a character
// has no colour. Rows are reported by the block that holds them.
QImage drawGrid(const Block& rows, const Palette& palette, bool withBase) {
    if (rows.rows.isEmpty()) {
        warn(rows, QStringLiteral("picture without rows"));
        return {};
    }
    QImage grid(static_cast<int>(rows.rows.first().size()), static_cast<int>(rows.rows.size()),
                QImage::Format_ARGB32);
    const int width = grid.width();
    for (int y = 0; y < grid.height(); ++y) {
        const QByteArrayView row = rows.rows[y];
        if (row.size() != width) {
            warn(rows, QStringLiteral("row %1 is not %2 wide").arg(y + 1).arg(width));
            return {};
        }
        auto* pixels = reinterpret_cast<QRgb*>(grid.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto c = static_cast<unsigned char>(row[x]);
            pixels[x] = palette[c];
            if (pixels[x] == 0 && (c != seeThrough || !withBase)) {
                warn(rows, QStringLiteral("row %1: \"%2\" has no colour")
                               .arg(y + 1)
                               .arg(latin1(row.sliced(x, 1))));
                return {};
            }
        }
    }
    return grid;
}

} // namespace

// The art files and what has been drawn from them. Reading the files only finds where their
// palettes and pictures stand; a palette is read, and a picture drawn and enlarged, when it is
// first needed. The format, described at the top of each file:
//
//   palette NAME [from OTHER]    a colour legend up to "end", one "C #rrggbb note" line per
//                                character C; with "from", OTHER's legend with these changes
//   picture NAME PALETTE xN [on BASE] [as OTHER]
//                                rows of characters up to "end", one per pixel, each pixel
//                                drawn N x N; with a BASE, "_" lets that picture show through;
//                                with "as", no rows follow: OTHER's rows are drawn in PALETTE
//
// Blank lines and lines starting with "#" are skipped. A block that does not read is reported
// with its file and line and left out, so a slip in the art costs one picture, not the game.
class ArtBook {
public:
    ArtBook();
    const QStringList& names() const { return names_; }
    const QPixmap& picture(const QString& name);

private:
    struct PaletteEntry {
        Block block;
        Palette colours{};
        bool read = false;
        bool usable = false;
    };
    struct PictureEntry {
        Block block;
        QPixmap pixmap;
        bool drawn = false;
    };

    void readFile(const char* path);
    static bool readRows(Lines& lines, Block& block);
    void addPalette(Block&& block);
    void addPicture(Block&& block, bool headerReads);
    const Palette* palette(QByteArrayView name);
    bool readPalette(const Block& block, Palette& colours);
    QPixmap draw(const Block& block);
    QImage baseOf(QByteArrayView name);
    const Block* rowsOf(const Block& block, const PictureHeader& header);

    QList<QByteArray> texts_; // the files' bytes, which the blocks point into
    QHash<QByteArray, PaletteEntry> palettes_;
    // Filled while the files are read and never added to afterwards, so that the references
    // picture() gives out stay valid.
    QHash<QString, PictureEntry> pictures_;
    QStringList names_;
};

ArtBook::ArtBook() {
    for (const char* file : artFiles)
        readFile(file);
}

void ArtBook::readFile(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Cannot open the art file %s", path);
        return;
    }
    texts_ << file.readAll();
    Lines lines(texts_.constLast());
    QByteArrayView line;
    while (lines.next(line)) {
        Block block{path, lines.number(), wordsOf(line), {}};
        const QByteArrayView kind = block.words.first();
        if (kind != "palette" && kind != "picture") {
            warn(block, QStringLiteral("expected \"palette\" or \"picture\""));
            continue;
        }
        const auto header = pictureHeader(block.words);
        const bool withRows = kind == "palette" || !header || header->rowsOf.isEmpty();
        if (withRows && !readRows(lines, block))
            continue;
        if (kind == "palette")
            addPalette(std::move(block));
        else
            addPicture(std::move(block), header.has_value());
    }
}

// The lines up to the block's "end"; false when the block has no end.
bool ArtBook::readRows(Lines& lines, Block& block) {
    QByteArrayView line;
    while (lines.next(line)) {
        if (line == "end")
            return true;
        block.rows << line;
    }
    warn(block, QStringLiteral("block without \"end\""));
    return false;
}

void ArtBook::addPalette(Block&& block) {
    const QList<QByteArrayView>& words = block.words;
    if (words.size() != 2 && (words.size() != 4 || words[2] != "from"))
        return warn(block, QStringLiteral("expected \"palette NAME [from OTHER]\""));
    const QByteArray name = words[1].toByteArray();
    if (palettes_.contains(name))
        return warn(block, QStringLiteral("palette %1: name taken").arg(latin1(name)));
    palettes_.insert(name, {std::move(block), {}, false, false});
}

void ArtBook::addPicture(Block&& block, bool headerReads) {
    if (!headerReads)
        return warn(block, QStringLiteral("expected \"picture NAME PALETTE xN [on BASE] "
                                          "[as OTHER]\""));
    const QString name = latin1(block.words[1]);
    if (pictures_.contains(name))
        return warn(block, QStringLiteral("picture %1: name taken").arg(name));
    names_ << name;
    pictures_.insert(name, {std::move(block), {}, false});
}

const QPixmap& ArtBook::picture(const QString& name) {
    static const QPixmap none;
    const auto found = pictures_.find(name);
    if (found == pictures_.end())
        return none;
    if (!found->drawn) {
        // Marked first, so that a picture drawn on itself is found out rather than drawn for ever.
        found->drawn = true;
        found->pixmap = draw(found->block);
    }
    return found->pixmap;
}

const Palette* ArtBook::palette(QByteArrayView name) {
    const auto found = palettes_.find(name.toByteArray());
    if (found == palettes_.end())
        return nullptr;
    if (!found->read) {
        found->read = true;
        found->usable = readPalette(found->block, found->colours);
    }
    return found->usable ? &found->colours : nullptr;
}

bool ArtBook::readPalette(const Block& block, Palette& colours) {
    if (block.words.size() == 4) {
        const Palette* from = palette(block.words[3]);
        if (!from) {
            warn(block, QStringLiteral("palette %1 unknown").arg(latin1(block.words[3])));
            return false;
        }
        colours = *from;
    }
    Palette own{}; // this legend's own lines, to catch a character given twice
    for (const QByteArrayView row : block.rows) {
        const auto c = static_cast<unsigned char>(row[0]);
        const QList<QByteArrayView> words = wordsOf(row);
        const QColor colour = words.size() > 1 && words[1].startsWith('#')
                                  ? QColor::fromString(QLatin1StringView(words[1]))
                                  : QColor();
        if (words[0].size() != 1 || c == seeThrough || own[c] != 0 || !colour.isValid()) {
            warn(block, QStringLiteral("bad colour line \"%1\"").arg(latin1(row)));
            return false;
        }
        own[c] = colours[c] = colour.rgb();
    }
    return true;
}

// The picture of a block, drawn in its palette, from its own rows or another's, onto its base.
QPixmap ArtBook::draw(const Block& block) {
    const PictureHeader header = *pictureHeader(block.words);
    const Palette* colours = palette(header.palette);
    const Block* rows = rowsOf(block, header);
    const QImage base = header.base.isEmpty() ? QImage() : baseOf(header.base);
    const QString problem = !colours
                                ? QStringLiteral("palette %1 unknown").arg(latin1(header.palette))
                            : !rows ? QStringLiteral("%1 has no rows").arg(latin1(header.rowsOf))
                            : !header.base.isEmpty() && base.isNull()
                                ? QStringLiteral("base %1 unknown").arg(latin1(header.base))
                                : QString();
    if (!problem.isEmpty()) {
        warn(block, QStringLiteral("picture %1: %2").arg(latin1(block.words[1]), problem));
        return {};
    }
    const QImage grid = drawGrid(*rows, *colours, !base.isNull());
    if (grid.isNull())
        return {};
    if (!base.isNull() && base.size() != grid.size() * header.scale) {
        warn(
            block,
            QStringLiteral("picture %1 differs in size from its base").arg(latin1(block.words[1])));
        return {};
    }
    return QPixmap::fromImage(enlarged(grid, header.scale, base.isNull() ? nullptr : &base));
}

// The picture named after "on", to draw over; a null image when it cannot be drawn.
QImage ArtBook::baseOf(QByteArrayView name) {
    return picture(latin1(name)).toImage().convertToFormat(QImage::Format_RGB32);
}

// The block whose rows a picture draws: its own, or those of the picture named after "as",
// which must have rows of its own.
const Block* ArtBook::rowsOf(const Block& block, const PictureHeader& header) {
    if (header.rowsOf.isEmpty())
        return &block;
    const auto found = pictures_.constFind(latin1(header.rowsOf));
    if (found == pictures_.constEnd() || found->block.rows.isEmpty())
        return nullptr;
    return &found->block;
}

const graForm1& graForm1::instance() {
    static const graForm1 form;
    return form;
}

graForm1::graForm1() {
    // The art is compiled into the UI library; a static library needs its resources pulled in.
    Q_INIT_RESOURCE(art);
    art_ = std::make_unique<ArtBook>();
}

graForm1::~graForm1() = default;

const QPixmap& graForm1::picture(const QString& name) const {
    return art_->picture(name);
}

const QStringList& graForm1::names() const {
    return art_->names();
}

const QIcon& graForm1::icon() const {
    if (icon_.isNull())
        icon_ = QIcon(picture(QStringLiteral("GameIcon")));
    return icon_;
}
