#pragma once

#include "windows/Flow.h"

#include <QPixmap>
#include <QWidget>
#include <unordered_map>

// One window of the game on the desktop, with a widget for each of its controls.
class WindowWidget : public QWidget {
public:
    WindowWidget(Window& window, Flow& flow);

    const Window& window() const { return window_; }
    QWidget* widgetOf(const Control& control) const { return widgets_.at(&control); }
    const Control* controlOf(const QWidget* widget) const;
    // Brings a control's widget in step with what the window says of it.
    void follow(const Control& control, const QPixmap& picture);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* make(const Control& control, const QPixmap& picture);
    QWidget* makeButton(const Control& control);
    QWidget* makeLabel(const Control& control);
    QWidget* makeTextBox(const Control& control);
    void repaintLater(const QRect& area);

    Window& window_;
    Flow& flow_;
    std::unordered_map<const Control*, QWidget*> widgets_;
    QRect unpainted_; // where pictures changed since the window was last painted
};
