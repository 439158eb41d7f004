#pragma once

#include <QKeySequence>
#include <QString>
#include <initializer_list>

class QPushButton;

// Lets keys press a button of a window, exactly as a click would, while the button is shown and
// enabled; the button's tooltip names the keys ("Key: Up arrow or W"). Every mouse path stays
// as it was: the keys only click.
void bindKeys(QPushButton* button, std::initializer_list<QKeySequence> keys,
              const QString& keyNames);
