#include "qt/WindowWidget.h"

#include "qt/ArtPixmaps.h"
#include "qt/GameButton.h"
#include "qt/Layout.h"
#include "qt/Line.h"
#include "qt/PictureBox.h"

#include <QCloseEvent>
#include <QGuiApplication>
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

} // namespace

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
        repaintLater(widget->geometry());
        break;
    case ControlKind::Line:
        break;
    }
    widget->setEnabled(control.enabled);
    if (widget->isHidden() == control.visible)
        widget->setVisible(control.visible);
}

// A step changes a hundred picture boxes, which overlap their neighbours by a pixel: they are
// repainted together, as one area that grows until the window is painted, not box by box.
void WindowWidget::repaintLater(const QRect& area) {
    unpainted_ = unpainted_.united(area);
    update(unpainted_);
}

void WindowWidget::paintEvent(QPaintEvent* event) {
    unpainted_ = QRect();
    QWidget::paintEvent(event);
}

// The close box never closes a window behind the game's back: the window decides.
void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    flow_.closeBox(window_.name());
}
