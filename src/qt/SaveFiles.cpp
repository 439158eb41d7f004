#include "qt/SaveFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <unistd.h>

namespace {

// After the rename, the folder's entry must reach the disk too, or a power cut could bring
// back the old file. By then the new file is in place and whole, so a folder that cannot be
// synced (some file systems refuse) does not make the save a failure.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

} // namespace

// A write the file system cuts short (a full disk, a file size limit) reports no error; the
// next write of the rest does, and that is what tells the player why.
QString writeWhole(QIODevice& device, const std::string& record) {
    for (qint64 written = 0; written < qint64(record.size());) {
        const qint64 more = device.write(record.data() + written, qint64(record.size()) - written);
        if (more <= 0)
            return device.errorString();
        written += more;
    }
    return QString();
}

QString writeSaveFile(const QString& path, const std::string& record) {
    if (QFileInfo(path).isDir())
        return QStringLiteral("the name chosen is a folder");
    QSaveFile file(path);
    // Unbuffered, so that a failing write is seen here and not in a final flush that Qt 6.4's
    // commit() does not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (QString problem = writeWhole(file, record); !problem.isEmpty()) {
        file.cancelWriting();
        return problem;
    }
    // The bytes must be on the disk before the rename makes them the save; Qt 6.4's commit()
    // would rename even when its own sync failed.
    if (::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return QStringLiteral("the file could not be written to disk");
    }
    if (!file.commit())
        return file.errorString();
    syncFolderOf(path);
    return QString();
}

SaveFileRead readSaveFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return {false, {}, "it is a folder, not a saved game"};
    // Opening a named pipe waits for a writer that may never come, and the game would hang.
    if (info.exists() && !info.isFile())
        return {false, {}, "it is a pipe or a device, not a saved game"};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, file.errorString().toStdString()};
    const QByteArray bytes = file.read(LargestSaveFile + 1);
    if (file.error() != QFileDevice::NoError)
        return {false, {}, file.errorString().toStdString()};
    if (bytes.size() > LargestSaveFile)
        return {false, {}, "the file is far too large to be a saved game"};
    return {true, bytes.toStdString(), {}};
}
