#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One art file: its name, which warnings give, and its text.
struct ArtFile {
    std::string name;
    std::string text;
};

// The game's own art files, compiled into the program, in catalogue order.
std::vector<ArtFile> gameArt();

// A drawn picture: width x height pixels, row by row, each an opaque 0xAARRGGBB.
struct ArtPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// Hears every slip in the art, as "FILE:LINE: what"; an empty one lets them pass unheard.
using ArtWarnings = std::function<void(const std::string&)>;

// Writes a warning on standard error, one line each.
void warnOnStandardError(const std::string& warning);

// The pictures of a set of art files, looked up by name. Reading the files only finds where
// their palettes and pictures stand; a palette is read, and a picture drawn and enlarged, when it
// is first asked for, so a picture costs nothing until it is shown. The format:
//
//   palette NAME [from OTHER]    a colour legend up to "end", one "C #rrggbb note" line per
//                                character C; with "from", OTHER's legend with these changes
//   picture NAME PALETTE xN [on BASE] [as OTHER]
//                                rows of characters up to "end", one per pixel, each pixel
//                                drawn N x N; with a BASE, "_" lets that picture show through;
//                                with "as", no rows follow: OTHER's rows are drawn in PALETTE
//
// Blank lines and lines starting with "#" are skipped. Palettes and pictures are known across
// all the files. A block that does not read is reported with its file and line and left out, so
// a slip in the art costs one picture, not the game.
class ArtBook {
public:
    explicit ArtBook(std::vector<ArtFile> files = gameArt(),
                     ArtWarnings warnings = warnOnStandardError);
    ~ArtBook();
    ArtBook(const ArtBook&) = delete;
    ArtBook& operator=(const ArtBook&) = delete;

    // The picture held under a name, drawn at the first call; none for a name that holds no
    // picture or one that cannot be drawn. The picture stays the same for the book's life.
    const ArtPicture* picture(std::string_view name);

    // Every name that holds a picture, in the order of the files.
    const std::vector<std::string>& names() const;

private:
    struct Contents;
    std::unique_ptr<Contents> contents_;
};
