#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <memory>
#include <unordered_map>

class ArtBook;

// The hidden picture form: every picture the screens show, looked up by its control name
// ("gra001", "graYou", "CanGo", ...), from the pixel art in src/art. A picture costs nothing
// until a window first asks for it: only then is it drawn and enlarged, and it is shared from
// then on; no screen builds a picture of its own.
class graForm1 {
public:
    static const graForm1& instance();

    // The picture held under a catalogue name; a null pixmap for a name that holds none.
    // The reference stays valid, and the picture the same, for the rest of the run.
    const QPixmap& picture(const QString& name) const;

    // Every name that holds a picture, in catalogue order (tiles, hero, edge bars, icon, logo).
    const QStringList& names() const;

    // The game's icon (32 x 32, 16 colours), which every window carries.
    const QIcon& icon() const;

private:
    graForm1();
    ~graForm1();
    std::unique_ptr<ArtBook> art_;
    QStringList names_;
    // The pictures made so far; a map's entries stay where they are as it grows.
    mutable std::unordered_map<QString, QPixmap> pixmaps_;
    mutable QIcon icon_;
};
