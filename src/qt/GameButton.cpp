#include "qt/GameButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

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
