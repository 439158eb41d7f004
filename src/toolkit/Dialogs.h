#pragma once

#include <QString>

class QWidget;

// Everything that waits for the player outside the game's own windows, and the end of the
// program, goes through one provider. The game uses the desktop's real dialogs; tests install a
// scripted provider that records messages and answers file dialogs, so every window can run
// headless.
class DialogProvider {
public:
    virtual ~DialogProvider() = default;
    // A message with an OK button only, titled "Quillmar"; returns when the player closes it.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The chosen path, or an empty string when the player cancels. The filter is in Qt's syntax.
    virtual QString askFileToOpen(QWidget* parent, const QString& filter) = 0;
    virtual QString askFileToSave(QWidget* parent, const QString& filter) = 0;
    // Stops the program once the current handler returns.
    virtual void quit() = 0;
    virtual bool hasQuit() const = 0;
};

// Installs a provider for tests; nullptr brings back the desktop's own dialogs.
void setDialogProvider(DialogProvider* provider);

void MsgBox(const QString& text);

// The game writes file filters as "description|pattern", e.g. "Quillmar Save (*.QSV)|*.QSV".
inline const QString SaveFileFilter = QStringLiteral("Quillmar Save (*.QSV)|*.QSV");
QString ShowOpen(const QString& gameFilter);
QString ShowSave(const QString& gameFilter);
QString qtFileFilter(const QString& gameFilter);

// Where the desktop's file dialogs open: the folder of the file last chosen in either of them,
// kept in the player's settings, or the documents folder (home when there is none) the first
// time and whenever that folder has gone.
QString dialogStartFolder();
// Keeps the folder of a chosen file for the next dialog; an empty path (a cancel) keeps the last.
void rememberDialogFolder(const QString& chosenPath);

// Closes every window at once and stops the program. A handler that may have ended the
// program asks ProgramEnded() before it opens anything more.
void EndProgram();
bool ProgramEnded();
