// Linked into a start-up program beside its own main(): ends the program as soon as its first
// window has been painted, so that a whole run lasts from the start to the first picture on
// screen. Neither the game nor its main() know of it; it hooks in as the application is made.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued, so the window's children paint and the window reaches the screen first.
            // exit(), not quit(): the game's windows refuse the close that quit() asks for.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                Qt::QueuedConnection);
        }
        return false;
    }
};

void watchForTheFirstPaint() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaint(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstPaint)
