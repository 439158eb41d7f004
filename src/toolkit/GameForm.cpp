#include "toolkit/GameForm.h"

#include "toolkit/Twips.h"
#include "toolkit/Widgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

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

} // namespace

GameForm::GameForm(const QString& caption, int clientWidthTwips, int clientHeightTwips, Frame frame)
    : QWidget(nullptr, frameFlags(frame)) {
    setWindowTitle(caption);
    setFont(layoutFont(FontFamily::Sans, 8));
    const QSize client(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    if (frame == Frame::Sizable)
        resize(client);
    else
        setFixedSize(client);
    // Every window opens in the middle of the screen, where the player is looking.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void GameForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    closeBoxPressed();
}
