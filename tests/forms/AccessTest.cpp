#include "forms/Form1.h"
#include "forms/Form10.h"
#include "forms/Form11.h"
#include "forms/Form12.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/Form6.h"
#include "forms/Form7.h"
#include "forms/Form8.h"
#include "forms/Form9.h"
#include "forms/frmAbout.h"
#include "support/Scenario.h"
#include "toolkit/Widgets.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

// A control a screen reader cannot name or explain: no name and no description; a picture or
// a button without a caption that has no name; or a bare figure or a blank with no meaning.
bool unexplained(QWidget* control) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
    const QString name = access->text(QAccessible::Name).trimmed();
    const QString meaning = access->text(QAccessible::Description).trimmed();
    const auto* label = qobject_cast<QLabel*>(control);
    const auto* button = qobject_cast<QAbstractButton*>(control);
    const bool bareFigure = label && !control->objectName().isEmpty() &&
                            (label->text().trimmed().isEmpty() || label->text().toInt() != 0 ||
                             label->text().trimmed() == QLatin1String("0"));
    const bool captionless = qobject_cast<PictureBox*>(control) ||
                             (button && button->text().trimmed().isEmpty() &&
                              !control->objectName().startsWith(QLatin1String("Do")));
    const bool readable = label || button || qobject_cast<PictureBox*>(control) ||
                          qobject_cast<QPlainTextEdit*>(control);
    return readable && ((name.isEmpty() && meaning.isEmpty()) || (captionless && name.isEmpty()) ||
                        (bareFigure && meaning.isEmpty()));
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // The title's Tab order follows the button numbers, not the order on screen.
    void theTitleTabsInTheOrderOfItsButtonNumbers() {
        Form1& title = Show<Form1>();
        QStringList order;
        QWidget* widget = control<QPushButton>(&title, "Command1");
        for (int i = 0; i < 6; ++i, widget = widget->nextInFocusChain())
            order << static_cast<QPushButton*>(widget)->text();
        QCOMPARE(order,
                 (QStringList{"New Game", "Load Game", "About", "Help", "Quit", "Contact Us"}));
    }

    // Every control of every window can be named or explained by a screen reader: captions
    // are read as shown, figures and blanks say what they mean, pictures have names.
    void everyControlCanBeNamedOrExplained() {
        Scenario scenario;
        QVERIFY(scenario.play({"hero Farmin Q1 x3y4", "battle Slime"}).isEmpty());
        const QList<QWidget*> windows = {
            &Load<Form1>(),  &Load<Form2>(),    &Load<Form4>(), &Load<Form5>(),  &Load<Form6>(),
            &Load<Form7>(),  &Load<Form8>(),    &Load<Form9>(), &Load<Form10>(), &Load<Form11>(),
            &Load<Form12>(), &Load<frmAbout>(), Loaded<Form3>()};
        QStringList silent;
        for (QWidget* window : windows)
            for (QWidget* control : window->findChildren<QWidget*>())
                if (unexplained(control))
                    silent << window->objectName() + '.' + control->objectName();
        QCOMPARE(silent, QStringList());
    }
};

QTEST_MAIN(AccessTest)
#include "AccessTest.moc"
