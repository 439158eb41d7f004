#include "forms/Form1.h"
#include "forms/Form9.h"
#include "forms/frmAbout.h"
#include "menus/HelpPages.h"
#include "support/FormTest.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

QString shownText(QWidget* help) {
    return control<QPlainTextEdit>(help, "Text1")->toPlainText();
}

QString page(int number) {
    return QString::fromStdString(helpPageText(number));
}

// Which of the four page buttons can be pressed, as "1010" for pages 1 and 3.
QString enabledPages(QWidget* help) {
    QString marks;
    for (const char* name : {"Page1", "Page2", "Page3", "Page4"})
        marks += control<QPushButton>(help, name)->isEnabled() ? '1' : '0';
    return marks;
}

} // namespace

class HelpAboutTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // Help replaces the title and opens on page 1 with its button disabled.
    void helpOpensOnTheFirstPage() {
        click(&Show<Form1>(), "Command4");
        Form9* help = Loaded<Form9>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(Loaded<Form1>(), nullptr);
        QCOMPARE(shownText(help), page(1));
        QCOMPARE(enabledPages(help), QStringLiteral("0111"));
        QVERIFY(shownText(help).startsWith(QString(10, ' ') + "Starting a Game"));
    }

    // Each page button shows its page and becomes the disabled one; page 1 comes back exactly
    // as it was at opening.
    void pageButtonsSwitchPages() {
        Form9& help = Show<Form9>();
        click(&help, "Page3");
        QCOMPARE(shownText(&help), page(3));
        QCOMPARE(enabledPages(&help), QStringLiteral("1101"));
        click(&help, "Page4");
        QCOMPARE(shownText(&help), page(4));
        QVERIFY(shownText(&help).contains(QStringLiteral(" Techniques, ")));
        QCOMPARE(enabledPages(&help), QStringLiteral("1110"));
        click(&help, "Page2");
        QCOMPARE(shownText(&help), page(2));
        QCOMPARE(enabledPages(&help), QStringLiteral("1011"));
        click(&help, "Page1");
        QCOMPARE(shownText(&help), page(1));
        QCOMPARE(enabledPages(&help), QStringLiteral("0111"));
    }

    // The page buttons carry the page headings; the window can be resized and nothing moves.
    void helpLayoutHoldsWhenResized() {
        Form9& help = Show<Form9>();
        QCOMPARE(control<QPushButton>(&help, "Page2")->text(),
                 QStringLiteral("Loading a Saved Game and Saving a Game"));
        const QRect done = control<QPushButton>(&help, "Command5")->geometry();
        QCOMPARE(done, QRect(400, 288, 89, 33));
        QVERIFY(help.maximumWidth() > help.width());
        help.resize(700, 500);
        QCOMPARE(control<QPushButton>(&help, "Command5")->geometry(), done);
    }

    // "Done" from any page leads back to a fresh title.
    void doneLeadsBackToAFreshTitle() {
        Form9& help = Show<Form9>();
        click(&help, "Page4");
        click(&help, "Command5");
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        QVERIFY(control<QPushButton>(Loaded<Form1>(), "Command4")->isEnabled());
    }

    // The about box shows the game's name, version and description with its own caption.
    void aboutBoxShowsItsTexts() {
        frmAbout& about = Show<frmAbout>();
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quillmar v1.0.0"));
        QCOMPARE(about.size(), QSize(382, 230));
        QCOMPARE(control<QLabel>(&about, "lblTitle")->text(), QStringLiteral("Quillmar"));
        QCOMPARE(control<QLabel>(&about, "lblVersion")->text(), QStringLiteral("Version: v1.0.0"));
        QCOMPARE(control<QLabel>(&about, "lblDescription")->text(),
                 QStringLiteral("Game Description: A roleplaying game in which you save the "
                                "world from the Evilons. "));
        QCOMPARE(control<QPushButton>(&about, "Command1")->geometry(), QRect(288, 176, 81, 25));
        QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }
};

QTEST_MAIN(HelpAboutTest)
#include "HelpAboutTest.moc"
