// The desktop's file dialogs remember the folder last used.
#include "qt/DesktopPlatform.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class DialogsTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    // The dialogs' settings and documents folder are the test's own, never the player's.
    void initTestCase() {
        const QString config = home_.filePath(QStringLiteral("config"));
        qputenv("HOME", QFile::encodeName(home_.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
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

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
