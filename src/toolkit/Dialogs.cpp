#include "toolkit/Dialogs.h"

#include "toolkit/FormRegistry.h"

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

class DesktopDialogs : public DialogProvider {
public:
    void message(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillmar"), text, QMessageBox::Ok,
                        parent);
        box.exec();
    }
    QString askFileToOpen(QWidget* parent, const QString& filter) override {
        const QString path =
            QFileDialog::getOpenFileName(parent, QString(), dialogStartFolder(), filter);
        rememberDialogFolder(path);
        return path;
    }
    QString askFileToSave(QWidget* parent, const QString& filter) override {
        // No overwrite question: saving over a file of the same name replaces it.
        const QString path =
            QFileDialog::getSaveFileName(parent, QString(), dialogStartFolder(), filter, nullptr,
                                         QFileDialog::DontConfirmOverwrite);
        rememberDialogFolder(path);
        return path;
    }
    void quit() override {
        quitting_ = true;
        QCoreApplication::quit();
    }
    bool hasQuit() const override { return quitting_; }

private:
    bool quitting_ = false;
};

DialogProvider* replacement = nullptr;

DialogProvider& provider() {
    static DesktopDialogs desktop;
    return replacement ? *replacement : desktop;
}

} // namespace

void setDialogProvider(DialogProvider* provider) {
    replacement = provider;
}

void MsgBox(const QString& text) {
    provider().message(QApplication::activeWindow(), text);
}

QString ShowOpen(const QString& gameFilter) {
    return provider().askFileToOpen(QApplication::activeWindow(), qtFileFilter(gameFilter));
}

QString ShowSave(const QString& gameFilter) {
    return provider().askFileToSave(QApplication::activeWindow(), qtFileFilter(gameFilter));
}

QString qtFileFilter(const QString& gameFilter) {
    // Qt reads the patterns from the parentheses at the end of each entry, so an entry whose
    // description already ends with its patterns is taken as it is.
    const QStringList parts = gameFilter.split(QLatin1Char('|'));
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
    const QString last = GameSettings().value(lastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void rememberDialogFolder(const QString& chosenPath) {
    if (!chosenPath.isEmpty())
        GameSettings().setValue(lastFolderKey, QFileInfo(chosenPath).absolutePath());
}

void EndProgram() {
    FormRegistry::unloadAll();
    provider().quit();
}

bool ProgramEnded() {
    return provider().hasQuit();
}
