#include "forms/Form9.h"
#include "support/FormTest.h"

#include <QPointer>

namespace {

// The help window's Form_Load opens it on page 1, whose button is then the disabled one.
QString pageMarks(Form9* help) {
    return enabledMarks(help, {"Page1", "Page3"});
}

} // namespace

// The registry's rules, seen on a real window: the help window, which opens on page 1.
class FormRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // Loading twice, or showing a hidden form, keeps the same window without a new Form_Load.
    void loadingAndShowingAgainKeepTheSameWindow() {
        Hide<Form9>();
        Unload<Form9>();
        QCOMPARE(Loaded<Form9>(), nullptr);
        Form9& help = Load<Form9>();
        QVERIFY(!help.isVisible());
        QCOMPARE(&Show<Form9>(), &help);
        click(&help, "Page3");
        Hide<Form9>();
        QVERIFY(!help.isVisible());
        QCOMPARE(&Load<Form9>(), &help);
        Show<Form9>();
        QVERIFY(help.isVisible());
        QCOMPARE(pageMarks(&help), QStringLiteral("10"));
    }

    // Unloading destroys the window once the handler has returned; the next use starts afresh.
    void unloadingLosesEveryChangeAndTheNextUseStartsAfresh() {
        QPointer<Form9> old = &Show<Form9>();
        click(old, "Page3");
        Unload<Form9>();
        QCOMPARE(Loaded<Form9>(), nullptr);
        QVERIFY(!old.isNull() && !old->isVisible());
        settle();
        QVERIFY(old.isNull());
        QCOMPARE(pageMarks(&Show<Form9>()), QStringLiteral("01"));
    }
};

QTEST_MAIN(FormRegistryTest)
#include "FormRegistryTest.moc"
