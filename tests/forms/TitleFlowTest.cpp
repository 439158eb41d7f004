#include "forms/Form1.h"
#include "forms/Form10.h"
#include "forms/Form12.h"
#include "forms/Form9.h"
#include "forms/frmAbout.h"
#include "forms/graForm1.h"
#include "support/FormTest.h"
#include "support/ScriptedDialogs.h"
#include "toolkit/Widgets.h"

#include <QLabel>
#include <QPointer>

class TitleFlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // The title opens at its fixed size with the logo, "Presents", the title picture and the
    // six buttons in one row, 1200 twips apart.
    void titleShowsItsLayout() {
        Form1& title = Show<Form1>();
        QVERIFY(title.windowTitle().startsWith(QStringLiteral("Quillmar v1.0.0")));
        QCOMPARE(title.size(), QSize(494, 475));
        QCOMPARE(title.minimumSize(), title.maximumSize());
        QVERIFY(!title.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(control<QLabel>(&title, "Label1")->text(), QStringLiteral("Presents"));
        QCOMPARE(control<QLabel>(&title, "Label1")->font().pointSize(), 24);
        QVERIFY(control<QLabel>(&title, "Label1")->font().bold());
        QVERIFY(!control<PictureBox>(&title, "Image1")->picture().isNull());
        QCOMPARE(control<PictureBox>(&title, "Image2")->picture().toImage(),
                 graForm1::instance().picture("GameIcon").toImage());
        const char* buttons[] = {"Command1", "Command2", "Command4",
                                 "Command6", "Command3", "Command5"};
        const char* captions[] = {"New Game", "Load Game", "Help", "Contact Us", "About", "Quit"};
        for (int i = 0; i < 6; ++i) {
            auto* button = control<QPushButton>(&title, buttons[i]);
            QCOMPARE(button->text(), QString::fromLatin1(captions[i]));
            QCOMPARE(button->geometry(), QRect(twipsToPixels(240 + 1200 * i), 440, 67, 25));
        }
    }

    // Tab moves through the buttons in their own order, not their order on screen.
    void tabOrderFollowsTheButtonNumbers() {
        Form1& title = Show<Form1>();
        QWidget* widget = control<QPushButton>(&title, "Command1");
        QStringList order;
        for (int i = 0; i < 6; ++i, widget = widget->nextInFocusChain())
            order << widget->objectName();
        QCOMPARE(order, (QStringList{"Command1", "Command2", "Command3", "Command4", "Command5",
                                     "Command6"}));
    }

    // About opens one box over the title; a second click brings the same box forward.
    void aboutTwiceShowsOneBox() {
        Form1& title = Show<Form1>();
        click(&title, "Command3");
        QPointer<frmAbout> box = Loaded<frmAbout>();
        QVERIFY(box && box->isVisible());
        click(&title, "Command3");
        QCOMPARE(Loaded<frmAbout>(), box.data());
        QCOMPARE(visibleForms(), (QStringList{"Form1", "frmAbout"}));
    }

    // "Ok" closes the about box and leaves the title as it was.
    void aboutOkLeavesTheTitleAsItWas() {
        QPointer<Form1> title = &Show<Form1>();
        click(title, "Command3");
        click(Loaded<frmAbout>(), "Command1");
        QCOMPARE(Loaded<frmAbout>(), nullptr);
        QCOMPARE(Loaded<Form1>(), title.data());
        QCOMPARE(visibleForms(), QStringList{"Form1"});
    }

    // With the about box open, Help unloads the title and the about box stays until closed.
    void helpWithAboutOpenKeepsTheAboutBox() {
        QPointer<Form1> title = &Show<Form1>();
        click(title, "Command3");
        click(title, "Command4");
        QVERIFY(title.isNull());
        QCOMPARE(visibleForms(), (QStringList{"Form9", "frmAbout"}));
    }

    // Contact Us replaces the title; its button brings back a fresh title.
    void contactLeadsBackToAFreshTitle() {
        QPointer<Form1> title = &Show<Form1>();
        click(title, "Command6");
        QVERIFY(title.isNull());
        Form12* contact = Loaded<Form12>();
        QVERIFY(contact && contact->isVisible());
        QVERIFY(contact->windowTitle().startsWith(QStringLiteral("Quillmar v1.0.0")));
        click(contact, "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form1"});
    }

    // The closing window, too, has one button that leads to the title.
    void closingWindowLeadsToTheTitle() {
        Form10& closing = Show<Form10>();
        QVERIFY(closing.windowTitle().startsWith(QStringLiteral("Quillmar v1.0.0")));
        click(&closing, "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form1"});
    }

    // Quit ends the program at once, with every window closed.
    void quitEndsTheProgram() {
        ScriptedDialogs dialogs;
        Form1& title = Show<Form1>();
        click(&title, "Command3");
        click(&title, "Command5");
        QVERIFY(FormRegistry::loadedForms().isEmpty());
        QCOMPARE(dialogs.quitRequests, 1);
        QVERIFY(dialogs.messages.isEmpty());
    }

    // Close boxes: the title's ends the program; the others act as their own way out.
    void closeBoxesTakeEachWindowsOwnWayOut() {
        {
            ScriptedDialogs dialogs;
            pressCloseBox(&Show<Form1>());
            QCOMPARE(dialogs.quitRequests, 1);
            QVERIFY(FormRegistry::loadedForms().isEmpty());
        }
        Show<Form1>();
        pressCloseBox(&Show<frmAbout>());
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        unloadEverything();
        pressCloseBox(&Show<Form9>());
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        unloadEverything();
        pressCloseBox(&Show<Form10>());
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        unloadEverything();
        pressCloseBox(&Show<Form12>());
        QCOMPARE(visibleForms(), QStringList{"Form1"});
    }

    // Every window carries the game's icon.
    void everyWindowCarriesTheGameIcon() {
        const QImage icon = graForm1::instance().icon().pixmap(32, 32).toImage();
        const QList<GameForm*> windows = {&Load<Form1>(), &Load<Form9>(), &Load<Form10>(),
                                          &Load<Form12>(), &Load<frmAbout>()};
        for (GameForm* window : windows)
            QCOMPARE(window->windowIcon().pixmap(32, 32).toImage(), icon);
    }
};

QTEST_MAIN(TitleFlowTest)
#include "TitleFlowTest.moc"
