#include "web/CanvasArt.h"

#include "art/ArtBook.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using emscripten::val;

namespace {

// The canvas takes bytes in the order red, green, blue, alpha.
std::vector<std::uint8_t> rgbaBytes(const ArtPicture& picture) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(picture.pixels.size() * 4);
    for (const std::uint32_t pixel : picture.pixels) {
        bytes.push_back(static_cast<std::uint8_t>(pixel >> 16));
        bytes.push_back(static_cast<std::uint8_t>(pixel >> 8));
        bytes.push_back(static_cast<std::uint8_t>(pixel));
        bytes.push_back(static_cast<std::uint8_t>(pixel >> 24));
    }
    return bytes;
}

val imageDataOf(const ArtPicture& picture) {
    const std::vector<std::uint8_t> bytes = rgbaBytes(picture);
    // The typed array copies the bytes out of the program's memory, which may move as it grows.
    const val copied = val::global("Uint8ClampedArray")
                           .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
    return val::global("ImageData").new_(copied, picture.width, picture.height);
}

// Each picture becomes image data once, shared by every box that shows it; null for a name that
// holds no picture.
const val& imageData(std::string_view name) {
    static ArtBook art;
    static std::map<std::string, val, std::less<>> made;
    auto found = made.find(name);
    if (found == made.end()) {
        const ArtPicture* picture = art.picture(name);
        found =
            made.emplace(std::string(name), picture ? imageDataOf(*picture) : val::null()).first;
    }
    return found->second;
}

} // namespace

void drawPicture(val& canvas, std::string_view name) {
    const val& data = imageData(name);
    if (data.isNull()) {
        canvas.set("width", 0);
        return;
    }
    canvas.set("width", data["width"]);
    canvas.set("height", data["height"]);
    canvas.call<val>("getContext", std::string("2d")).call<void>("putImageData", data, 0, 0);
}
