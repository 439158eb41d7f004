#include "Offscreen.h"

#include "qt/QtScenario.h"

#include <QPushButton>
#include <QString>
#include <QTest>
#include <QtGlobal>

namespace {

QtMessageHandler qtHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qtHandler(type, context, message);
}

} // namespace

void prepareOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(quietHandler);
}

void click(QWidget* window, const char* buttonName) {
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(buttonName)), Qt::LeftButton);
    settle();
}
