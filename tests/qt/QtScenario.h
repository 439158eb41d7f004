#pragma once

#include "qt/DesktopView.h"
#include "windows/Scenario.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

// A scenario at the desktop: the windows drawn by the desktop view, offscreen, and acted on
// through their widgets with the mouse and the keyboard, as a player would, with saved games in a
// folder of their own on disk, written and read as the desktop does.
class AtTheDesktop : public Setting {
public:
    void click(Flow& flow, const std::string& window, const std::string& control) override;
    void press(Flow& flow, const std::string& window, const KeyPress& key) override;
    void close(Flow& flow, const std::string& window) override;
    WindowView* view() override { return &view_; }
    void begin(Flow& flow) override { view_.attach(flow); }

    std::string folder() const override { return folder_.path().toStdString(); }
    SaveFileRead read(const std::string& path) override;
    std::string write(const std::string& path, const std::string& record) override;

    DesktopView& desktopView() { return view_; }

private:
    DesktopView view_;
    QTemporaryDir folder_;
};

// Lets the widgets of unloaded windows go, as the event loop would.
void settle();

// Where the desktop view differs from what the windows say: every control of every open window
// drawn where and as its window says, and every window on show as its window says; empty when
// the two agree.
std::string viewDiffers(const Flow& flow, DesktopView& view);

// Files: their bytes ("<unreadable>" when they cannot be read), written whole, and every entry
// under a folder (hidden ones too) as sorted relative paths.
QByteArray contents(const QString& path);
void write(const QString& path, const QByteArray& bytes);
QStringList everythingIn(const QString& folder);
