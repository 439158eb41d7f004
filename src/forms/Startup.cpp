#include "forms/Startup.h"

#include "forms/graForm1.h"

#include <QApplication>

void prepareApplication() {
    QApplication::setWindowIcon(graForm1::instance().icon());
    // Lets desktops match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lanternoak.Quillmar"));
    QApplication::setQuitOnLastWindowClosed(false);
}
