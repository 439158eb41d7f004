#include "support/Files.h"

#include "state/SaveRecord.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList everythingIn(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next().mid(folder.size() + 1);
    entries.sort();
    return entries;
}

QByteArray recordOf(const GameState& game) {
    return QByteArray::fromStdString(formatSaveRecord(game));
}
