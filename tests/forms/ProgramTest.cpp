// The program as a whole: its command line, its icon and pictures, and what the keyboard and
// screen readers find in its windows.
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
#include "forms/Startup.h"
#include "forms/frmAbout.h"
#include "forms/graForm1.h"
#include "support/Scenario.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"
#include "world/Screens.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {

QImage imageOf(const QString& name) {
    return graForm1::instance().picture(name).toImage().convertToFormat(QImage::Format_RGB32);
}

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

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    // Every picture reads without a slip (a line the reader cannot take warns, and a warning
    // fails; this runs first, as each picture is read once); the edge bars are plain white and
    // plain black, and no two tiles look the same.
    void thePicturesReadAndCanBeToldApart() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        for (const QString& name : graForm1::instance().names())
            QVERIFY2(!graForm1::instance().picture(name).isNull(), qPrintable(name));
        QImage white(imageOf("CanGo").size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(imageOf("CanGo"), white);
        white.fill(Qt::black);
        QCOMPARE(imageOf("CanNotGo"), white);
        QStringList tiles;
        for (char letter = 'A'; letter <= 'z'; ++letter)
            if (const QString name = text(pictureOfTile(letter)); !tiles.contains(name))
                tiles << name;
        tiles.removeAll(QString());
        for (qsizetype i = 0; i < tiles.size(); ++i)
            for (qsizetype j = i + 1; j < tiles.size(); ++j)
                QVERIFY2(imageOf(tiles[i]) != imageOf(tiles[j]), qPrintable(tiles[i] + tiles[j]));
    }

    // The usage and the version are answered without a window; a mistake is told, with status 2.
    void theCommandLineAnswersBeforeAnyWindow() {
        const Start version = readCommandLine({"quillmar", "--version"});
        QCOMPARE(version.output, QStringLiteral("quillmar 1.0.0\n"));
        const Start help = readCommandLine({"quillmar", "--help"});
        QVERIFY(help.output.contains(QStringLiteral("[options] [saved-game]")));
        QCOMPARE(version.exitStatus + help.exitStatus, 0);
        for (const QStringList& wrong :
             {QStringList{"quillmar", "--cheat"}, QStringList{"quillmar", "a.QSV", "b.QSV"}}) {
            const Start mistake = readCommandLine(wrong);
            QCOMPARE(mistake.exitStatus, 2);
            QVERIFY(!mistake.mistake.isEmpty() && mistake.output.isEmpty());
        }
        QCOMPARE(readCommandLine({"quillmar", "a.QSV"}).savedGame, QStringLiteral("a.QSV"));
        QCOMPARE(readCommandLine({"quillmar"}).exitStatus, -1);
    }

    // A saved game named on the command line opens as Load Game opens it; one that does not
    // read leaves the title on show with the message.
    void aSavedGameOnTheCommandLineOpensAsLoadGameWould() {
        Scenario scenario;
        write(scenario.path("ann.QSV"), recordOf(heroAt("Farmin", "Q4", "x5y6")));
        showTitle(scenario.path("ann.QSV"));
        QCOMPARE(scenario.play({"shown Form2", "Form2.Label4: x5y6", "file ann.QSV: saved"}),
                 QString());
        unloadEverything();
        showTitle(scenario.path("absent.QSV"));
        QCOMPARE(scenario.play({"told: The game could not be loaded: ...", "shown Form1"}),
                 QString());
    }

    // Every window carries the game's icon, which the program sets before its first window.
    void everyWindowCarriesTheGameIcon() {
        prepareApplication();
        QCOMPARE(Load<Form10>().windowIcon().pixmap(32, 32).toImage(),
                 graForm1::instance().icon().pixmap(32, 32).toImage());
    }

    // The title's Tab order follows the button numbers, not the order on screen.
    void theTitleTabsInTheOrderOfItsButtonNumbers() {
        Scenario scenario;
        QWidget* widget = control(&Show<Form1>(), "Command1");
        QStringList order;
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

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
