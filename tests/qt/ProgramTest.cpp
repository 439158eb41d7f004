// The program as a whole: its command line and the folder its dialogs open in. (The
// command_line test runs the program itself for its answers and its exit status.)
#include "qt/DesktopPlatform.h"
#include "qt/Startup.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class ProgramTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    // The dialogs' settings and documents folder are the test's own, never the player's.
    void initTestCase() {
        qputenv("HOME", QFile::encodeName(home_.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           home_.filePath(QStringLiteral("config")));
    }

    // The usage names the saved game; one saved game is taken to open, none is fine too.
    void theCommandLineNamesTheSavedGame() {
        QVERIFY(readCommandLine({"quillmar", "--help"}).output.contains("[options] [saved-game]"));
        QCOMPARE(readCommandLine({"quillmar", "a.QSV"}).savedGame, QStringLiteral("a.QSV"));
        QCOMPARE(readCommandLine({"quillmar"}).exitStatus, -1);
    }

    // The first dialog opens in the documents folder, or at home when there is none. A chosen
    // file's folder is kept in the game's settings for the next dialog, a cancel keeps it, and
    // once that folder has gone the dialogs fall back to the documents folder.
    void dialogsOpenInTheFolderLastUsed() {
        const QDir dir(home_.path());
        QCOMPARE(dialogStartFolder(), dir.path());
        QVERIFY(dir.mkpath(QStringLiteral("Documents")) && dir.mkpath(QStringLiteral("saves")));
        QCOMPARE(dialogStartFolder(), dir.filePath(QStringLiteral("Documents")));
        rememberDialogFolder(dir.filePath(QStringLiteral("saves/GAME.QSV")));
        rememberDialogFolder(QString());
        QCOMPARE(dialogStartFolder(), dir.filePath(QStringLiteral("saves")));
        QVERIFY(
            QFile::exists(dir.filePath(QStringLiteral("config/Lantern Oak Studio/Quillmar.conf"))));
        QVERIFY(dir.rmdir(QStringLiteral("saves")));
        QCOMPARE(dialogStartFolder(), dir.filePath(QStringLiteral("Documents")));
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
