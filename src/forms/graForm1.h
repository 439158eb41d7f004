#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The hidden picture form: every picture the screens show, looked up by its control name
// ("gra001", "graYou", "CanGo", ...). Pictures are drawn once, on first use, from the pixel art
// in forms/art, and shared from then on; no screen builds a picture of its own.
class graForm1 {
public:
    static const graForm1& instance();

    // The picture held under a catalogue name; a null pixmap for a name that holds none.
    const QPixmap& picture(const QString& name) const;

    // Every name that holds a picture, in catalogue order (tiles, hero, edge bars, icon, logo).
    const QStringList& names() const;

    // The game's icon (32 x 32, 16 colours), which every window carries.
    const QIcon& icon() const;

private:
    graForm1();
    QStringList names_;
    QHash<QString, QPixmap> pictures_;
    QIcon icon_;
};
