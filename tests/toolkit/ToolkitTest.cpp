// The toolkit on its own, with no window of the game: the form registry's rules, seen on a window
// of the test's own, and the file dialogs' memory of the folder last used.
#include "support/FormTest.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Widgets.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>

// It counts its loads, and its one button changes its one caption.
class Probe : public GameForm {
    Q_OBJECT
public:
    Probe() : GameForm(QStringLiteral("Probe"), 1500, 1500, Frame::Fixed) {
        addLabel(this, "Label1", "as designed", {0, 0, 1500, 255});
        connect(addButton(this, "Command1", "Change", {0, 600, 1500, 375}), &QPushButton::clicked,
                this, [this] { showText(this, "Label1", QStringLiteral("changed")); });
    }
    void Form_Load() override { ++loads; }
    int loads = 0;

protected:
    void closeBoxPressed() override {}
};

class ToolkitTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    // The dialogs' settings and documents folder are the test's own, never the player's.
    void initTestCase() {
        const QString config = home_.filePath(QStringLiteral("config"));
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    }

    // Loading twice, or showing a hidden form, keeps the same window without a new Form_Load;
    // unloading destroys it once the handler has returned, and the next use starts afresh.
    void aFormIsLoadedOnceAndUnloadedWhole() {
        QPointer<Probe> probe = &Load<Probe>();
        QCOMPARE(probe->objectName(), QStringLiteral("Probe"));
        QVERIFY(!probe->isVisible());
        QCOMPARE(&Show<Probe>(), probe.data());
        click(probe, "Command1");
        Hide<Probe>();
        QVERIFY(!probe->isVisible());
        QCOMPARE(&Load<Probe>(), probe.data());
        Show<Probe>();
        QCOMPARE(probe->loads, 1);
        QCOMPARE(caption(probe, "Label1"), QStringLiteral("changed"));
        Unload<Probe>();
        QCOMPARE(Loaded<Probe>(), nullptr);
        QVERIFY(!probe.isNull() && !probe->isVisible());
        settle();
        QVERIFY(probe.isNull());
        QCOMPARE(caption(&Show<Probe>(), "Label1"), QStringLiteral("as designed"));
    }

    // The first dialog opens in the documents folder, or at home when there is none. A chosen
    // file's folder is kept in the game's settings for the next dialog, a cancel keeps it, and
    // once that folder has gone the dialogs fall back to the documents folder.
    void dialogsOpenInTheFolderLastUsed() {
        const QDir dir(home_.path());
        QCOMPARE(dialogStartFolder(), dir.path());
        QVERIFY(dir.mkpath(QStringLiteral("Documents")) && dir.mkpath(QStringLiteral("saves")));
        QCOMPARE(dialogStartFolder(), dir.filePath(QStringLiteral("Documents")));
        rememberDialogFolder(dir.filePath(QStringLiteral("saves/GAME.QSV")));
        rememberDialogFolder(QString());
        QCOMPARE(dialogStartFolder(), dir.filePath(QStringLiteral("saves")));
        QVERIFY(
            QFile::exists(dir.filePath(QStringLiteral("config/Lantern Oak Studio/Quillmar.conf"))));
        QVERIFY(dir.rmdir(QStringLiteral("saves")));
        QCOMPARE(dialogStartFolder(), dir.filePath(QStringLiteral("Documents")));
    }
};

QTEST_MAIN(ToolkitTest)
#include "ToolkitTest.moc"
