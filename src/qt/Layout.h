#pragma once

#include "windows/Control.h"

#include <QFont>
#include <QRect>

// The fonts of the layouts. The classic Windows faces are not on Linux, so each stands for a
// face of its family with the same widths, at the same size and weight.
QFont layoutFont(const Font& font);

// Window layouts are written in twips, 15 to a device-independent pixel; Qt scales pixels for
// high-density screens by itself.
int twipsToPixels(int twips);
QRect pixelsOf(const Twips& place);
