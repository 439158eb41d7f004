#pragma once

#include "windows/Control.h"

#include <QPixmap>
#include <QPushButton>
#include <QWidget>

// A picture stretched over its box. Pixel art is scaled without smoothing so it stays crisp.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);
    // Shows another picture. A caller that changes many boxes at once may leave the repaint to
    // itself and repaint them together.
    void setPicture(const QPixmap& picture, bool repaint = true);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    // The picture at the box's size in device pixels, scaled once rather than on every paint:
    // scaling only the part that needs repainting would pick other source pixels at the seams.
    QPixmap scaled_;
};

// A thin straight line, horizontal or vertical, as drawn on a form. It only divides the window,
// so screen readers pass over it.
class Line : public QWidget {
    Q_OBJECT
public:
    explicit Line(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A push button whose caption wraps onto further lines when it is wider than the button, as the
// long captions of the help window's page buttons need.
class GameButton : public QPushButton {
    Q_OBJECT
public:
    GameButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The fonts of the layouts. The classic Windows faces are not on Linux, so each stands for a
// face of its family with the same widths, at the same size and weight.
QFont layoutFont(const Font& font);

// Window layouts are written in twips, 15 to a device-independent pixel; Qt scales pixels for
// high-density screens by itself.
int twipsToPixels(int twips);
QRect pixelsOf(const Twips& place);
