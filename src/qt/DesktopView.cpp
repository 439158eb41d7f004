#include "qt/DesktopView.h"

#include "qt/ArtPixmaps.h"
#include "qt/Widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>

namespace {

Qt::WindowFlags frameFlags(Frame frame) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame != Frame::FixedDialog)
        flags |= Qt::WindowMinimizeButtonHint;
    if (frame == Frame::Sizable)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QStyle::StandardPixmap arrowIcon(Arrow arrow) {
    switch (arrow) {
    case Arrow::Up:
        return QStyle::SP_ArrowUp;
    case Arrow::Down:
        return QStyle::SP_ArrowDown;
    case Arrow::Left:
        return QStyle::SP_ArrowLeft;
    default:
        return QStyle::SP_ArrowRight;
    }
}

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

private:
    QWidget* make(const Control& control, const QPixmap& picture);
    QWidget* makeButton(const Control& control);
    QWidget* makeLabel(const Control& control);
    QWidget* makeTextBox(const Control& control);

    Window& window_;
    Flow& flow_;
    std::unordered_map<const Control*, QWidget*> widgets_;
};

WindowWidget::WindowWidget(Window& window, Flow& flow)
    : QWidget(nullptr, frameFlags(window.frame())), window_(window), flow_(flow) {
    setObjectName(text(window.name()));
    setWindowTitle(text(window.caption()));
    setFont(layoutFont(Font{}));
    const QSize client = pixelsOf(window.client()).size();
    if (window.frame() == Frame::Sizable)
        resize(client);
    else
        setFixedSize(client);
    // Every window opens in the middle of the screen, where the player is looking.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    for (const Control& control : window.controls())
        widgets_[&control] = make(control, ArtPixmaps::instance().picture(control.picture));
    const QWidget* previous = nullptr;
    for (const Control* control : window.focusOrder())
        if (control->kind == ControlKind::Button || control->kind == ControlKind::TextBox) {
            if (previous)
                QWidget::setTabOrder(const_cast<QWidget*>(previous), widgetOf(*control));
            previous = widgetOf(*control);
        }
}

QWidget* WindowWidget::make(const Control& control, const QPixmap& picture) {
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Button:
        widget = makeButton(control);
        break;
    case ControlKind::Label:
        widget = makeLabel(control);
        break;
    case ControlKind::Picture:
        widget = new PictureBox(this);
        static_cast<PictureBox*>(widget)->setPicture(picture);
        break;
    case ControlKind::Line:
        widget = new Line(this);
        break;
    case ControlKind::TextBox:
        widget = makeTextBox(control);
        break;
    }
    widget->setObjectName(text(control.name));
    if (control.kind != ControlKind::Label)
        widget->setGeometry(pixelsOf(control.place));
    if (control.font != Font{})
        widget->setFont(layoutFont(control.font));
    widget->setAccessibleName(text(control.accessibleName));
    widget->setAccessibleDescription(text(control.description));
    widget->setToolTip(text(control.toolTip));
    widget->setEnabled(control.enabled);
    if (!control.visible)
        widget->hide();
    return widget;
}

QWidget* WindowWidget::makeButton(const Control& control) {
    auto* button = new GameButton(text(control.caption), this);
    if (control.arrow != Arrow::None)
        button->setIcon(style()->standardIcon(arrowIcon(control.arrow)));
    button->setDefault(control.isDefault);
    connect(button, &QPushButton::clicked, this,
            [this, &control] { flow_.click(window_.name(), control.name); });
    return button;
}

// A box one line high shows its caption on one line, widened where today's fonts need a few
// pixels more than the layout gave; taller boxes wrap their words. Both are measured in the
// window's own font, whatever font the label is then given.
QWidget* WindowWidget::makeLabel(const Control& control) {
    auto* label = new QLabel(text(control.caption), this);
    // Captions show text as it is: a name that looks like markup is still just a name.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(
        (control.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setGeometry(pixelsOf(control.place));
    const bool oneLine = label->height() < 2 * label->fontMetrics().lineSpacing();
    label->setWordWrap(!oneLine);
    if (oneLine)
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

QWidget* WindowWidget::makeTextBox(const Control& control) {
    auto* box = new QPlainTextEdit(this);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setPlainText(text(control.caption));
    return box;
}

const Control* WindowWidget::controlOf(const QWidget* widget) const {
    for (const auto& [control, each] : widgets_)
        if (each == widget)
            return control;
    return nullptr;
}

void WindowWidget::follow(const Control& control, const QPixmap& picture) {
    QWidget* widget = widgetOf(control);
    const QString caption = text(control.caption);
    switch (control.kind) {
    case ControlKind::Button:
        static_cast<QAbstractButton*>(widget)->setText(caption);
        break;
    case ControlKind::Label:
        static_cast<QLabel*>(widget)->setText(caption);
        break;
    case ControlKind::TextBox:
        if (auto* box = static_cast<QPlainTextEdit*>(widget); box->toPlainText() != caption)
            box->setPlainText(caption);
        break;
    case ControlKind::Picture:
        static_cast<PictureBox*>(widget)->setPicture(picture);
        break;
    case ControlKind::Line:
        break;
    }
    widget->setEnabled(control.enabled);
    if (widget->isHidden() == control.visible)
        widget->setVisible(control.visible);
}

// The close box never closes a window behind the game's back: the window decides.
void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    flow_.closeBox(window_.name());
}

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
