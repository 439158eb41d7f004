#pragma once

#include "windows/Platform.h"

#include <emscripten/val.h>
#include <map>

// The browser's side of the windows' platform. Messages and file dialogs are the page's own
// dialogs, which never block: each answer comes back from the page's event handlers, later.
// A browser keeps no files of its own: a saved game is downloaded under the name the player
// gives it, and a game to load is a file the player picks, read whole into memory. Both are kept
// by name for as long as the page lives.
class WebPlatform : public Platform {
public:
    void showMessage(const std::string& text, std::function<void()> closed) override;
    void chooseFileToOpen(const std::string& filter,
                          std::function<void(const std::string&)> chosen) override;
    void chooseFileToSave(const std::string& filter,
                          std::function<void(const std::string&)> chosen) override;
    SaveFileRead readSaveFile(const std::string& path) override;
    std::string writeSaveFile(const std::string& path, const std::string& record) override;
    void endProgram() override;

    // What the page answers for the dialog of that number: the name chosen, empty for a cancel
    // or a message's OK.
    void answered(int dialog, const std::string& name);
    // The page read the file the player picked in the open dialog of that number: its name and
    // its bytes (a Uint8Array).
    void fileOpened(int dialog, const std::string& name, const emscripten::val& bytes);

private:
    int waitFor(std::function<void(const std::string&)> answer);

    std::map<int, std::function<void(const std::string&)>> waiting_;
    int lastDialog_ = 0;
    std::map<std::string, std::string> files_;
};

// The pattern of a file filter ("Quillmar Save (*.QSV)|*.QSV") as the page's file picker takes
// it (".QSV").
std::string acceptedEnding(const std::string& filter);
