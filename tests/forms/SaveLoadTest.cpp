#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "state/SaveRecord.h"
#include "support/Files.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/Playthrough.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QPointer>
#include <QTemporaryDir>

class SaveLoadTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // Saving writes the record silently and a second save replaces it whole; a cancel writes
    // nothing, and a failed save says so and leaves the earlier file as it was.
    void savingWritesTheRecordAndOnlyAWholeSaveReplacesIt() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        startAsAnn();
        dialogs.messages.clear();
        const QString path = folder.filePath(QStringLiteral("ann.QSV"));
        saveAs(dialogs, path);
        QCOMPARE(contents(path), recordOf(theGame()));
        QCOMPARE(dialogs.filtersAsked, QStringList{"Quillmar Save (*.QSV)"});
        theGame().YourGold = 7;
        saveAs(dialogs, path);
        QCOMPARE(contents(path), recordOf(theGame()));
        const QByteArray saved = contents(path);
        saveAs(dialogs, QString());
        QVERIFY(dialogs.messages.isEmpty());
        theGame().YourGold = 8;
        saveAs(dialogs, folder.path());
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].startsWith(QStringLiteral("The game was not saved")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ann.QSV"});
        QCOMPARE(contents(path), saved);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
    }

    // Save, Quit and Load Game bring back the same game on the same cell, with its panel.
    void aSavedGameLoadsAsItWasSaved() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        GameState hero = heroAt("Farmin", "Q4", "x5y6", 3);
        hero.YourLevel = 3, hero.YourGold = 321, hero.YourHP = 11, hero.YourMaxHP = 27;
        hero.YourTP = 5, hero.HasSlash = True, hero.StepsToFight = 3;
        moveScreenOf(hero);
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
        QCOMPARE(captions(move, {"YourLevel", "YourGold", "yourHP", "yourMaxHP", "yourTP", "town",
                                 "Label7", "Label4"}),
                 QStringLiteral("3|321|11|27|5|Farmin|Q4|x5y6"));
    }

    // A malformed or missing file is refused with a message; game and title stay as they were.
    void aFileThatDoesNotReadChangesNothing() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        const QString malformed = folder.filePath(QStringLiteral("short.QSV"));
        write(malformed, "1,\"Ann\",1\r\n");
        GameState hero = heroAt("BanditsCave", "Q2", "x5y5", 4);
        hero.EnemyName = "Bat", hero.YourGold = 777;
        theGame() = hero;
        QPointer<Form1> title = &Show<Form1>();
        for (const QString& path : {malformed, folder.filePath(QStringLiteral("absent.QSV"))}) {
            dialogs.messages.clear();
            loadFrom(dialogs, path);
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY2(dialogs.messages[0].startsWith(QStringLiteral("The game could not be loaded")),
                     qPrintable(path + ": " + dialogs.messages[0]));
            QCOMPARE(theGame(), hero);
            QCOMPARE(visibleForms(), QStringList{"Form1"});
            QCOMPARE(Loaded<Form1>(), title.data());
        }
    }

    // Loading places the hero twice, so a game saved two steps before a fight opens it at once.
    void loadingCloseToAFightOpensIt() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        const QString path = folder.filePath(QStringLiteral("training.QSV"));
        GameState hero = heroAt("TrainingCenter", "Q1", "x5y5");
        hero.StepsToFight = 2;
        write(path, recordOf(hero));
        Show<Form1>();
        loadFrom(dialogs, path);
        QCOMPARE(visibleForms(), QStringList{"Form3"});
        QCOMPARE(caption(Loaded<Form2>(), "Label4"), QStringLiteral("x5y5"));
        QCOMPARE(caption(Loaded<Form3>(), "info1"), QStringLiteral("Slime Whats to Fight!"));
    }
};

QTEST_MAIN(SaveLoadTest)
#include "SaveLoadTest.moc"
