#include "toolkit/Twips.h"

#include <QWidget>

int twipsToPixels(int twips) {
    constexpr int twipsPerPixel = 15;
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

void place(QWidget* widget, const Twips& where) {
    widget->setGeometry(twipsToPixels(where.left), twipsToPixels(where.top),
                        twipsToPixels(where.width), twipsToPixels(where.height));
}
