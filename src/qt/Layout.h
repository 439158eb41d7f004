#pragma once

#include "windows/Control.h"

#include <QFont>
#include <QRect>

// The fonts of the layouts. The classic Windows faces are not on Linux, so each stands for a
// face of its family with the same widths, at the same size and weight.
QFont layoutFont(const Font& font);

// A control's place in Qt's device-independent pixels.
QRect pixelsOf(const Twips& place);
