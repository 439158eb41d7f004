// The program as a whole: its command line, its icon and its pictures.
#include "forms/graForm1.h"
#include "qt/QtScenario.h"
#include "qt/Startup.h"

#include <QRegularExpression>
#include <QTest>

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    // Every picture reads without a slip: a line the reader cannot take warns, and a warning
    // fails. This runs first, as each picture is read once.
    void everyPictureReads() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        for (const QString& name : graForm1::instance().names())
            QVERIFY2(!graForm1::instance().picture(name).isNull(), qPrintable(name));
    }

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
                 graForm1::instance().icon().pixmap(32, 32).toImage());
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
