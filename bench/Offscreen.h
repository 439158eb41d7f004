#pragma once

// Draws the windows offscreen unless QT_QPA_PLATFORM names another platform, and keeps the
// offscreen platform's notes about what it cannot do ("does not support raise()") out of the
// figures. Call before the QApplication is created.
void prepareOffscreen();

class QWidget;

// Clicks a button of a window with the mouse, then lets the windows that the click unloaded go,
// as the event loop would.
void click(QWidget* window, const char* buttonName);
