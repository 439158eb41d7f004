// Saved games that must never be lost: files that do not read, saves the file system refuses,
// cuts short or kills half way, and files a player may not read.
#include "qt/SaveFiles.h"
#include "state/RulesTesting.h"
#include "state/SaveRecord.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <random>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `work` in a child process and answers its wait status, or with `killAfter`, kills it
// that many microseconds later. As a player, a child of root first becomes the user nobody,
// whom permission bits stop as they stop a player (root they do not stop).
int inChild(const std::function<bool()>& work, bool asPlayer = false, int killAfter = -1) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit((!asPlayer || ::geteuid() != 0 || (!::setgid(65534) && !::setuid(65534))) && work()
                    ? 0
                    : 1);
    if (killAfter >= 0) {
        ::usleep(useconds_t(killAfter));
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// Every entry under a folder (hidden ones too), as sorted relative paths.
QStringList everythingIn(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next().mid(folder.size() + 1);
    entries.sort();
    return entries;
}

bool succeeded(int status) {
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A device that takes at most five bytes a write, as a file system may under pressure.
class ShortWrites : public QBuffer {
    qint64 writeData(const char* data, qint64 size) override {
        return QBuffer::writeData(data, std::min<qint64>(size, 5));
    }
};

std::string recordNamed(const std::string& name) {
    return formatSaveRecord(newHero(name));
}

// A good record of exactly this many bytes, its name as long as needed.
QByteArray recordOfSize(qint64 size) {
    const std::size_t name = std::size_t(size) - recordNamed("").size();
    return QByteArray::fromStdString(recordNamed(std::string(name, 'A')));
}

} // namespace

class SavesTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;

    QString file(const QByteArray& bytes) {
        static int files = 0;
        const QString path = folder_.filePath(QStringLiteral("%1.QSV").arg(++files));
        return writeSaveFile(path, bytes.toStdString()).isEmpty() ? path : QString();
    }

private slots:
    void initTestCase() { QVERIFY(::chmod(qPrintable(folder_.path()), 0755) == 0); }

    // What is no saved game is refused at once, with a reason: by the file when it is a folder,
    // absent, a named pipe (which must not hang the game) or a byte over the largest save; by its
    // record when it is empty or not a saved game. The flow table plays what the windows do then.
    void whatIsNoSavedGameIsRefused() {
        const QString pipe = folder_.filePath("pipe.QSV");
        QVERIFY(::mkfifo(qPrintable(pipe), 0600) == 0);
        for (const QString& path :
             {file(""), file("Quillmar\r\n"), file(recordOfSize(LargestSaveFile + 1)),
              folder_.path(), folder_.filePath("absent.QSV"), pipe}) {
            const SaveFileRead read = readSaveFile(path);
            QVERIFY(read.ok ? !readSaveRecord(read.text, {}).ok : !read.problem.empty());
        }
    }

    // The largest save the game reads is read; one the player may not read is refused.
    void theLargestSaveLoadsAndAnUnreadableOneDoesNot() {
        const QByteArray largest = recordOfSize(LargestSaveFile);
        QCOMPARE(readSaveFile(file(largest)).text, largest.toStdString());
        const QString locked = file(recordOfSize(200));
        QVERIFY(::geteuid() != 0 || ::chown(qPrintable(locked), 65534, 65534) == 0);
        QVERIFY(::chmod(qPrintable(locked), 0200) == 0);
        QVERIFY(succeeded(inChild([&] { return !readSaveFile(locked).ok; }, true)));
        QVERIFY(::chmod(qPrintable(locked), 0600) == 0);
        QVERIFY(succeeded(inChild([&] { return readSaveFile(locked).ok; }, true)));
    }

    // A save the file system refuses says why, and the earlier file and everything else in the
    // folder stay as they were: a folder chosen as the name, a folder that is not there, one
    // that no one or the player may not write in.
    void aRefusedSaveKeepsEverythingAsItWas() {
        QTemporaryDir folder;
        const QString earlier = folder.filePath(QStringLiteral("earlier.QSV"));
        QCOMPARE(writeSaveFile(earlier, recordNamed("Ann")), QString());
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("games.QSV/kept")));
        const QStringList entries = everythingIn(folder.path());
        for (const char* name : {"games.QSV", "missing/game.QSV", "/proc/game.QSV"})
            QVERIFY(
                !writeSaveFile(QDir(folder.path()).filePath(name), recordNamed("Bob")).isEmpty());
        QVERIFY(::chmod(qPrintable(folder.path()), 0555) == 0);
        QVERIFY(succeeded(
            inChild([&] { return !writeSaveFile(earlier, recordNamed("Bob")).isEmpty(); }, true)));
        QVERIFY(::chmod(qPrintable(folder.path()), 0700) == 0);
        QCOMPARE(readSaveFile(earlier).text, recordNamed("Ann"));
        QCOMPARE(everythingIn(folder.path()), entries);
    }

    // A write cut short is written on from where it stopped; one cut off for good (here by a
    // file size limit) says why, and the earlier file stays whole with nothing beside it.
    void aWriteCutShortGoesOnOrKeepsTheEarlierFile() {
        const std::string large = recordNamed(std::string(64 * 1024, 'B'));
        ShortWrites device;
        QVERIFY(device.open(QIODevice::WriteOnly));
        QCOMPARE(writeWhole(device, large), QString());
        QCOMPARE(device.data().toStdString(), large);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("game.QSV"));
        QCOMPARE(writeSaveFile(path, recordNamed("Ann")), QString());
        QVERIFY(succeeded(inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            const QString problem =
                ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? writeSaveFile(path, large) : QString();
            return !problem.isEmpty() && problem != QStringLiteral("Unknown error");
        })));
        QCOMPARE(readSaveFile(path).text, recordNamed("Ann"));
        QCOMPARE(everythingIn(folder.path()), QStringList{"game.QSV"});
    }

    // A program killed at any moment while it saves leaves on disk one whole record: the one
    // there before or the one being saved, never a mix or a cut. Most kills must land in the
    // middle of a save, or the test proves nothing.
    void aSaveKilledAtAnyMomentLeavesOneWholeRecord() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("game.QSV"));
        const std::string records[] = {recordNamed("Ann"), recordNamed(std::string(200000, 'B'))};
        QCOMPARE(writeSaveFile(path, records[0]), QString());
        auto* saving = static_cast<int*>(::mmap(nullptr, sizeof(int), PROT_READ | PROT_WRITE,
                                                MAP_SHARED | MAP_ANONYMOUS, -1, 0));
        std::mt19937 random(20240611);
        constexpr int kills = 150;
        int duringASave = 0;
        for (int kill = 0; kill < kills; ++kill) {
            __atomic_store_n(saving, 0, __ATOMIC_SEQ_CST);
            const auto saveForEver = [&] {
                for (int next = 1;; next = 1 - next) {
                    __atomic_store_n(saving, 1, __ATOMIC_SEQ_CST);
                    if (!writeSaveFile(path, records[next]).isEmpty())
                        return false;
                    __atomic_store_n(saving, 0, __ATOMIC_SEQ_CST);
                }
            };
            const int delay = std::uniform_int_distribution<int>(0, 40000)(random);
            QVERIFY2(WIFSIGNALED(inChild(saveForEver, false, delay)), "a save failed");
            duringASave += __atomic_load_n(saving, __ATOMIC_SEQ_CST);
            // A kill between Qt's link of the finished temporary file and its rename leaves it
            // beside the save: whole, but in the way. Only whole records may lie there.
            for (const QString& left : everythingIn(folder.path())) {
                const std::string bytes = readSaveFile(folder.filePath(left)).text;
                QVERIFY2(bytes == records[0] || bytes == records[1],
                         qPrintable(
                             QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(bytes.size())));
                if (left != QStringLiteral("game.QSV"))
                    QFile::remove(folder.filePath(left));
            }
        }
        ::munmap(saving, sizeof(int));
        qInfo("%d of %d kills landed in the middle of a save", duringASave, kills);
        QVERIFY(duringASave >= kills / 2);
    }
};

QTEST_MAIN(SavesTest)
#include "SavesTest.moc"
