#pragma once

#include <QLabel>
#include <QObject>
#include <QPixmap>
#include <array>

class QEvent;

// What the window benchmarks are held against: the least a step on the move screen could
// cost. A window of the move screen's size with a label wherever the screen has a cell, and
// two sets of 100 ready pixmaps at the labels' size, Farmin's first and second screens, each
// pixmap its own, so that every label changes on every step.
class LabelGrid : public QWidget {
public:
    LabelGrid();

    // Sets the other set of pixmaps on the 100 labels.
    void step();

    // The label where the move screen has the cell of row 4, column 4.
    QLabel* cell() const { return labels_[33]; }

private:
    using PixmapSet = std::array<QPixmap, 100>;
    static PixmapSet readyPixmaps(const char* quadrant);

    std::array<QLabel*, 100> labels_{};
    std::array<PixmapSet, 2> sets_;
    std::size_t set_ = 0;
};

// Counts the paint events a widget receives, to be sure that what was timed really painted.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
