#include "windows/AboutBox.h"

#include "Version.h"

AboutBox::AboutBox(const WindowContext& context)
    : GameWindow(Name, context, std::string("About Quillmar v") + GameVersion, {0, 0, 5730, 3450},
                 Frame::FixedDialog) {
    Control& icon = addPicture("picIcon", {240, 240, 540, 540});
    icon.picture = "GameIcon";
    icon.accessibleName = "Quillmar icon";
    Control& title = addLabel("lblTitle", "Quillmar", {1080, 240, 3885, 480});
    title.font = {FontFamily::Sans, 14, true};
    title.description = "Game";
    addLabel("lblVersion", std::string("Version: v") + GameVersion, {1050, 720, 3885, 225})
        .description = "Version";
    addLabel("Label1", "Lantern Oak Studio", {1080, 960, 3855, 255});
    addLabel("Label2", "Copyright (C) 2026 Lantern Oak Studio", {1080, 1320, 3855, 255});
    addLabel("lblDescription",
             "Game Description: A roleplaying game in which you save the world from the Evilons. ",
             {1080, 1680, 3885, 450});
    addLine(0, 2160, 5760, 2160).name = "Line1";
    addLabel("lblDisclaimer",
             "Warning: this game is protected by copyright law. Copying or passing it on without "
             "the permission of Lantern Oak Studio is not allowed.",
             {255, 2280, 3870, 1065});
    Control& ok = addButton("Command1", "Ok", {4320, 2640, 1215, 375});
    ok.isDefault = true;
    bindKeys(ok, {"Esc"}, "Enter or Escape");
    onClick(ok, [this] { announce(Happening::AboutClosed); });
}
