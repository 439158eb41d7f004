#pragma once

#include "windows/Platform.h"

#include <QString>

// The desktop's side of the windows' platform: its own message boxes and file dialogs, which
// wait for the player before they answer, saved games on disk, and the end of the program.
class DesktopPlatform : public Platform {
public:
    void showMessage(const std::string& text, std::function<void()> closed) override;
    void chooseFileToOpen(const std::string& filter,
                          std::function<void(const std::string&)> chosen) override;
    void chooseFileToSave(const std::string& filter,
                          std::function<void(const std::string&)> chosen) override;
    SaveFileRead readSaveFile(const std::string& path) override;
    std::string writeSaveFile(const std::string& path, const std::string& record) override;
    void endProgram() override;
};

// The game writes file filters as "description|pattern", e.g. "Quillmar Save (*.QSV)|*.QSV";
// Qt's dialogs read "Quillmar Save (*.QSV)".
QString qtFileFilter(const std::string& gameFilter);

// Where the desktop's file dialogs open: the folder of the file last chosen in either of them,
// kept in the player's settings, or the documents folder (home when there is none) the first
// time and whenever that folder has gone.
QString dialogStartFolder();
// Keeps the folder of a chosen file for the next dialog; an empty path (a cancel) keeps the last.
void rememberDialogFolder(const QString& chosenPath);

// Paths reach the windows as the bytes the file system names them by, whatever their encoding.
std::string pathBytes(const QString& path);
QString pathOf(const std::string& bytes);
