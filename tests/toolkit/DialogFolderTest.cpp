#include "toolkit/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The file dialogs open where the player last chose a file. The test runs with a home and a
// settings folder of its own, so the player's documents and settings are never read or written.
class DialogFolderTest : public QObject {
    Q_OBJECT
    QTemporaryDir home;

private slots:
    void initTestCase() {
        QVERIFY(home.isValid());
        const QString config = home.filePath(QStringLiteral("config"));
        qputenv("HOME", QFile::encodeName(home.path()));
        // Where the desktop's folder names (the documents folder's) are looked up.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    }

    // The first dialog opens in the documents folder, or at home when there is none. A chosen
    // file's folder is kept in the game's settings for the next dialog, a cancel keeps it, and
    // once that folder has gone the dialogs fall back to the documents folder.
    void dialogsOpenInTheFolderLastUsed() {
        const QDir dir(home.path());
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

QTEST_MAIN(DialogFolderTest)
#include "DialogFolderTest.moc"
