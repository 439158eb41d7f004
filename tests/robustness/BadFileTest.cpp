#include "forms/Form1.h"
#include "state/SaveRecord.h"
#include "support/Files.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

#include <QPointer>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A good record (no line end) of a hero called Ann; the table breaks it one way per row.
const QByteArray GoodLine =
    QByteArray::fromStdString(formatSaveRecord(heroAt("Farmin", "Q1", "x3y4"))).chopped(2);

// The good line with field 1..41 replaced: 1 is the story stage, 2 the name, 17 the gold, 28
// the first flag, 38 the place.
QByteArray withField(int field, const QByteArray& value) {
    QList<QByteArray> fields = GoodLine.split(',');
    fields[field - 1] = value;
    return fields.join(',');
}

// A game in progress, with battle fields that no file holds, to see that nothing of it moves.
GameState gameInProgress() {
    GameState game = heroAt("BanditsCave", "Q2", "x5y5", 4);
    game.EnemyName = "Bat";
    game.YourGold = 777;
    game.CellOpen(2, 2) = True;
    return game;
}

} // namespace

class BadFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;
    QByteArray badName_; // Qt cannot name it, so it cannot remove it either

    QString file(const char* name, const QByteArray& bytes) {
        const QString path = folder_.filePath(QString::fromLatin1(name));
        write(path, bytes);
        return path;
    }

private slots:
    void init() { unloadEverything(); }
    void cleanupTestCase() { ::unlink(badName_.constData()); }

    // The table's good line loads, so every row below fails by what it breaks.
    void theUnbrokenLineLoads() {
        ScriptedDialogs dialogs;
        Show<Form1>();
        loadFrom(dialogs, file("good.QSV", GoodLine + "\r\n"));
        QCOMPARE(dialogs.messages, QStringList());
        QCOMPARE(visibleForms(), QStringList{"Form2"});
    }

    void aBadFileChangesNothing_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("needsPermissionBits");
        const std::pair<const char*, QByteArray> files[] = {
            {"empty", ""},
            {"cut in the middle", GoodLine.left(GoodLine.size() / 2)},
            {"cut before the last field", GoodLine.left(GoodLine.lastIndexOf(','))},
            {"one field too many", GoodLine + ",5"},
            {"gold of 32768", withField(17, "32768")},
            {"story stage of -32769", withField(1, "-32769")},
            {"a number of twenty digits", withField(17, "99999999999999999999")},
            {"a word for a number", withField(3, "one")},
            {"a plus sign", withField(3, "+1")},
            {"a decimal point", withField(3, "1.0")},
            {"a blank before a number", withField(3, " 1")},
            {"an empty number", withField(3, "")},
            {"a number for a flag", withField(28, "-1")},
            {"a flag in small letters", withField(28, "#true#")},
            {"a number for a text", withField(38, "7")},
            {"a text for a number", withField(1, "\"1\"")},
            {"the name without quotes", withField(2, "Ann")},
            {"the name without its closing quote", withField(2, "\"Ann")},
            {"the name without its opening quote", withField(2, "Ann\"")},
            {"a stray quote in the name", withField(2, "\"An\"n\"")},
            {"a lone quote at the end", GoodLine + ",\""},
            {"a NUL byte in the name", withField(2, QByteArray("\"A\0n\"", 5))},
            {"a NUL byte at the end", GoodLine + QByteArray(1, '\0')},
            {"a carriage return alone at the end", GoodLine + "\r"},
            {"two records", GoodLine + "\r\n" + GoodLine + "\r\n"},
            {"a good record with a name of 10 MB",
             withField(2, '"' + QByteArray(10 << 20, 'A') + '"') + "\r\n"},
        };
        for (const auto& [name, bytes] : files)
            QTest::newRow(name) << file(name, bytes) << false;
        QTest::newRow("a folder") << folder_.path() << false;
        QTest::newRow("a file that is not there") << folder_.filePath("absent.QSV") << false;
        const QByteArray pipe = QFile::encodeName(folder_.filePath("pipe.QSV"));
        QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
        QTest::newRow("a named pipe") << QFile::decodeName(pipe) << false;
        const QString locked = file("locked", GoodLine + "\r\n");
        QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
        QTest::newRow("a good file without read permission") << locked << true;
        // A name that is not UTF-8 reaches Qt, and so the game, only with its bad bytes
        // replaced: even a good game behind it cannot be opened, and the player is told.
        badName_ = QFile::encodeName(folder_.path()) + "/bad\xff\xfe.QSV";
        const int handle = ::open(badName_.constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(handle >= 0 &&
                ::write(handle, GoodLine.constData(), size_t(GoodLine.size())) == GoodLine.size());
        ::close(handle);
        QTest::newRow("a good file whose name is not UTF-8")
            << QFile::decodeName(badName_) << false;
    }

    // Any file that does not read as a saved game shows one message saying the game could not
    // be loaded, and leaves the game and the same title screen exactly as they were.
    void aBadFileChangesNothing() {
        QFETCH(QString, path);
        QFETCH(bool, needsPermissionBits);
        if (needsPermissionBits && ::geteuid() == 0)
            QSKIP("running as root, who reads every file whatever its permission bits say");
        ScriptedDialogs dialogs;
        theGame() = gameInProgress();
        const GameState before = theGame();
        QPointer<Form1> title = &Show<Form1>();
        loadFrom(dialogs, path);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages[0].startsWith(QStringLiteral("The game could not be loaded: ")),
                 qPrintable(dialogs.messages[0]));
        QVERIFY(theGame() == before);
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        QCOMPARE(Loaded<Form1>(), title.data());
    }
};

QTEST_MAIN(BadFileTest)
#include "BadFileTest.moc"
