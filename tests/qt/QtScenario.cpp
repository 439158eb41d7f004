#include "qt/QtScenario.h"

#include "qt/ArtPixmaps.h"
#include "qt/Layout.h"
#include "qt/PictureBox.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A label one line high may be wider than laid out, so that today's fonts fit its caption.
bool placedAsLaidOut(const QWidget* widget, const Control& control) {
    const QRect laidOut = pixelsOf(control.place);
    const QRect placed = widget->geometry();
    if (control.kind != ControlKind::Label)
        return placed == laidOut;
    return placed.topLeft() == laidOut.topLeft() && placed.height() == laidOut.height() &&
           placed.width() >= laidOut.width();
}

bool drawnAsSaid(const QWidget* widget, const Control& control) {
    const auto* picture = qobject_cast<const PictureBox*>(widget);
    const auto* button = qobject_cast<const QPushButton*>(widget);
    return widget->objectName().toStdString() == control.name && placedAsLaidOut(widget, control) &&
           widget->isEnabled() == control.enabled && widget->isHidden() == !control.visible &&
           (control.kind == ControlKind::Picture || control.kind == ControlKind::Line ||
            widget->property(qobject_cast<const QPlainTextEdit*>(widget) ? "plainText" : "text")
                    .toString()
                    .toStdString() == control.caption) &&
           (!picture || picture->picture().cacheKey() ==
                            ArtPixmaps::instance().picture(control.picture).cacheKey()) &&
           (!button || (button->isDefault() == control.isDefault &&
                        button->icon().isNull() == (control.arrow == Arrow::None))) &&
           (control.font == Font{} || widget->font() == layoutFont(control.font)) &&
           widget->accessibleName().toStdString() == control.accessibleName &&
           widget->accessibleDescription().toStdString() == control.description &&
           widget->toolTip().toStdString() == control.toolTip;
}

} // namespace

void AtTheDesktop::click(Flow&, const std::string& window, const std::string& control) {
    const QString name = QString::fromStdString(control);
    QTest::mouseClick(view_.widgetOf(window)->findChild<QWidget*>(name), Qt::LeftButton);
    settle();
}

// Keys go to the control with the focus in the window, made the active one.
void AtTheDesktop::press(Flow&, const std::string& window, const KeyPress& key) {
    QWidget* top = view_.widgetOf(window);
    QApplication::setActiveWindow(top);
    QWidget* focus = top->focusWidget() ? top->focusWidget() : top;
    if (key.text.size() == 1 && key.key != "Space")
        QTest::keyClick(focus, key.text[0]);
    else
        QTest::keySequence(focus, QKeySequence(QString::fromStdString(key.key)));
    settle();
}

void AtTheDesktop::close(Flow&, const std::string& window) {
    view_.widgetOf(window)->close();
    settle();
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string viewDiffers(const Flow& flow, DesktopView& view) {
    for (const Window* window : flow.windows()) {
        const QWidget* top = view.widgetOf(window->name());
        if (!top || top->isVisible() != window->isShown() ||
            top->windowTitle().toStdString() != window->caption() ||
            top->windowIcon().cacheKey() != ArtPixmaps::instance().icon().cacheKey())
            return window->name() + " is not drawn as it stands";
        for (const Control& control : window->controls())
            if (!drawnAsSaid(view.widgetOf(*window, control), control))
                return window->name() + "." + control.name + " \"" + control.caption +
                       "\" is not drawn as it stands";
        if (window->focus() && top->focusWidget() != view.widgetOf(*window, *window->focus()))
            return window->name() + " has the focus elsewhere";
    }
    return {};
}
