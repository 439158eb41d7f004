#pragma once

#include "toolkit/FormRegistry.h"

#include <QPushButton>
#include <QString>
#include <QTest>

// Helpers shared by the window tests, the toolkit's own included: find controls by their control
// names and click them as a player would, and let unloaded windows really go.

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

// Presses the window's close box.
void pressCloseBox(QWidget* form);

// The caption of a label of a form.
QString caption(QWidget* form, const char* labelName);
