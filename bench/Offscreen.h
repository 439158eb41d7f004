#pragma once

// Draws the windows offscreen unless QT_QPA_PLATFORM names another platform, and keeps the
// offscreen platform's notes about what it cannot do ("does not support raise()") out of the
// figures. Call before the QApplication is created.
void prepareOffscreen();
