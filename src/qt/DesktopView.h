#pragma once

#include "windows/Flow.h"

#include <QObject>
#include <memory>
#include <string>
#include <unordered_map>

class QWidget;
class WindowWidget;

// The desktop's view of the windows: each window of the game becomes a top-level widget with a
// widget for each control, made and kept in step by one piece of code for every window. Clicks,
// keys, close boxes and the focus the player gives a control go back to the window; the view
// decides nothing.
class DesktopView : public QObject, public WindowView, public WindowObserver {
public:
    DesktopView();
    ~DesktopView() override;

    // The flow whose windows the view draws; set before the flow opens its first window.
    void attach(Flow& flow) { flow_ = &flow; }

    // The widget of a window that is open, or nullptr; tests find controls in it by name.
    QWidget* widgetOf(std::string_view window) const;
    QWidget* widgetOf(const Window& window, const Control& control) const;

    void opened(Window& window) override;
    void shown(const Window& window) override;
    void hidden(const Window& window) override;
    void closed(const Window& window) override;
    void controlChanged(const Window& window, const Control& control) override;
    void focusMoved(const Window& window) override;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusChanged(QWidget* now);
    WindowWidget* windowOf(const QObject* object) const;

    Flow* flow_ = nullptr;
    std::unordered_map<const Window*, WindowWidget*> widgets_;
};
