#include "forms/Form1.h"
#include "forms/Startup.h"
#include "toolkit/FormRegistry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();
    Show<Form1>();
    return QApplication::exec();
}
