#include "toolkit/FormRegistry.h"

#include <QHash>
#include <QPointer>

namespace {

QHash<QString, QPointer<GameForm>>& forms() {
    static QHash<QString, QPointer<GameForm>> loaded;
    return loaded;
}

} // namespace

GameForm* FormRegistry::find(const QString& name) {
    return forms().value(name);
}

GameForm& FormRegistry::load(const QString& name, Factory create) {
    if (GameForm* form = find(name))
        return *form;
    GameForm* form = create();
    form->setObjectName(name);
    forms().insert(name, form);
    form->Form_Load();
    return *form;
}

void FormRegistry::show(GameForm& form) {
    form.show();
    form.raise();
    form.activateWindow();
}

void FormRegistry::hide(const QString& name) {
    if (GameForm* form = find(name))
        form->hide();
}

void FormRegistry::unload(const QString& name) {
    QPointer<GameForm> form = forms().take(name);
    if (!form)
        return;
    form->hide();
    form->deleteLater();
}

void FormRegistry::unloadAll() {
    for (const QString& name : forms().keys())
        unload(name);
}

QList<GameForm*> FormRegistry::loadedForms() {
    QList<GameForm*> result;
    for (const QPointer<GameForm>& form : std::as_const(forms()))
        if (form)
            result.append(form);
    return result;
}
