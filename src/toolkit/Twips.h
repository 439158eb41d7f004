#pragma once

class QWidget;

// Window layouts are written in twips, 15 to a device-independent pixel; Qt scales pixels for
// high-density screens by itself.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

int twipsToPixels(int twips);

// Puts a control at its layout position, given in twips.
void place(QWidget* widget, const Twips& where);
