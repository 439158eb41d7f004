#pragma once

#include <functional>
#include <string>

// What a saved game's file gave: its text, or why it could not be read (a phrase that can
// follow a colon).
struct SaveFileRead {
    bool ok = false;
    std::string text;
    std::string problem;
};

// What the windows ask of the world outside them, served by each view and scripted by tests:
// what waits for the player outside the game's own windows, the saved games' files, and the end
// of the program.
//
// Nothing here blocks. A message or a file dialog hands its answer to the function it is given;
// a view may call it at once, after a dialog that waited (the desktop), or later, once the player
// has answered (a browser, which must never block). The windows do everything that follows an
// answer inside that function, so the order of events is the same either way.
class Platform {
public:
    virtual ~Platform() = default;

    // A message with an OK button only, titled "Quillmar".
    virtual void showMessage(const std::string& text, std::function<void()> closed) = 0;
    // The filter is written as "description|pattern"; the chosen path is empty on a cancel.
    virtual void chooseFileToOpen(const std::string& filter,
                                  std::function<void(const std::string& path)> chosen) = 0;
    virtual void chooseFileToSave(const std::string& filter,
                                  std::function<void(const std::string& path)> chosen) = 0;

    virtual SaveFileRead readSaveFile(const std::string& path) = 0;
    // Writes a save so that an earlier file of that name is kept or replaced whole, never
    // half-written. Answers an empty string, or why the game was not saved.
    virtual std::string writeSaveFile(const std::string& path, const std::string& record) = 0;

    // Stops the program; every window has been unloaded by then.
    virtual void endProgram() = 0;
};

// The one filter of the save and load dialogs.
inline constexpr const char* SaveFileFilter = "Quillmar Save (*.QSV)|*.QSV";
