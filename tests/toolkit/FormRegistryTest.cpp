#include "support/FormTest.h"
#include "toolkit/Widgets.h"

#include <QLabel>
#include <QPointer>

// A window of the test's own, so the registry is seen without any window of the game: it counts
// its loads, and its one button changes its one caption.
class Probe : public GameForm {
    Q_OBJECT
public:
    Probe() : GameForm(QStringLiteral("Probe"), 1500, 1500, Frame::Fixed) {
        addLabel(this, "Label1", "as designed", {0, 0, 1500, 255});
        auto* change = addButton(this, "Command1", "Change", {0, 600, 1500, 375});
        connect(change, &QPushButton::clicked, this,
                [this] { showText(this, "Label1", QStringLiteral("changed")); });
    }
    void Form_Load() override { ++loads; }
    int loads = 0;

protected:
    void closeBoxPressed() override {}
};

class FormRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // Loading twice, or showing a hidden form, keeps the same window without a new Form_Load.
    void loadingAndShowingAgainKeepTheSameWindow() {
        Hide<Probe>();
        Unload<Probe>();
        QCOMPARE(Loaded<Probe>(), nullptr);
        Probe& probe = Load<Probe>();
        QCOMPARE(probe.objectName(), QStringLiteral("Probe"));
        QVERIFY(!probe.isVisible());
        QCOMPARE(&Show<Probe>(), &probe);
        click(&probe, "Command1");
        Hide<Probe>();
        QVERIFY(!probe.isVisible());
        QCOMPARE(&Load<Probe>(), &probe);
        Show<Probe>();
        QVERIFY(probe.isVisible());
        QCOMPARE(probe.loads, 1);
        QCOMPARE(caption(&probe, "Label1"), QStringLiteral("changed"));
    }

    // Unloading destroys the window once the handler has returned; the next use starts afresh.
    void unloadingLosesEveryChangeAndTheNextUseStartsAfresh() {
        QPointer<Probe> old = &Show<Probe>();
        click(old, "Command1");
        Unload<Probe>();
        QCOMPARE(Loaded<Probe>(), nullptr);
        QVERIFY(!old.isNull() && !old->isVisible());
        settle();
        QVERIFY(old.isNull());
        Probe& fresh = Show<Probe>();
        QCOMPARE(fresh.loads, 1);
        QCOMPARE(caption(&fresh, "Label1"), QStringLiteral("as designed"));
    }
};

QTEST_MAIN(FormRegistryTest)
#include "FormRegistryTest.moc"
