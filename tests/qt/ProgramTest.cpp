// The program as a whole: its command line and its icon.
#include "qt/ArtPixmaps.h"
#include "qt/QtScenario.h"
#include "qt/Startup.h"

#include <QTest>

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    // The usage and the version are answered without a window; a mistake is told, with status 2.
    void theCommandLineAnswersBeforeAnyWindow() {
        const Start version = readCommandLine({"quillmar", "--version"});
        QVERIFY(version.output.startsWith(QStringLiteral("quillmar ")));
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

    // Every window carries the game's icon, which the program sets before its first window.
    void everyWindowCarriesTheGameIcon() {
        prepareApplication();
        QtHands hands;
        Scenario scenario(&hands);
        QCOMPARE(scenario.play({"title", "TitleScreen.Command6"}), std::string());
        QCOMPARE(hands.desktop().widgetOf("ContactWindow")->windowIcon().pixmap(32, 32).toImage(),
                 ArtPixmaps::instance().icon().pixmap(32, 32).toImage());
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
