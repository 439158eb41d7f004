#include "forms/Startup.h"

#include "forms/Form10.h"
#include "forms/graForm1.h"
#include "support/Scenario.h"

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    // The usage and the version are answered without a window; a mistake is told, with status 2.
    void theCommandLineAnswersBeforeAnyWindow() {
        const Start version = readCommandLine({"quillmar", "--version"});
        QCOMPARE(version.exitStatus, 0);
        QCOMPARE(version.output, QStringLiteral("quillmar 1.0.0\n"));
        const Start help = readCommandLine({"quillmar", "--help"});
        QCOMPARE(help.exitStatus, 0);
        QVERIFY(help.output.contains(QStringLiteral("[options] [saved-game]")));
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
        QCOMPARE(scenario.play({"shown Form2", "Form2.Label4: x5y6", "file ann.QSV: saved",
                                "Form2.Command2"}),
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
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
