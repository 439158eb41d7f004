#include "qt/DesktopView.h"

#include "qt/ArtPixmaps.h"
#include "qt/WindowWidget.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// A key as the windows name it: Qt's own name for the key and its modifiers (the keypad's
// aside), and the text it types.
KeyPress keyPressOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const QKeySequence key = event.key() == Qt::Key_Backtab
                                 ? QKeySequence(Qt::Key_Backtab)
                                 : QKeySequence(QKeyCombination(modifiers, Qt::Key(event.key())));
    return {key.toString(QKeySequence::PortableText).toStdString(), event.text().toStdString()};
}

} // namespace

DesktopView::DesktopView() {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

DesktopView::~DesktopView() {
    for (const auto& [window, widget] : widgets_)
        delete widget;
}

QWidget* DesktopView::widgetOf(std::string_view window) const {
    for (const auto& [each, widget] : widgets_)
        if (each->name() == window)
            return widget;
    return nullptr;
}

QWidget* DesktopView::widgetOf(const Window& window, const Control& control) const {
    return widgets_.at(&window)->widgetOf(control);
}

void DesktopView::opened(Window& window) {
    widgets_[&window] = new WindowWidget(window, *flow_);
    window.setObserver(this);
}

void DesktopView::shown(const Window& window) {
    WindowWidget* widget = widgets_.at(&window);
    focusMoved(window);
    widget->show();
    widget->raise();
    widget->activateWindow();
}

void DesktopView::hidden(const Window& window) {
    widgets_.at(&window)->hide();
}

// The widget goes once the event loop comes round: a click that unloaded its own window is
// still being handled.
void DesktopView::closed(const Window& window) {
    WindowWidget* widget = widgets_.at(&window);
    widgets_.erase(&window);
    widget->hide();
    widget->deleteLater();
}

void DesktopView::controlChanged(const Window& window, const Control& control) {
    widgets_.at(&window)->follow(control, ArtPixmaps::instance().picture(control.picture));
}

void DesktopView::focusMoved(const Window& window) {
    WindowWidget* widget = widgets_.at(&window);
    if (window.focus())
        widget->widgetOf(*window.focus())->setFocus();
    else if (QWidget* focused = widget->focusWidget())
        focused->clearFocus();
}

void DesktopView::focusChanged(QWidget* now) {
    const WindowWidget* widget = windowOf(now);
    const Control* control = widget ? widget->controlOf(now) : nullptr;
    if (control && widget->window().focus() != control)
        flow_->focusOn(widget->window().name(), control->name);
}

// Every key pressed in a window of the game goes to that window first.
bool DesktopView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const WindowWidget* widget = windowOf(watched);
    return widget &&
           flow_->press(widget->window().name(), keyPressOf(static_cast<const QKeyEvent&>(*event)));
}

WindowWidget* DesktopView::windowOf(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget)
        return nullptr;
    const QWidget* top = widget->window();
    for (const auto& [window, each] : widgets_)
        if (each == top)
            return each;
    return nullptr;
}
