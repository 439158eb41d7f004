// The program as a whole: its command line, its icon and pictures, and the title's Tab order.
#include "forms/Form1.h"
#include "forms/Form10.h"
#include "forms/Startup.h"
#include "forms/graForm1.h"
#include "support/Scenario.h"
#include "toolkit/Text.h"
#include "world/Screens.h"

#include <QRegularExpression>

namespace {

QImage imageOf(const QString& name) {
    return graForm1::instance().picture(name).toImage().convertToFormat(QImage::Format_RGB32);
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
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
