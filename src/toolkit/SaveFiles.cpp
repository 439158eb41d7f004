#include "toolkit/SaveFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A record with a name of many thousand letters is still far below this.
constexpr qint64 LargestSaveFile = 1024 * 1024;

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

QString writeSaveFile(const QString& path, const std::string& record) {
    if (QFileInfo(path).isDir())
        return QStringLiteral("the name chosen is a folder");
    QSaveFile file(path);
    // Unbuffered, so that a failing write is seen here and not in a final flush that Qt 6.4's
    // commit() does not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 size = qint64(record.size());
    if (file.write(record.data(), size) != size) {
        const QString problem = file.errorString();
        file.cancelWriting();
        return problem;
    }
    if (!file.commit())
        return file.errorString();
    syncFolderOf(path);
    return QString();
}

SaveFileRead readSaveFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return {false, {}, QStringLiteral("it is a folder, not a saved game")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, file.errorString()};
    const QByteArray bytes = file.read(LargestSaveFile + 1);
    if (file.error() != QFileDevice::NoError)
        return {false, {}, file.errorString()};
    if (bytes.size() > LargestSaveFile)
        return {false, {}, QStringLiteral("the file is far too large to be a saved game")};
    return {true, bytes.toStdString(), {}};
}
