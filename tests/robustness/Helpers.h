#pragma once

#include "forms/Form1.h"
#include "forms/Form2.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

#include <QDirIterator>
#include <QFile>

// Helpers shared by the robustness tests: what a file or a folder holds, saving or loading
// through the real windows with the dialog answered, and talking to whoever opens a window.

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every entry under a folder, hidden ones too, as sorted paths relative to it.
inline QStringList everythingIn(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next().mid(folder.size() + 1);
    entries.sort();
    return entries;
}

// "Save" on the move screen, with the dialog answered by a path.
inline void saveAs(ScriptedDialogs& dialogs, const QString& path) {
    dialogs.fileAnswers << path;
    click(Loaded<Form2>(), "Command1");
}

// "Load Game" on the title, with the dialog answered by a path.
inline void loadFrom(ScriptedDialogs& dialogs, const QString& path) {
    dialogs.fileAnswers << path;
    click(Loaded<Form1>(), "Command2");
}

// "Talk" on the move screen of a hero, to someone who opens window F: a fight or the shop.
template <class F> F* talkTo(const GameState& hero) {
    click(&moveScreenOf(hero), "Command8");
    return Loaded<F>();
}
