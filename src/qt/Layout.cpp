#include "qt/Layout.h"

QFont layoutFont(const Font& font) {
    // Liberation's faces have the widths of the classic ones, so captions fit their boxes as
    // laid out; the style hint falls back to any face of the family where they are missing.
    const bool serif = font.family == FontFamily::Serif;
    QFont face(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    face.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    face.setPointSizeF(font.points);
    face.setBold(font.bold);
    return face;
}

QRect pixelsOf(const Twips& place) {
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
            twipsToPixels(place.height)};
}
