#include "forms/Form1.h"
#include "toolkit/FormRegistry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets desktops match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lanternoak.Quillmar"));
    // The game ends only through its own ways out; hiding one window to show the next must
    // never end it.
    QApplication::setQuitOnLastWindowClosed(false);
    Show<Form1>();
    return QApplication::exec();
}
