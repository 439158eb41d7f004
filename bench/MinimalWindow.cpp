// The start-up baseline: the least a Qt Widgets program can show, one window with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quillmar"));
    label.show();
    return QApplication::exec();
}
