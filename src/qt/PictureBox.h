#pragma once

#include <QPixmap>
#include <QWidget>

// A picture stretched over its box. Pixel art is scaled without smoothing so it stays crisp.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);
    // Shows another picture, once the box is next painted: the window repaints all the boxes
    // a step changes at once.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    // The picture at the box's size in device pixels, scaled once rather than on every paint:
    // scaling only the part that needs repainting would pick other source pixels at the seams.
    QPixmap scaled_;
};
