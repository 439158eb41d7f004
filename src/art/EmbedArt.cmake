# Writes OUTPUT, a C++ source holding the bytes of each art file of FILES (separated by "|") and
# gameArt(), which gives them back by name in the order given. The build runs it whenever an art
# file changes, so the program carries its art and reads no files at run time:
#   cmake -D OUTPUT=GameArt.cpp -D "FILES=a.txt|b.txt" -P EmbedArt.cmake
string(REPLACE "|" ";" FILES "${FILES}")
set(arrays "")
set(entries "")
set(index 0)
foreach(file IN LISTS FILES)
    file(READ ${file} bytes HEX)
    # A closing 0 keeps an empty file's array from being empty; it is not part of the text.
    string(REGEX REPLACE "(..)" "0x\\1," bytes "${bytes}00")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
           bytes "${bytes}")
    get_filename_component(name ${file} NAME)
    string(APPEND arrays "// ${name}\nconst unsigned char file${index}[] = {\n${bytes}};\n\n")
    string(APPEND entries "    files.push_back({\"art/${name}\", textOf(file${index})});\n")
    math(EXPR index "${index} + 1")
endforeach()

file(WRITE ${OUTPUT} "// Written by EmbedArt.cmake from the art files at build time: change those, not this.
#include \"art/ArtBook.h\"

#include <cstddef>

namespace {

${arrays}template <std::size_t size>
std::string textOf(const unsigned char (&bytes)[size]) {
    return std::string(reinterpret_cast<const char*>(bytes), size - 1);
}

} // namespace

std::vector<ArtFile> gameArt() {
    std::vector<ArtFile> files;
    files.reserve(${index});
${entries}    return files;
}
")
