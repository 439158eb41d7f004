// The program as a whole: its command line and its icon.
#include "forms/Form10.h"
#include "forms/Startup.h"
#include "forms/graForm1.h"
#include "toolkit/FormRegistry.h"

#include <QTest>

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
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

    // Every window carries the game's icon, which the program sets before its first window.
    void everyWindowCarriesTheGameIcon() {
        prepareApplication();
        QCOMPARE(Load<Form10>().windowIcon().pixmap(32, 32).toImage(),
                 graForm1::instance().icon().pixmap(32, 32).toImage());
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
