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
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"
#include "toolkit/Widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

// Presses a key in a window as the player would, with the window active.
void press(QWidget* form, QKeySequence key) {
    QApplication::setActiveWindow(form);
    QTest::keySequence(form, key);
    settle();
}

Form3* battleAgainst(const std::string& enemy) {
    theGame() = heroAt("TrainingCenter", "Q1", "x5y5");
    Show<Form2>();
    theGame().EnemyName = enemy;
    Form3::open();
    return Loaded<Form3>();
}

// The controls a screen reader would meet in a window: every label, button, picture and text.
QList<QWidget*> readableControls(QWidget* form) {
    QList<QWidget*> controls;
    for (QWidget* child : form->findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child) ||
            qobject_cast<PictureBox*>(child) || qobject_cast<QPlainTextEdit*>(child))
            controls << child;
    return controls;
}

// A control a screen reader cannot name or explain: no name and no description; a picture or
// a button without a caption that has no name; or a bare figure or a blank with no meaning.
QString unexplained(QWidget* control) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
    const QString name = access->text(QAccessible::Name).trimmed();
    const QString meaning = access->text(QAccessible::Description).trimmed();
    const auto* label = qobject_cast<QLabel*>(control);
    const bool bareFigure = label && !control->objectName().isEmpty() &&
                            (label->text().trimmed().isEmpty() || label->text().toInt() != 0 ||
                             label->text().trimmed() == QLatin1String("0"));
    const bool captionless = qobject_cast<PictureBox*>(control) ||
                             (qobject_cast<QAbstractButton*>(control) &&
                              qobject_cast<QAbstractButton*>(control)->text().trimmed().isEmpty() &&
                              !control->objectName().startsWith(QLatin1String("Do")));
    if ((name.isEmpty() && meaning.isEmpty()) || (captionless && name.isEmpty()) ||
        (bareFigure && meaning.isEmpty()))
        return control->window()->objectName() + '.' + control->objectName() + " \"" + name + '"';
    return {};
}

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // On the move screen the arrow keys and W/A/S/D step, T talks, M opens the menu and Ctrl+S
    // saves.
    void moveScreenKeys() {
        ScriptedDialogs dialogs;
        theGame() = heroAt("Farmin", "Q1", "x3y4");
        Form2& move = Show<Form2>();
        press(&move, Qt::Key_Up);
        press(&move, Qt::Key_D);
        QCOMPARE(theGame().Position, std::string("x2y5"));
        for (Qt::Key key :
             {Qt::Key_A, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_S, Qt::Key_W})
            press(&move, key);
        QCOMPARE(theGame().Position, std::string("x3y4"));
        press(&move, Qt::Key_T);
        QCOMPARE(dialogs.messages, QStringList{"Good luck, Ann"});
        press(&move, QKeySequence::Save);
        QCOMPARE(dialogs.filtersAsked.size(), 1);
        press(&move, Qt::Key_M);
        QCOMPARE(visibleForms(), QStringList{"Form6"});
        QCOMPARE(control<QPushButton>(&move, "Command3")->toolTip(),
                 QStringLiteral("Key: Up arrow or W"));
    }

    // On the name entry the keyboard types what the keys would, Backspace takes a character
    // back, and Enter continues; a space is typed even while a key button has the focus.
    void nameEntryTyping() {
        Form5& entry = Show<Form5>();
        control<QPushButton>(&entry, "Command2")->setFocus();
        QTest::keyClicks(control<QPushButton>(&entry, "Command2"), QStringLiteral("a Z1!"));
        QCOMPARE(caption(&entry, "YouName"), QStringLiteral("Heroa Z1!"));
        QTest::keyClick(&entry, Qt::Key_Backspace);
        QTest::keyClicks(&entry, QStringLiteral(",&"));
        QCOMPARE(caption(&entry, "YouName"), QStringLiteral("Heroa Z1"));
        QCOMPARE(control<QPushButton>(&entry, "Command28")->toolTip(),
                 QStringLiteral("Key: ! or 1"));
        QTest::keyClick(&entry, Qt::Key_Return);
        settle();
        QCOMPARE(theGame().YourName, std::string("Heroa Z1"));
        QCOMPARE(visibleForms(), QStringList{"Form4"});
    }

    // In battle A, D, I and T are the commands, the digits the list buttons (only when they
    // can be pressed), and Enter ends a won battle.
    void battleKeys() {
        Form3* battle = battleAgainst("LeaderOfBandits");
        press(battle, Qt::Key_2);
        QCOMPARE(caption(battle, "info2"), QString());
        press(battle, Qt::Key_I);
        QCOMPARE(control<QPushButton>(battle, "Do1")->text(), QStringLiteral("Bread * 2"));
        press(battle, Qt::Key_1);
        QCOMPARE(caption(battle, "info2"), QStringLiteral("You eat the BREAD, HP goes up by 10"));
        press(battle, Qt::Key_D);
        QCOMPARE(caption(battle, "info2"), QStringLiteral("You Defend"));
        unloadEverything();
        battle = battleAgainst("Slime");
        press(battle, Qt::Key_Return);
        QCOMPARE(visibleForms(), QStringList{"Form3"});
        press(battle, Qt::Key_A);
        press(battle, Qt::Key_Return);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
    }

    // The travel window's places have their letters, live only when offered.
    void travelKeys() {
        theGame() = heroAt("Farmin", "Q1", "x8y1");
        click(&Show<Form2>(), "Command5");
        press(Loaded<Form8>(), Qt::Key_B);
        QCOMPARE(visibleForms(), QStringList{"Form8"});
        press(Loaded<Form8>(), Qt::Key_F);
        QCOMPARE(theGame().Quadrant, std::string("Q3"));
        QCOMPARE(visibleForms(), QStringList{"Form2"});
    }

    // Escape is the way out of the menu pages, the shop and the help window.
    void escapeLeavesMenusShopAndHelp() {
        theGame() = heroAt("Farmin", "Q4", "x7y2");
        Show<Form2>();
        press(&Show<Form6>(), Qt::Key_Escape);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        press(&Show<Form7>(), Qt::Key_Escape);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        press(&Show<Form11>(), Qt::Key_Escape);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        press(&Show<Form9>(), Qt::Key_Escape);
        QCOMPARE(Loaded<Form9>(), nullptr);
        QVERIFY(Loaded<Form1>());
    }

    // The desktop's message box closes with Enter and with Escape.
    void messageBoxesCloseWithEnterAndEscape() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            bool pressed = false;
            QTimer::singleShot(0, [&] {
                QTest::keyClick(QApplication::activeModalWidget(), key);
                pressed = true;
            });
            MsgBox(QStringLiteral("Hello"));
            QVERIFY(pressed);
        }
    }

    // Every control of every window can be named or explained by a screen reader: captions
    // are read as shown, figures and blanks say what they mean, pictures have names.
    void everyControlCanBeNamedOrExplained() {
        theGame() = heroAt("Farmin", "Q1", "x3y4");
        const QList<QWidget*> windows = {&Load<Form1>(),        &Load<Form2>(),  &Load<Form4>(),
                                         &Load<Form5>(),        &Load<Form6>(),  &Load<Form7>(),
                                         &Load<Form8>(),        &Load<Form9>(),  &Load<Form10>(),
                                         &Load<Form11>(),       &Load<Form12>(), &Load<frmAbout>(),
                                         battleAgainst("Slime")};
        QStringList silent;
        for (QWidget* window : windows)
            for (QWidget* control : readableControls(window))
                if (const QString problem = unexplained(control); !problem.isEmpty())
                    silent << problem;
        QCOMPARE(silent, QStringList());
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
