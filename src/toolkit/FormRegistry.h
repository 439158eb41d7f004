#pragma once

#include "toolkit/GameForm.h"

#include <QList>

// Each form exists at most once and is reached by its name (its class name). Loading creates
// the window with its layout and runs its Form_Load; loading a loaded form does nothing.
// Showing loads first if needed and brings the window to the front; showing a hidden form does
// not run Form_Load again. Hiding keeps everything; unloading destroys the window, so the next
// use starts afresh. A handler may unload its own window: the object lives on until control
// returns to the event loop.
class FormRegistry {
public:
    using Factory = GameForm* (*)();

    static GameForm* find(const QString& name);
    static GameForm& load(const QString& name, Factory create);
    static void show(GameForm& form);
    static void hide(const QString& name);
    static void unload(const QString& name);
    static void unloadAll();
    static QList<GameForm*> loadedForms();
};

template <class F> QString formName() {
    return QString::fromLatin1(F::staticMetaObject.className());
}

template <class F> F* Loaded() {
    return static_cast<F*>(FormRegistry::find(formName<F>()));
}

template <class F> F& Load() {
    return static_cast<F&>(FormRegistry::load(formName<F>(), []() -> GameForm* { return new F; }));
}

template <class F> F& Show() {
    F& form = Load<F>();
    FormRegistry::show(form);
    return form;
}

template <class F> void Hide() {
    FormRegistry::hide(formName<F>());
}

template <class F> void Unload() {
    FormRegistry::unload(formName<F>());
}
