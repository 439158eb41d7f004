#include "support/FormTest.h"

#include <QCoreApplication>

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void unloadEverything() {
    FormRegistry::unloadAll();
    settle();
}

QStringList visibleForms() {
    QStringList names;
    for (GameForm* form : FormRegistry::loadedForms())
        if (form->isVisible())
            names.append(form->objectName());
    names.sort();
    return names;
}

void click(QWidget* form, const char* buttonName) {
    auto* button = control<QPushButton>(form, buttonName);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}
