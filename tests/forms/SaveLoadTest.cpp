#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "state/NewGame.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>

namespace {

// The line a new game of "Ann" is saved as, without its line end.
const QByteArray NewGameOfAnn =
    "1,\"Ann\",1,0,20,20,10,7,8,6,20,20,10,7,8,6,100,2,0,1,0,0,0,0,0,0,0,#FALSE#,#FALSE#,#FALSE#,"
    "#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,\"Farmin\",\"x3y4\",\"Q1\",5";

// The reference line with the text of one field replaced: 1 is the story stage, 41 the step
// count.
QByteArray withField(int field, const QByteArray& value) {
    QList<QByteArray> fields = NewGameOfAnn.split(',');
    fields[field - 1] = value;
    return fields.join(',');
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// "Save" on the move screen, answering the dialog with a path (an empty one cancels).
void saveAs(ScriptedDialogs& dialogs, const QString& path) {
    dialogs.fileAnswers << path;
    click(Loaded<Form2>(), "Command1");
}

// "Load Game" on the title, answering the dialog with a path.
void loadFrom(ScriptedDialogs& dialogs, const QString& path) {
    dialogs.fileAnswers << path;
    click(Loaded<Form1>(), "Command2");
}

// A new game of "Ann" started on the title and typed on the name entry's keys.
void startANewGameOfAnn() {
    click(&Show<Form1>(), "Command1");
    Form5* entry = Loaded<Form5>();
    for (const char* key : {"Command30", "Command2", "Command40", "Command15", "Command15"})
        click(entry, key);
    click(entry, "Command1");
    click(Loaded<Form4>(), "Command1");
}

QString statusPanel(Form2* move) {
    QStringList shown;
    for (const char* label : {"YourLevel", "YourGold", "yourHP", "yourMaxHP", "yourTP", "yourMaxTP",
                              "town", "Label7", "Label4"})
        shown << caption(move, label);
    return shown.join(' ');
}

} // namespace

class SaveLoadTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // A new game is saved as one line of 41 fields ending in CR LF, chosen through a dialog
    // that offers only saved games; the game goes on with no message.
    void savingANewGameWritesItsLine() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        startANewGameOfAnn();
        dialogs.messages.clear();
        const QString path = folder.filePath(QStringLiteral("ann.QSV"));
        saveAs(dialogs, path);
        QCOMPARE(contents(path), NewGameOfAnn + "\r\n");
        QCOMPARE(dialogs.filtersAsked, QStringList{"Quillmar Save (*.QSV)"});
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(visibleForms(), QStringList{"Form2"});
    }

    // Cancelling the dialog writes nothing and shows nothing.
    void cancellingTheSaveWritesNothing() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        theGame() = heroAt("Farmin", "Q1", "x3y4");
        Show<Form2>();
        saveAs(dialogs, QString());
        QCOMPARE(dialogs.filtersAsked.size(), 1);
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(visibleForms(), QStringList{"Form2"});
    }

    // Saving again to the same name leaves only the second game in the file, even when it
    // is shorter.
    void savingTwiceKeepsTheSecond() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        theGame() = heroAt("Farmin", "Q1", "x3y4");
        Show<Form2>();
        const QString path = folder.filePath(QStringLiteral("ann.QSV"));
        saveAs(dialogs, path);
        theGame().YourGold = 7;
        saveAs(dialogs, path);
        QCOMPARE(contents(path), withField(17, "7") + "\r\n");
        QVERIFY(dialogs.messages.isEmpty());
    }

    // Save, Quit, and Load Game in a program that starts afresh: the same game on the same
    // cell, with its status panel, and the title gone.
    void aSavedGameLoadsAsItWasSaved() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        theGame() = heroAt("Farmin", "Q4", "x5y6", 3);
        theGame().YourLevel = 3;
        theGame().YourGold = 321;
        theGame().YourHP = 11;
        theGame().YourMaxHP = 27;
        theGame().YourTP = 5;
        theGame().YourMaxTP = 27;
        theGame().HasSlash = True;
        theGame().StepsToFight = 3;
        Show<Form2>();
        const GameState saved = theGame();
        const QString path = folder.filePath(QStringLiteral("ann.QSV"));
        saveAs(dialogs, path);
        click(Loaded<Form2>(), "Command2");
        theGame() = GameState();
        loadFrom(dialogs, path);
        QCOMPARE(dialogs.filtersAsked.last(), QStringLiteral("Quillmar Save (*.QSV)"));
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(theGame(), saved);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(Loaded<Form1>(), nullptr);
        Form2* move = Loaded<Form2>();
        QVERIFY(shows(move, "map0506", "graYou"));
        QVERIFY(shows(move, "map0504", "gra001"));
        QCOMPARE(statusPanel(move), QStringLiteral("3 321 11 27 5 27 Farmin Q4 x5y6"));
    }

    // A save that fails says so; an earlier saved game and a folder chosen as the name are
    // left exactly as they were, and the game goes on.
    void aFailedSaveTellsAndKeepsWhatWasThere() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        theGame() = heroAt("Farmin", "Q1", "x3y4");
        Show<Form2>();
        const QString earlier = folder.filePath(QStringLiteral("earlier.QSV"));
        saveAs(dialogs, earlier);
        const QString chosenFolder = folder.filePath(QStringLiteral("games.QSV"));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("games.QSV")));
        write(chosenFolder + QStringLiteral("/note.txt"), "kept");
        theGame().YourGold = 7;
        const GameState before = theGame();
        const QString missingFolder = folder.filePath(QStringLiteral("missing/game.QSV"));
        for (const QString& path : {chosenFolder, missingFolder}) {
            dialogs.messages.clear();
            saveAs(dialogs, path);
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY2(dialogs.messages[0].startsWith(QStringLiteral("The game was not saved")),
                     qPrintable(dialogs.messages[0]));
            QCOMPARE(theGame(), before);
            QCOMPARE(visibleForms(), QStringList{"Form2"});
        }
        QCOMPARE(contents(earlier), NewGameOfAnn + "\r\n");
        QCOMPARE(
            QDir(chosenFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"note.txt"});
        QCOMPARE(contents(chosenFolder + QStringLiteral("/note.txt")), QByteArray("kept"));
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("missing"))));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"earlier.QSV"});
    }

    // A file that does not read as a saved game, a missing file and a folder are refused with
    // a message; the game and the title stay exactly as they were.
    void aFileThatDoesNotReadChangesNothing() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        const std::pair<const char*, QByteArray> files[] = {
            {"empty", ""},
            {"short", NewGameOfAnn.left(NewGameOfAnn.lastIndexOf(',')) + "\r\n"},
            {"long", NewGameOfAnn + ",5\r\n"},
            {"word", withField(3, "one")},
            {"large", withField(17, "40000")},
            {"flag", withField(28, "#YES#")},
            {"unquoted", withField(38, "Farmin")},
            {"two lines", NewGameOfAnn + "\r\n" + NewGameOfAnn + "\r\n"},
        };
        QStringList paths;
        for (const auto& [name, bytes] : files) {
            paths << folder.filePath(QString::fromLatin1(name) + QStringLiteral(".QSV"));
            write(paths.last(), bytes);
        }
        paths << folder.filePath(QStringLiteral("absent.QSV")) << folder.path();
        theGame() = heroAt("BanditsCave", "Q2", "x5y5", 4);
        theGame().EnemyName = "Bat";
        theGame().YourGold = 777;
        const GameState before = theGame();
        QPointer<Form1> title = &Show<Form1>();
        for (const QString& path : paths) {
            dialogs.messages.clear();
            loadFrom(dialogs, path);
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY2(dialogs.messages[0].startsWith(QStringLiteral("The game could not be loaded")),
                     qPrintable(path + ": " + dialogs.messages[0]));
            QCOMPARE(theGame(), before);
            QCOMPARE(visibleForms(), QStringList{"Form1"});
            QCOMPARE(Loaded<Form1>(), title.data());
            QCOMPARE(Loaded<Form2>(), nullptr);
        }
    }

    // Loading places the hero twice, so a game saved in the training center two steps before
    // a fight opens it at once; three steps before, it does not.
    void loadingCloseToAFightOpensIt() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        const QString path = folder.filePath(QStringLiteral("training.QSV"));
        const std::tuple<QByteArray, Integer, QStringList> counts[] = {{"3", 1, {"Form2"}},
                                                                       {"2", 0, {"Form3"}}};
        for (const auto& [saved, left, windows] : counts) {
            unloadEverything();
            QByteArray line = withField(41, saved);
            line.replace("\"Farmin\",\"x3y4\"", "\"TrainingCenter\",\"x5y5\"");
            write(path, line + "\r\n");
            Show<Form1>();
            loadFrom(dialogs, path);
            QCOMPARE(theGame().StepsToFight, left);
            QCOMPARE(visibleForms(), windows);
            QVERIFY(Loaded<Form2>());
            QCOMPARE(caption(Loaded<Form2>(), "Label4"), QStringLiteral("x5y5"));
        }
        QCOMPARE(caption(Loaded<Form3>(), "info1"), QStringLiteral("Slime Whats to Fight!"));
    }

    // After a game loaded at the closing stage is left, New Game still starts a new game
    // with the opening story.
    void aNewGameAfterTheClosingStageTellsTheOpeningStory() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        const QString path = folder.filePath(QStringLiteral("ended.QSV"));
        write(path, withField(1, "50") + "\r\n");
        Show<Form1>();
        loadFrom(dialogs, path);
        QCOMPARE(theGame().StoryStage, ClosingStoryStage);
        click(Loaded<Form2>(), "Command2");
        click(Loaded<Form1>(), "Command1");
        click(Loaded<Form5>(), "Command1");
        QCOMPARE(caption(Loaded<Form4>(), "Label"), QString::fromStdString(" " + openingStory()));
        click(Loaded<Form4>(), "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(theGame().StoryStage, Integer(1));
        QCOMPARE(dialogs.messages, QStringList{QString::fromStdString(kingsMessage("Hero"))});
    }
};

QTEST_MAIN(SaveLoadTest)
#include "SaveLoadTest.moc"
