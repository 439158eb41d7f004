#include "toolkit/Widgets.h"

#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cstring>
#include <vector>

namespace {

// Pixel art is stretched without smoothing: each target pixel takes the source pixel under its
// centre. A target row repeats the source row above it more often than not, so each source row
// is stretched once and the repeats are copied whole.
QImage stretched(const QImage& art, const QSize& size) {
    const QImage source = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage target(size, source.format());
    std::vector<int> columns(std::size_t(size.width()));
    for (int x = 0; x < size.width(); ++x)
        columns[std::size_t(x)] = (2 * x + 1) * source.width() / (2 * size.width());
    for (int y = 0, previous = -1; y < size.height(); ++y) {
        const int row = (2 * y + 1) * source.height() / (2 * size.height());
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        if (row == previous) {
            std::memcpy(out, target.constScanLine(y - 1), std::size_t(target.bytesPerLine()));
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        for (int x = 0; x < size.width(); ++x)
            out[x] = in[columns[std::size_t(x)]];
        previous = row;
    }
    return target;
}

// A dozen pictures fill a hundred boxes of one size, so each picture is stretched once for each
// size it is shown at and shared, rather than once for every box that shows it.
QPixmap stretchedOnce(const QPixmap& picture, const QSize& devicePixels, qreal ratio) {
    static QHash<std::pair<qint64, qint64>, QPixmap> shared;
    const std::pair key{picture.cacheKey(),
                        qint64(devicePixels.width()) << 32 | qint64(devicePixels.height())};
    QPixmap& scaled = shared[key];
    if (scaled.isNull()) {
        scaled = QPixmap::fromImage(stretched(picture.toImage(), devicePixels));
        scaled.setDevicePixelRatio(ratio);
    }
    return scaled;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QPixmap& picture, bool repaint) {
    // A step sets every cell of the screen, nearly all to the picture they already show.
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    scaled_ = QPixmap();
    if (repaint)
        update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(size()) * ratio).toSize();
    if (scaled_.size() != devicePixels)
        scaled_ = stretchedOnce(picture_, devicePixels, ratio);
    QPainter(this).drawPixmap(0, 0, scaled_);
}

Line::Line(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

GameButton::GameButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void GameButton::paintEvent(QPaintEvent* event) {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!icon().isNull() || fontMetrics().horizontalAdvance(text()) <= textArea.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(textArea, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                         text(), QPalette::ButtonText);
}

QFont layoutFont(FontFamily family, double points, bool bold) {
    // Liberation's faces have the widths of the classic ones, so captions fit their boxes as
    // laid out; the style hint falls back to any face of the family where they are missing.
    const bool serif = family == FontFamily::Serif;
    QFont font(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPushButton* addButton(QWidget* form, const char* name, const QString& caption,
                       const Twips& where) {
    auto* button = new GameButton(caption, form);
    button->setObjectName(name);
    place(button, where);
    return button;
}

QLabel* addLabel(QWidget* form, const char* name, const QString& caption, const Twips& where) {
    auto* label = new QLabel(caption, form);
    label->setObjectName(name);
    // Captions show text as it is: a name that looks like markup is still just a name.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(label, where);
    // A box one line high shows its caption on one line, widened where today's fonts need a
    // few pixels more than the layout gave; taller boxes wrap their words.
    const bool oneLine = label->height() < 2 * label->fontMetrics().lineSpacing();
    label->setWordWrap(!oneLine);
    if (oneLine)
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

PictureBox* addPicture(QWidget* form, const char* name, const Twips& where) {
    auto* picture = new PictureBox(form);
    picture->setObjectName(name);
    place(picture, where);
    return picture;
}

Line* addLine(QWidget* form, int x1, int y1, int x2, int y2) {
    auto* line = new Line(form);
    constexpr int oneTwipPixel = 15;
    place(line, {x1, y1, std::max(x2 - x1, oneTwipPixel), std::max(y2 - y1, oneTwipPixel)});
    return line;
}

void addBox(QWidget* form, int x1, int y1, int x2, int y2) {
    addLine(form, x1, y1, x2, y1);
    addLine(form, x1, y2, x2, y2);
    addLine(form, x1, y1, x1, y2);
    addLine(form, x2, y1, x2, y2);
}

void describe(QWidget* control, const QString& meaning) {
    control->setAccessibleDescription(meaning);
}

void nameForScreenReaders(QWidget* control, const QString& name) {
    control->setAccessibleName(name);
}

void showNumber(QWidget* form, const char* labelName, int value) {
    showText(form, labelName, QString::number(value));
}

void showText(QWidget* form, const char* labelName, const QString& text) {
    form->findChild<QLabel*>(QLatin1String(labelName))->setText(text);
}

void setFocusOrder(std::initializer_list<QWidget*> order) {
    const QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(const_cast<QWidget*>(previous), widget);
        previous = widget;
    }
}
