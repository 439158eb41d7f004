#pragma once

#include "toolkit/FormRegistry.h"

#include <QPushButton>
#include <QTest>

// Helpers of every window test, the toolkit's own included: controls found by their control
// names, clicked as a player clicks them, and unloaded windows let go for real.

// Processes the deletions that unloading leaves for the event loop.
void settle();

// Unloads every form and settles, so each test starts from a program with no window.
void unloadEverything();

// The names of the forms that are loaded and visible, sorted.
QStringList visibleForms();

template <class W = QWidget> W* control(QWidget* form, const char* name) {
    W* found = form ? form->findChild<W*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qWarning("no control %s", name);
    return found;
}

// Clicks a button of a form with the mouse, then settles.
void click(QWidget* form, const char* buttonName);
