#pragma once

#include <QIcon>
#include <QPixmap>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ArtBook;

// The desktop's pictures, made from the game's pixel art: looked up by their names in the art
// ("gra001", "graYou", "CanGo", ...). A picture costs nothing until a window first shows it:
// only then is it drawn, and it is shared from then on.
class ArtPixmaps {
public:
    static ArtPixmaps& instance();

    // The picture held under a name; a null pixmap for a name that holds none. The reference
    // stays valid, and the picture the same, for the rest of the run.
    const QPixmap& picture(std::string_view name);

    // Every name that holds a picture, in catalogue order (tiles, hero, edge bars, icon, logo).
    const std::vector<std::string>& names() const;

    // The game's icon (32 x 32, 16 colours), which every window carries.
    const QIcon& icon();

private:
    ArtPixmaps();
    ~ArtPixmaps();
    std::unique_ptr<ArtBook> art_;
    // The pictures made so far; a map's entries stay where they are as it grows.
    std::unordered_map<std::string, QPixmap> pixmaps_;
    QIcon icon_;
};
