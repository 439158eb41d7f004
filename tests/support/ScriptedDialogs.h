#pragma once

#include "toolkit/Dialogs.h"

#include <QStringList>
#include <functional>

// Stands in for the desktop's dialogs in window tests: records every message and every file
// dialog's filter, answers file dialogs from a queue (an empty answer is a cancel), and notes
// when the program asked to stop. Installed for as long as it lives.
class ScriptedDialogs : public DialogProvider {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void message(QWidget* parent, const QString& text) override;
    QString askFileToOpen(QWidget* parent, const QString& filter) override;
    QString askFileToSave(QWidget* parent, const QString& filter) override;
    void quit() override;
    bool hasQuit() const override { return quitRequests > 0; }

    // Runs while a message is open, to look at the windows as the player sees them then.
    std::function<void(const QString&)> whileMessageOpen;

    QStringList messages;
    QStringList filtersAsked;
    QStringList fileAnswers;
    int quitRequests = 0;

private:
    QString nextFileAnswer(const QString& filter);
};
