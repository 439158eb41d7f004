#pragma once

#include "toolkit/Twips.h"

#include <QPixmap>
#include <QPushButton>
#include <QWidget>

class QLabel;

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
enum class FontFamily { Sans, Serif };
QFont layoutFont(FontFamily family, double points, bool bold = false);

// Controls are created with their control name as objectName, so that tests and accessibility
// tools find them by the names the game uses.
QPushButton* addButton(QWidget* form, const char* name, const QString& caption, const Twips& where);
QLabel* addLabel(QWidget* form, const char* name, const QString& caption, const Twips& where);
PictureBox* addPicture(QWidget* form, const char* name, const Twips& where);
// A line from (x1, y1) to (x2, y2) in twips; either both x or both y are the same.
Line* addLine(QWidget* form, int x1, int y1, int x2, int y2);
// The four lines of a box from its top left (x1, y1) to its bottom right (x2, y2), in twips.
void addBox(QWidget* form, int x1, int y1, int x2, int y2);

// What a screen reader says. A control that shows a caption is read by its caption, so what is
// read is what is shown; its meaning goes into the description ("Gold", "Hit points"). A
// control without a caption (a picture, an arrow) is given a name of its own.
void describe(QWidget* control, const QString& meaning);
void nameForScreenReaders(QWidget* control, const QString& name);

// Sets a label of a form, found by its control name, to a figure in plain decimal, or a text.
void showNumber(QWidget* form, const char* labelName, int value);
void showText(QWidget* form, const char* labelName, const QString& text);

// Sets the keyboard focus order to the order of the list.
void setFocusOrder(std::initializer_list<QWidget*> order);
