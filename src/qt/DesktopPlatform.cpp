#include "qt/DesktopPlatform.h"

#include "qt/SaveFiles.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {

const QString lastFolderKey = QStringLiteral("dialogs/lastFolder");

// The game's own settings, named here so that they do not depend on what the start-up code
// tells the application about itself.
class GameSettings : public QSettings {
public:
    GameSettings() : QSettings(QStringLiteral("Lantern Oak Studio"), QStringLiteral("Quillmar")) {}
};

} // namespace

void DesktopPlatform::showMessage(const std::string& text, std::function<void()> closed) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillmar"), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
    closed();
}

void DesktopPlatform::chooseFileToOpen(const std::string& filter,
                                       std::function<void(const std::string&)> chosen) {
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                      dialogStartFolder(), qtFileFilter(filter));
    rememberDialogFolder(path);
    chosen(pathBytes(path));
}

void DesktopPlatform::chooseFileToSave(const std::string& filter,
                                       std::function<void(const std::string&)> chosen) {
    // No overwrite question: saving over a file of the same name replaces it.
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                      dialogStartFolder(), qtFileFilter(filter),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    rememberDialogFolder(path);
    chosen(pathBytes(path));
}

SaveFileRead DesktopPlatform::readSaveFile(const std::string& path) {
    return ::readSaveFile(pathOf(path));
}

std::string DesktopPlatform::writeSaveFile(const std::string& path, const std::string& record) {
    return ::writeSaveFile(pathOf(path), record).toStdString();
}

void DesktopPlatform::endProgram() {
    QCoreApplication::quit();
}

QString qtFileFilter(const std::string& gameFilter) {
    // Qt reads the patterns from the parentheses at the end of each entry, so an entry whose
    // description already ends with its patterns is taken as it is.
    const QStringList parts = QString::fromStdString(gameFilter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(QLatin1Char(';')).join(QLatin1Char(' '));
        const QString ending = QStringLiteral("(%1)").arg(patterns);
        const QString& description = parts[i];
        entries << (description.endsWith(ending) ? description : description + ' ' + ending);
    }
    return entries.join(QStringLiteral(";;"));
}

QString dialogStartFolder() {
    QString last = GameSettings().value(lastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void rememberDialogFolder(const QString& chosenPath) {
    if (!chosenPath.isEmpty())
        GameSettings().setValue(lastFolderKey, QFileInfo(chosenPath).absolutePath());
}

std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString pathOf(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}
