#pragma once

#include <QPushButton>

// A push button whose caption wraps onto further lines when it is wider than the button, as the
// long captions of the help window's page buttons need.
class GameButton : public QPushButton {
    Q_OBJECT
public:
    GameButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
