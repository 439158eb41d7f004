#pragma once

#include <QWidget>

// A thin straight line, horizontal or vertical, as drawn on a form. It only divides the window,
// so screen readers pass over it.
class Line : public QWidget {
    Q_OBJECT
public:
    explicit Line(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
