#include "qt/Startup.h"

#include "Version.h"
#include "qt/ArtPixmaps.h"

#include <QApplication>
#include <QCommandLineParser>

Start readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A small turn-based role-playing game."));
    parser.addPositionalArgument(QStringLiteral("saved-game"),
                                 QStringLiteral("A saved game (.QSV) to open at once."),
                                 QStringLiteral("[saved-game]"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments))
        return {.exitStatus = 2, .mistake = parser.errorText()};
    // Without an application the parser cannot know the program's name.
    if (parser.isSet(help))
        return {.exitStatus = 0,
                .output = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QStringLiteral("quillmar"))};
    if (parser.isSet(version))
        return {.exitStatus = 0, .output = QStringLiteral("quillmar %1\n").arg(GameVersion)};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return {.exitStatus = 2, .mistake = QStringLiteral("Only one saved game can be opened.")};
    return {.savedGame = files.value(0)};
}

void prepareApplication() {
    QApplication::setWindowIcon(ArtPixmaps::instance().icon());
    // Lets desktops match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lanternoak.Quillmar"));
    QApplication::setQuitOnLastWindowClosed(false);
}
