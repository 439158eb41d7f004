#include "Version.h"
#include "qt/DesktopPlatform.h"
#include "qt/DesktopView.h"
#include "qt/Startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("quillmar"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(GameVersion));
    // The command line is read before the application exists, so that --help and --version
    // answer even where no window can be opened.
    QStringList arguments;
    for (int argument = 0; argument < argc; ++argument)
        arguments << QString::fromLocal8Bit(argv[argument]);
    const Start start = readCommandLine(arguments);
    std::fputs(qPrintable(start.output), stdout);
    if (!start.mistake.isEmpty())
        std::fprintf(stderr, "quillmar: %s\n", qPrintable(start.mistake));
    if (start.exitStatus >= 0)
        return start.exitStatus;
    QApplication app(argc, argv);
    prepareApplication();
    DesktopPlatform platform;
    DesktopView view;
    Flow flow(platform, &view);
    view.attach(flow);
    flow.start();
    if (!start.savedGame.isEmpty())
        flow.openSavedGame(pathBytes(start.savedGame));
    return QApplication::exec();
}
