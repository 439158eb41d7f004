#include "forms/Form1.h"
#include "forms/Form10.h"
#include "forms/Form12.h"
#include "forms/Form9.h"
#include "forms/Startup.h"
#include "forms/frmAbout.h"
#include "forms/graForm1.h"
#include "menus/HelpPages.h"
#include "support/FormTest.h"

#include <QPlainTextEdit>
#include <QPointer>

// The title's six ways on, and the help, about, contact and closing windows it leads to.
class TitleFlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // The title is a fixed window whose Tab order follows the button numbers, not the screen.
    void titleOffersSixButtonsInTheirTabOrder() {
        Form1& title = Show<Form1>();
        QVERIFY(title.windowTitle().startsWith(QStringLiteral("Quillmar v1.0.0")));
        QCOMPARE(title.minimumSize(), title.maximumSize());
        QStringList order;
        QWidget* widget = control<QPushButton>(&title, "Command1");
        for (int i = 0; i < 6; ++i, widget = widget->nextInFocusChain())
            order << static_cast<QPushButton*>(widget)->text();
        QCOMPARE(order,
                 (QStringList{"New Game", "Load Game", "About", "Help", "Quit", "Contact Us"}));
    }

    // About twice shows one box over the title, with its own texts; "Ok" leaves the title.
    void aboutTwiceShowsOneBoxAndOkLeavesTheTitle() {
        QPointer<Form1> title = &Show<Form1>();
        click(title, "Command3");
        QPointer<frmAbout> box = Loaded<frmAbout>();
        click(title, "Command3");
        QCOMPARE(Loaded<frmAbout>(), box.data());
        QCOMPARE(visibleForms(), (QStringList{"Form1", "frmAbout"}));
        QCOMPARE(box->windowTitle(), QStringLiteral("About Quillmar v1.0.0"));
        QVERIFY(!box->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QCOMPARE(captions(box, {"lblTitle", "lblVersion", "lblDescription"}),
                 QStringLiteral("Quillmar|Version: v1.0.0|Game Description: A roleplaying game "
                                "in which you save the world from the Evilons. "));
        click(box, "Command1");
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

    // Help opens on page 1; each page button shows its page and is the one disabled.
    void helpPageButtonsSwitchPagesAndDoneLeadsBack() {
        click(&Show<Form1>(), "Command4");
        Form9* help = Loaded<Form9>();
        QCOMPARE(visibleForms(), QStringList{"Form9"});
        const auto shownPage = [help](int page) {
            return control<QPlainTextEdit>(help, "Text1")->toPlainText() ==
                       QString::fromStdString(helpPageText(page)) &&
                   enabledMarks(help, {"Page1", "Page2", "Page3", "Page4"}) ==
                       QString("1111").replace(page - 1, 1, '0');
        };
        QVERIFY(shownPage(1));
        for (const int page : {3, 4, 2, 1}) {
            click(help, qPrintable(QStringLiteral("Page%1").arg(page)));
            QVERIFY2(shownPage(page), qPrintable(QString::number(page)));
        }
        QCOMPARE(control<QPushButton>(help, "Page2")->text(),
                 QStringLiteral("Loading a Saved Game and Saving a Game"));
        click(help, "Page4");
        click(help, "Command5");
        QCOMPARE(visibleForms(), QStringList{"Form1"});
    }

    // Contact Us replaces the title, and its button brings back a fresh one.
    void contactLeadsBackToAFreshTitle() {
        QPointer<Form1> title = &Show<Form1>();
        click(title, "Command6");
        QVERIFY(title.isNull());
        QCOMPARE(visibleForms(), QStringList{"Form12"});
        click(Loaded<Form12>(), "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form1"});
    }

    // Every window carries the game's icon, which the program sets before its first window.
    void everyWindowCarriesTheGameIcon() {
        prepareApplication();
        const QImage icon = graForm1::instance().icon().pixmap(32, 32).toImage();
        QCOMPARE(Load<Form10>().windowIcon().pixmap(32, 32).toImage(), icon);
    }
};

QTEST_MAIN(TitleFlowTest)
#include "TitleFlowTest.moc"
