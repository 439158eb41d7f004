#include "support/ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs() {
    setDialogProvider(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    setDialogProvider(nullptr);
}

void ScriptedDialogs::message(QWidget*, const QString& text) {
    messages.append(text);
    if (whileMessageOpen)
        whileMessageOpen(text);
}

QString ScriptedDialogs::askFileToOpen(QWidget*, const QString& filter) {
    return nextFileAnswer(filter);
}

QString ScriptedDialogs::askFileToSave(QWidget*, const QString& filter) {
    return nextFileAnswer(filter);
}

void ScriptedDialogs::quit() {
    ++quitRequests;
}

QString ScriptedDialogs::nextFileAnswer(const QString& filter) {
    filtersAsked.append(filter);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}
