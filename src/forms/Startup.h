#pragma once

// What the program sets up once, before its first window: the icon every window carries, the
// desktop entry its windows belong to, and that hiding one window to show the next never ends
// the program (the game ends only through its own ways out).
void prepareApplication();
