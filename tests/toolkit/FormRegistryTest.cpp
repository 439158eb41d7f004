#include "support/FormTest.h"
#include "support/ScriptedDialogs.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Widgets.h"

#include <QLabel>
#include <QPointer>

// A form that counts how often it is built and loaded and what its close box did.
class CountingForm : public GameForm {
    Q_OBJECT
public:
    CountingForm() : GameForm(GameCaption, 3000, 1500, Frame::Fixed) {
        caption = addLabel(this, "Label1", "design", {120, 120, 1500, 255});
        ++built;
    }
    void Form_Load() override { ++loads; }

    QLabel* caption;
    int closeBoxes = 0;
    static inline int built = 0;
    static inline int loads = 0;

protected:
    void closeBoxPressed() override { ++closeBoxes; }
};

// A form whose button unloads its own window and then goes on using it, as the game's handlers
// do when they show the next screen and unload the one they belong to.
class SelfUnloadingForm : public GameForm {
    Q_OBJECT
public:
    SelfUnloadingForm() : GameForm(GameCaption, 3000, 1500, Frame::Fixed) {
        auto* button = addButton(this, "Command1", "Leave", {120, 120, 1000, 375});
        connect(button, &QPushButton::clicked, this, &SelfUnloadingForm::Command1_Click);
    }
    void Command1_Click() {
        Unload<SelfUnloadingForm>();
        setWindowTitle(QStringLiteral("still usable until the handler returns"));
    }

protected:
    void closeBoxPressed() override {}
};

class FormRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        unloadEverything();
        CountingForm::built = 0;
        CountingForm::loads = 0;
    }

    // Loading creates the window and runs Form_Load once; loading again changes nothing.
    void loadingTwiceBuildsAndLoadsOnce() {
        CountingForm& first = Load<CountingForm>();
        CountingForm& second = Load<CountingForm>();
        QCOMPARE(&first, &second);
        QCOMPARE(CountingForm::built, 1);
        QCOMPARE(CountingForm::loads, 1);
        QVERIFY(!first.isVisible());
        QCOMPARE(first.objectName(), QStringLiteral("CountingForm"));
        QCOMPARE(Loaded<CountingForm>(), &first);
    }

    // Showing loads first when needed; showing a hidden form keeps it as it was, with no new
    // Form_Load.
    void showingAHiddenFormKeepsItsCaptionsAndSkipsFormLoad() {
        CountingForm& form = Show<CountingForm>();
        QVERIFY(form.isVisible());
        form.caption->setText(QStringLiteral("changed"));
        Hide<CountingForm>();
        QVERIFY(!form.isVisible());
        Show<CountingForm>();
        QVERIFY(form.isVisible());
        QCOMPARE(form.caption->text(), QStringLiteral("changed"));
        QCOMPARE(CountingForm::loads, 1);
    }

    // Unloading destroys the window: the next use builds it afresh from its layout.
    void unloadingLosesEveryChangeAndTheNextUseStartsAfresh() {
        QPointer<CountingForm> old = &Show<CountingForm>();
        old->caption->setText(QStringLiteral("changed"));
        Unload<CountingForm>();
        QCOMPARE(Loaded<CountingForm>(), nullptr);
        settle();
        QVERIFY(old.isNull());
        CountingForm& fresh = Load<CountingForm>();
        QCOMPARE(fresh.caption->text(), QStringLiteral("design"));
        QCOMPARE(CountingForm::built, 2);
        QCOMPARE(CountingForm::loads, 2);
    }

    // Hiding or unloading a form that is not loaded does nothing.
    void hidingOrUnloadingAnAbsentFormDoesNothing() {
        Hide<CountingForm>();
        Unload<CountingForm>();
        QCOMPARE(Loaded<CountingForm>(), nullptr);
        QCOMPARE(CountingForm::built, 0);
    }

    // A handler may unload its own window and still finish its work.
    void aHandlerMayUnloadItsOwnWindow() {
        QPointer<SelfUnloadingForm> form = &Show<SelfUnloadingForm>();
        QTest::mouseClick(control<QPushButton>(form, "Command1"), Qt::LeftButton);
        QCOMPARE(Loaded<SelfUnloadingForm>(), nullptr);
        QVERIFY(!form.isNull());
        QVERIFY(!form->isVisible());
        settle();
        QVERIFY(form.isNull());
    }

    // The close box is the form's to handle: the frame alone never closes a game window.
    void theCloseBoxIsHandedToTheForm() {
        CountingForm& form = Show<CountingForm>();
        pressCloseBox(&form);
        QCOMPARE(form.closeBoxes, 1);
        QVERIFY(form.isVisible());
    }

    // Ending the program closes every window at once and asks the application to stop.
    void endingTheProgramClosesEveryWindow() {
        ScriptedDialogs dialogs;
        Show<CountingForm>();
        Load<SelfUnloadingForm>();
        EndProgram();
        settle();
        QVERIFY(FormRegistry::loadedForms().isEmpty());
        QCOMPARE(dialogs.quitRequests, 1);
    }

    // The game writes filters as "description|pattern"; the dialogs get Qt's own syntax, so
    // they really list the matching files.
    void gameFiltersBecomeQtFilters() {
        QCOMPARE(qtFileFilter(QStringLiteral("Quillmar Save (*.QSV)|*.QSV")),
                 QStringLiteral("Quillmar Save (*.QSV)"));
        QCOMPARE(qtFileFilter(QStringLiteral("Text|*.txt")), QStringLiteral("Text (*.txt)"));
        QCOMPARE(qtFileFilter(QStringLiteral("Pictures|*.png;*.bmp|All|*.*")),
                 QStringLiteral("Pictures (*.png *.bmp);;All (*.*)"));
    }

    // The file dialogs hand back the chosen path, or an empty string for a cancel.
    void fileDialogsAnswerWithAPathOrNothing() {
        ScriptedDialogs dialogs;
        dialogs.fileAnswers = {QStringLiteral("/tmp/a.QSV"), QString()};
        QCOMPARE(ShowOpen(QStringLiteral("Quillmar Save (*.QSV)|*.QSV")),
                 QStringLiteral("/tmp/a.QSV"));
        QCOMPARE(ShowSave(QStringLiteral("Quillmar Save (*.QSV)|*.QSV")), QString());
        QCOMPARE(dialogs.filtersAsked, QStringList(2, QStringLiteral("Quillmar Save (*.QSV)")));
        MsgBox(QStringLiteral("Hello"));
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Hello")});
    }

    // Layouts are in twips, 15 to a pixel.
    void twipsBecomePixels() {
        QCOMPARE(twipsToPixels(7410), 494);
        QCOMPARE(twipsToPixels(7125), 475);
        QCOMPARE(twipsToPixels(495), 33);
        QWidget parent;
        PictureBox* cell =
            addPicture(&parent, "map0304", {1200 + 480 * 3, 600 + 480 * 2, 495, 495});
        QCOMPARE(cell->geometry(), QRect(176, 104, 33, 33));
    }
};

QTEST_MAIN(FormRegistryTest)
#include "FormRegistryTest.moc"
