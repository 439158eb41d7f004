#include "forms/Form1.h"
#include "state/SaveRecord.h"
#include "support/Files.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"
#include "toolkit/SaveFiles.h"

#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string recordNamed(const std::string& name) {
    GameState game = heroAt("Farmin", "Q1", "x3y4");
    game.YourName = name;
    return formatSaveRecord(game);
}

// Runs `work` in a child process, which ends with what it returns; the parent gets its id.
pid_t inChild(const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work());
    return child;
}

int statusOf(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// Makes a folder refuse new entries until it goes out of scope. Permission bits stop every user
// but root; root is stopped only by the immutable flag, where the file system allows it.
class FolderLock {
public:
    ~FolderLock() {
        if (immutable_)
            setImmutable(false);
        else if (!folder_.isEmpty())
            ::chmod(folder_.constData(), 0700);
    }
    // Empty when the folder is locked; otherwise why it could not be.
    QString lock(const QString& folder) {
        folder_ = QFile::encodeName(folder);
        if (::geteuid() != 0)
            return ::chmod(folder_.constData(), 0500) == 0 ? QString() : "chmod failed";
        immutable_ = setImmutable(true);
        return immutable_ ? QString()
                          : "running as root, whom permission bits do not stop, where the file "
                            "system refuses the immutable flag";
    }

private:
    bool setImmutable(bool on) {
        const int handle = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        bool done = handle >= 0 && ::ioctl(handle, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(handle, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(handle);
        return done;
    }

    QByteArray folder_;
    bool immutable_ = false;
};

} // namespace

class SaveFaultTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    void aRefusedSaveTellsAndKeepsEverythingAsItWas_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("lockFolder");
        QTest::newRow("a folder chosen as the name") << "games.QSV" << false;
        QTest::newRow("a folder that does not exist") << "missing/game.QSV" << false;
        QTest::newRow("a folder no one may write in") << "/proc/game.QSV" << false;
        QTest::newRow("the earlier file in a locked folder") << "earlier.QSV" << true;
    }

    // A save the file system refuses shows "The game was not saved" and the game goes on; the
    // earlier file and everything else in the folder stay exactly as they were.
    void aRefusedSaveTellsAndKeepsEverythingAsItWas() {
        QFETCH(QString, name);
        QFETCH(bool, lockFolder);
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        theGame() = heroAt("Farmin", "Q1", "x3y4");
        Show<Form2>();
        const QString earlier = folder.filePath(QStringLiteral("earlier.QSV"));
        saveAs(dialogs, earlier);
        const QByteArray earlierBytes = contents(earlier);
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("games.QSV/kept")));
        const QStringList entries = everythingIn(folder.path());
        theGame().YourGold = 7;
        const GameState before = theGame();
        FolderLock lock;
        if (lockFolder)
            if (const QString why = lock.lock(folder.path()); !why.isEmpty())
                QSKIP(qPrintable(why));
        saveAs(dialogs, QDir(folder.path()).filePath(name));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages[0].startsWith(QStringLiteral("The game was not saved: ")),
                 qPrintable(dialogs.messages[0]));
        QVERIFY(theGame() == before);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(contents(earlier), earlierBytes);
        QCOMPARE(everythingIn(folder.path()), entries);
    }

    // A write the file system cuts off part way (here a file size limit) is reported, and the
    // earlier file stays whole with no temporary file beside it.
    void aWriteCutOffPartWayKeepsTheEarlierFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("game.QSV"));
        const std::string earlier = recordNamed("Ann");
        QCOMPARE(writeSaveFile(path, earlier), QString());
        const std::string large = recordNamed(std::string(64 * 1024, 'B'));
        // The saver's status: 0 when it was told why the save failed, 1 when the save was taken
        // for a success, 2 when the reason given is none.
        const pid_t saver = inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const QString problem = writeSaveFile(path, large);
            return problem.isEmpty() ? 1 : problem == QStringLiteral("Unknown error") ? 2 : 0;
        });
        const int status = statusOf(saver);
        QCOMPARE(contents(path), QByteArray::fromStdString(earlier));
        QCOMPARE(everythingIn(folder.path()), QStringList{"game.QSV"});
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    // A program killed at any moment while it saves leaves on disk one whole record: the one
    // there before or the one being saved, never a mix or a cut.
    void aSaveKilledAtAnyMomentLeavesOneWholeRecord() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("game.QSV"));
        const std::string records[] = {recordNamed("Ann"), recordNamed(std::string(200000, 'B'))};
        QCOMPARE(writeSaveFile(path, records[0]), QString());
        constexpr unsigned seed = 20240611;
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> microseconds(0, 40000);
        constexpr int kills = 150;
        int seen[2] = {0, 0};
        int strayFiles = 0;
        for (int kill = 0; kill < kills; ++kill) {
            const pid_t saver = inChild([&] {
                for (int next = 1;; next = 1 - next)
                    if (!writeSaveFile(path, records[next]).isEmpty())
                        return 1;
            });
            QVERIFY(saver > 0);
            ::usleep(useconds_t(microseconds(random)));
            ::kill(saver, SIGKILL);
            const int status = statusOf(saver);
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "a save failed");
            const std::string onDisk = contents(path).toStdString();
            QVERIFY2(
                onDisk == records[0] || onDisk == records[1],
                qPrintable(QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(onDisk.size())));
            ++seen[onDisk == records[1]];
            // A kill between Qt's link of the finished temporary file and its rename leaves
            // that file beside the save: whole, but in the way. Counted, then removed.
            for (const QString& stray : everythingIn(folder.path())) {
                const QString strayPath = folder.filePath(stray);
                if (stray == QStringLiteral("game.QSV"))
                    continue;
                const std::string left = contents(strayPath).toStdString();
                QVERIFY2(left == records[0] || left == records[1], "a stray file is cut");
                strayFiles += QFile::remove(strayPath);
            }
        }
        qInfo("seed %u: %d kills, %d left the short record, %d the long one, %d stray temporary "
              "files",
              seed, kills, seen[0], seen[1], strayFiles);
        QVERIFY2(seen[0] > 0 && seen[1] > 0, "the kills did not land both before and after saves");
    }
};

QTEST_MAIN(SaveFaultTest)
#include "SaveFaultTest.moc"
