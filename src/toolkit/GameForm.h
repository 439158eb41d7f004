#pragma once

#include <QString>
#include <QWidget>

// Every window but the about box has a caption that starts with the game's name and version.
inline const QString GameCaption = QStringLiteral("Quillmar v1.0.0 - Lantern Oak Studio");

// What the window frame offers: a fixed window cannot be maximised or resized; a sizable one
// can, and keeps its controls where they are; a fixed dialog has no minimise button either.
enum class Frame { Fixed, Sizable, FixedDialog };

// The base of every window of the game. A form is created with its layout (its design values),
// gets its Form_Load when the registry loads it, and decides what its close box does.
class GameForm : public QWidget {
    Q_OBJECT
public:
    GameForm(const QString& caption, int clientWidthTwips, int clientHeightTwips, Frame frame);

    virtual void Form_Load() {}

protected:
    // The close box never closes a window behind the game's back: each form maps it onto its
    // own way out (or ignores it), so the program never runs on with no window on screen.
    virtual void closeBoxPressed() = 0;

private:
    void closeEvent(QCloseEvent* event) override;
};
