#include "art/ArtBook.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <utility>

namespace {

// In a picture's grid this character lets the picture named after "on" show through.
constexpr char seeThrough = '_';

// No side of a picture may be longer: a slip such as "x9000" must not ask for gigabytes.
constexpr std::size_t longestSide = 4096;

// The colour of each character of a legend, by its byte. The art's colours are all opaque, so 0
// (clear) marks a character that has none, and "_", which no legend gives a colour, is clear.
using Palette = std::array<std::uint32_t, 256>;

using Words = std::vector<std::string_view>;

// A palette or a picture as it stands in its file: where it starts, the words of its first
// line, and its rows up to "end".
struct Block {
    std::string_view file;
    std::size_t line = 0;
    Words words;
    Words rows;
};

// Space as the C locale has it, without a call into the C library for every character.
bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

Words wordsOf(std::string_view line) {
    Words words;
    for (std::size_t at = 0; at < line.size();) {
        std::size_t end = at;
        while (end < line.size() && !isSpace(line[end]))
            ++end;
        if (end > at)
            words.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

// The scale of "xN": N, or 0 when N is not a number.
std::size_t scaleOf(std::string_view word) {
    std::size_t scale = 0;
    const char* const end = word.data() + word.size();
    return std::from_chars(word.data() + 1, end, scale).ptr == end ? scale : 0;
}

// "#rrggbb" as an opaque colour; 0 for anything else.
std::uint32_t colourOf(std::string_view word) {
    std::uint32_t rgb = 0;
    const char* const end = word.data() + word.size();
    if (word.size() != 7 || word[0] != '#' ||
        std::from_chars(word.data() + 1, end, rgb, 16).ptr != end)
        return 0;
    return 0xff000000u | rgb;
}

// A picture's first line: "picture NAME PALETTE xN", then "on BASE" and "as OTHER" as needed.
struct PictureHeader {
    std::string_view palette;
    std::size_t scale = 0;
    std::string_view base;   // the picture that "_" shows through
    std::string_view rowsOf; // the picture whose rows this one draws in its own colours
};

std::optional<PictureHeader> pictureHeader(const Words& words) {
    if (words.size() < 4 || words.size() % 2 != 0 || !words[3].starts_with('x'))
        return {};
    PictureHeader header{words[2], scaleOf(words[3]), {}, {}};
    for (std::size_t at = 4; at < words.size(); at += 2) {
        std::string_view* option = words[at] == "on"   ? &header.base
                                   : words[at] == "as" ? &header.rowsOf
                                                       : nullptr;
        if (!option || !option->empty())
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
    explicit Lines(std::string_view text) : text_(text) {}

    bool next(std::string_view& line) {
        while (at_ < text_.size()) {
            const std::size_t end = std::min(text_.find('\n', at_), text_.size());
            line = trimmed(text_.substr(at_, end - at_));
            at_ = end + 1;
            ++number_;
            if (!line.empty() && !line.starts_with('#'))
                return true;
        }
        return false;
    }
    std::size_t number() const { return number_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t number_ = 0;
};

std::string asString(std::string_view word) {
    return std::string(word);
}

} // namespace

void warnOnStandardError(const std::string& warning) {
    std::fprintf(stderr, "%s\n", warning.c_str());
}

// The art files and what has been drawn from them. The blocks point into the files' texts, which
// are never changed, and the pictures are never added to once the files are read, so the
// pictures given out stay where they are.
struct ArtBook::Contents {
    struct PaletteEntry {
        Block block;
        Palette colours{};
        bool read = false;
        bool usable = false;
    };
    struct PictureEntry {
        Block block;
        ArtPicture picture;
        bool drawn = false;
    };

    Contents(std::vector<ArtFile> artFiles, ArtWarnings artWarnings);
    void warn(const Block& block, const std::string& what) const;
    void readFile(const ArtFile& file);
    bool readRows(Lines& lines, Block& block) const;
    void addPalette(Block&& block);
    void addPicture(Block&& block, bool headerReads);
    const ArtPicture* picture(std::string_view name);
    const Palette* palette(std::string_view name);
    bool readPalette(const Block& block, Palette& colours);
    ArtPicture draw(const Block& block);
    const Block* rowsOf(const Block& block, const PictureHeader& header) const;
    ArtPicture enlarged(const Block& rows, const Palette& colours, std::size_t scale,
                        const ArtPicture* base) const;
    bool drawRow(const Block& rows, std::size_t y, const Palette& colours, std::size_t scale,
                 bool withBase, std::uint32_t* to) const;

    const std::vector<ArtFile> files;
    const ArtWarnings warnings;
    std::unordered_map<std::string_view, PaletteEntry> palettes;
    std::vector<PictureEntry> pictures; // in catalogue order
    std::unordered_map<std::string_view, std::size_t> pictureAt;
    std::vector<std::string> names;
};

ArtBook::Contents::Contents(std::vector<ArtFile> artFiles, ArtWarnings artWarnings)
    : files(std::move(artFiles)), warnings(std::move(artWarnings)) {
    for (const ArtFile& file : files)
        readFile(file);
}

// Names the file and the line where the block in question starts.
void ArtBook::Contents::warn(const Block& block, const std::string& what) const {
    if (warnings)
        warnings(asString(block.file) + ':' + std::to_string(block.line) + ": " + what);
}

void ArtBook::Contents::readFile(const ArtFile& file) {
    Lines lines(file.text);
    std::string_view line;
    while (lines.next(line)) {
        Block block{file.name, lines.number(), wordsOf(line), {}};
        const std::string_view kind = block.words.front();
        if (kind != "palette" && kind != "picture") {
            warn(block, "expected \"palette\" or \"picture\"");
            continue;
        }
        const auto header = pictureHeader(block.words);
        const bool withRows = kind == "palette" || !header || header->rowsOf.empty();
        if (withRows && !readRows(lines, block))
            continue;
        if (kind == "palette")
            addPalette(std::move(block));
        else
            addPicture(std::move(block), header.has_value());
    }
}

// The lines up to the block's "end"; false when the block has no end.
bool ArtBook::Contents::readRows(Lines& lines, Block& block) const {
    std::string_view line;
    while (lines.next(line)) {
        if (line == "end")
            return true;
        block.rows.push_back(line);
    }
    warn(block, "block without \"end\"");
    return false;
}

void ArtBook::Contents::addPalette(Block&& block) {
    const Words& words = block.words;
    if (words.size() != 2 && (words.size() != 4 || words[2] != "from"))
        return warn(block, "expected \"palette NAME [from OTHER]\"");
    const std::string_view name = words[1];
    if (palettes.contains(name))
        return warn(block, "palette " + asString(name) + ": name taken");
    palettes.emplace(name, PaletteEntry{std::move(block)});
}

void ArtBook::Contents::addPicture(Block&& block, bool headerReads) {
    if (!headerReads)
        return warn(block, "expected \"picture NAME PALETTE xN [on BASE] [as OTHER]\"");
    const std::string_view name = block.words[1];
    if (pictureAt.contains(name))
        return warn(block, "picture " + asString(name) + ": name taken");
    names.emplace_back(name);
    pictureAt.emplace(name, pictures.size());
    pictures.push_back({std::move(block), {}, false});
}

const ArtPicture* ArtBook::Contents::picture(std::string_view name) {
    const auto found = pictureAt.find(name);
    if (found == pictureAt.end())
        return nullptr;
    PictureEntry& entry = pictures[found->second];
    if (!entry.drawn) {
        // Marked first, so that a picture drawn on itself is found out rather than drawn for ever.
        entry.drawn = true;
        entry.picture = draw(entry.block);
    }
    return entry.picture.pixels.empty() ? nullptr : &entry.picture;
}

const Palette* ArtBook::Contents::palette(std::string_view name) {
    const auto found = palettes.find(name);
    if (found == palettes.end())
        return nullptr;
    PaletteEntry& entry = found->second;
    if (!entry.read) {
        entry.read = true;
        entry.usable = readPalette(entry.block, entry.colours);
    }
    return entry.usable ? &entry.colours : nullptr;
}

bool ArtBook::Contents::readPalette(const Block& block, Palette& colours) {
    if (block.words.size() == 4) {
        const Palette* from = palette(block.words[3]);
        if (!from) {
            warn(block, "palette " + asString(block.words[3]) + " unknown");
            return false;
        }
        colours = *from;
    }
    Palette own{}; // this legend's own lines, to catch a character given twice
    for (const std::string_view row : block.rows) {
        const auto c = static_cast<unsigned char>(row[0]);
        const Words words = wordsOf(row);
        const std::uint32_t colour = words.size() > 1 ? colourOf(words[1]) : 0;
        if (words[0].size() != 1 || c == seeThrough || own[c] != 0 || colour == 0) {
            warn(block, "bad colour line \"" + asString(row) + '"');
            return false;
        }
        own[c] = colour;
        colours[c] = colour;
    }
    return true;
}

// The picture of a block, drawn in its palette, from its own rows or another's, onto its base.
ArtPicture ArtBook::Contents::draw(const Block& block) {
    const PictureHeader header = *pictureHeader(block.words);
    const Palette* colours = palette(header.palette);
    const Block* rows = rowsOf(block, header);
    const ArtPicture* base = header.base.empty() ? nullptr : picture(header.base);
    const std::string problem = !colours ? "palette " + asString(header.palette) + " unknown"
                                : !rows  ? asString(header.rowsOf) + " has no rows"
                                : !header.base.empty() && !base
                                    ? "base " + asString(header.base) + " unknown"
                                    : std::string();
    if (!problem.empty()) {
        warn(block, "picture " + asString(block.words[1]) + ": " + problem);
        return {};
    }
    if (rows->rows.empty()) {
        warn(*rows, "picture without rows");
        return {};
    }
    const std::size_t width = rows->rows.front().size();
    const std::size_t height = rows->rows.size();
    if (width > longestSide / header.scale || height > longestSide / header.scale) {
        warn(block, "picture " + asString(block.words[1]) + " is too large");
        return {};
    }
    if (base && (std::size_t(base->width) != width * header.scale ||
                 std::size_t(base->height) != height * header.scale)) {
        warn(block, "picture " + asString(block.words[1]) + " differs in size from its base");
        return {};
    }
    return enlarged(*rows, *colours, header.scale, base);
}

// The block whose rows a picture draws: its own, or those of the picture named after "as",
// which must have rows of its own.
const Block* ArtBook::Contents::rowsOf(const Block& block, const PictureHeader& header) const {
    if (header.rowsOf.empty())
        return &block;
    const auto found = pictureAt.find(header.rowsOf);
    if (found == pictureAt.end() || pictures[found->second].block.rows.empty())
        return nullptr;
    return &pictures[found->second].block;
}

// Draws each character of the rows as a block of scale x scale pixels, onto a copy of the base
// where there is one (see-through pixels leave it as it is); empty when a row does not read.
ArtPicture ArtBook::Contents::enlarged(const Block& rows, const Palette& colours, std::size_t scale,
                                       const ArtPicture* base) const {
    const std::size_t width = rows.rows.front().size() * scale;
    const std::size_t height = rows.rows.size() * scale;
    ArtPicture picture = base ? *base
                              : ArtPicture{static_cast<int>(width), static_cast<int>(height),
                                           std::vector<std::uint32_t>(width * height)};
    for (std::size_t y = 0; y < height; ++y) {
        std::uint32_t* to = picture.pixels.data() + y * width;
        if (!base && y % scale != 0) {
            // Without a base the rows of one block are alike: the row above is copied.
            std::memcpy(to, to - width, width * sizeof(std::uint32_t));
            continue;
        }
        if (!drawRow(rows, y / scale, colours, scale, base != nullptr, to))
            return {};
    }
    return picture;
}

// One row of characters, each drawn scale pixels wide from "to" on; false, with a warning, when
// the row is out of line or a character has no colour. Rows are reported by the block that
// holds them.
bool ArtBook::Contents::drawRow(const Block& rows, std::size_t y, const Palette& colours,
                                std::size_t scale, bool withBase, std::uint32_t* to) const {
    const std::string_view row = rows.rows[y];
    const std::size_t width = rows.rows.front().size();
    if (row.size() != width) {
        warn(rows, "row " + std::to_string(y + 1) + " is not " + std::to_string(width) + " wide");
        return false;
    }
    for (const char c : row) {
        const std::uint32_t colour = colours[static_cast<unsigned char>(c)];
        if (colour == 0 && (c != seeThrough || !withBase)) {
            warn(rows, "row " + std::to_string(y + 1) + ": \"" + c + "\" has no colour");
            return false;
        }
        if (colour != 0)
            std::fill_n(to, scale, colour);
        to += scale;
    }
    return true;
}

ArtBook::ArtBook(std::vector<ArtFile> files, ArtWarnings warnings)
    : contents_(std::make_unique<Contents>(std::move(files), std::move(warnings))) {}

ArtBook::~ArtBook() = default;

const ArtPicture* ArtBook::picture(std::string_view name) {
    return contents_->picture(name);
}

const std::vector<std::string>& ArtBook::names() const {
    return contents_->names;
}
