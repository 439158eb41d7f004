#include "support/Scenario.h"

#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Startup.h"
#include "forms/graForm1.h"
#include "state/RulesTesting.h"
#include "state/SaveRecord.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"

#include <QApplication>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <utility>

namespace {

std::function<void()> afterEachClick;

// The game's figures and texts that steps may set or check, by name.
const QHash<QString, Integer GameState::*> figures = {
    {"StoryStage", &GameState::StoryStage}, {"YourLevel", &GameState::YourLevel},
    {"YourEX", &GameState::YourEX},         {"YourHP", &GameState::YourHP},
    {"YourTP", &GameState::YourTP},         {"YourAT", &GameState::YourAT},
    {"YourSE", &GameState::YourSE},         {"YourGold", &GameState::YourGold},
    {"NumBread", &GameState::NumBread},     {"NumLBread", &GameState::NumLBread},
    {"NumBomb", &GameState::NumBomb},       {"HasSlash", &GameState::HasSlash},
    {"HasStrike", &GameState::HasStrike},   {"StepsToFight", &GameState::StepsToFight}};
const QHash<QString, std::string GameState::*> texts = {{"YourName", &GameState::YourName},
                                                        {"Quadrant", &GameState::Quadrant},
                                                        {"Position", &GameState::Position}};

GameForm* form(const QString& name) {
    return FormRegistry::find(name);
}

// What follows the first `after` in a line; nothing when it is not there.
QString rest(const QString& line, const QString& after) {
    const qsizetype at = line.indexOf(after);
    return at < 0 ? QString() : line.mid(at + after.size());
}

QString differs(const QString& what, const QString& actual, const QString& expected) {
    return actual == expected ? QString() : what + " is \"" + actual + "\"";
}

// Clicks a button of a window with the mouse, as a player does.
QString pressed(QWidget* window, const QString& button) {
    auto* found =
        window && window->isVisible() ? control<QPushButton>(window, qPrintable(button)) : nullptr;
    if (!found)
        return "no " + button + " on show to press";
    QTest::mouseClick(found, Qt::LeftButton);
    settle();
    if (afterEachClick)
        afterEachClick();
    return {};
}

} // namespace

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

Scenario::Scenario() {
    unloadEverything();
    theGame() = GameState();
    setDialogProvider(this);
}

Scenario::~Scenario() {
    setDialogProvider(nullptr);
}

void Scenario::setAfterEachClick(std::function<void()> hook) {
    afterEachClick = std::move(hook);
}

void Scenario::message(QWidget*, const QString& text) {
    messages << text;
    if (!whileTold_.isEmpty())
        failedWhileTold_ = step(std::exchange(whileTold_, {}));
}

QString Scenario::answer(const QString& filter) {
    filter_ = filter;
    return std::exchange(answer_, {});
}

QString Scenario::play(const QStringList& steps) {
    for (qsizetype at = 0; at < steps.size(); ++at) {
        QString problem = step(steps[at]);
        if (problem.isEmpty())
            problem = std::exchange(failedWhileTold_, {});
        if (!problem.isEmpty())
            return QStringLiteral("step %1 \"%2\": %3").arg(at + 1).arg(steps[at], problem);
    }
    return {};
}

QString Scenario::step(const QString& line) {
    const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    const QStringList subject = line.section(u':', 0, 0).split(u' ', Qt::SkipEmptyParts);
    if (words.value(0) == QLatin1String("while")) {
        whileTold_ = rest(line, QStringLiteral("told: "));
        return {};
    }
    const bool checks = line.contains(u':') || words.contains(QStringLiteral("shows")) ||
                        QStringList{"shown", "ended", "gone", "same", "told"}.contains(words[0]);
    return checks ? check(subject, rest(line, QStringLiteral(": "))) : act(words, line);
}

QString Scenario::act(const QStringList& words, const QString& line) {
    const QString& verb = words[0];
    const QString& what = words.value(1);
    GameState& game = theGame();
    if (verb == QLatin1String("title"))
        Show<Form1>();
    else if (verb == QLatin1String("open"))
        showTitle(path(what));
    else if (verb == QLatin1String("hero"))
        game = heroAt(what.toStdString(), words.value(2).toStdString(),
                      words.value(3).toStdString(), Integer(words.value(4, "1").toInt()));
    else if (verb.startsWith(QLatin1String("game.")) && figures.contains(verb.mid(5)))
        game.*figures[verb.mid(5)] = Integer(words.value(2).toInt());
    else if (verb.startsWith(QLatin1String("game.")) && texts.contains(verb.mid(5)))
        game.*texts[verb.mid(5)] = rest(line, QStringLiteral(" = ")).toStdString();
    else if (verb == QLatin1String("play"))
        Show<Form2>();
    else if (verb == QLatin1String("battle")) {
        Show<Form2>();
        game.EnemyName = what.toStdString();
        Form3::open();
    } else if (verb == QLatin1String("close") && form(what)) {
        form(what)->close();
        settle();
    } else if ((verb == QLatin1String("press") || verb == QLatin1String("type")) && form(what)) {
        QApplication::setActiveWindow(form(what)); // keys go to the control with the focus
        const auto focus = [&]() -> QWidget* {
            QWidget* focused = form(what)->focusWidget();
            return focused ? focused : form(what);
        };
        for (const QString& key : verb == QLatin1String("type") ? QStringList() : words.mid(2))
            QTest::keySequence(focus(), QKeySequence(key));
        if (verb == QLatin1String("type"))
            QTest::keyClicks(focus(), rest(line, what + ' '));
        settle();
    } else if (verb == QLatin1String("walk"))
        return walk(rest(line, QStringLiteral("walk ")));
    else if (verb == QLatin1String("fight"))
        return fight();
    else if (verb == QLatin1String("train")) {
        for (int round = 0; game.YourLevel < 5; ++round)
            if (const QString problem = round < 200 ? walk("DU") : "not level 5";
                !problem.isEmpty())
                return problem;
    } else if (verb == QLatin1String("save") || verb == QLatin1String("load")) {
        answer_ = what.isEmpty() ? QString() : path(what);
        return verb == QLatin1String("save") ? pressed(form("Form2"), "Command1")
                                             : pressed(form("Form1"), "Command2");
    } else if (verb.count(u'.') == 1 && words.size() == 1)
        return pressed(form(verb.section(u'.', 0, 0)), verb.section(u'.', 1));
    else
        return QStringLiteral("no such step, or no such window");
    return {};
}

QString Scenario::check(const QStringList& subject, const QString& expected) {
    const QString& verb = subject.value(0);
    const QString& what = subject.value(1);
    if (verb == QLatin1String("shown"))
        return differs("shown", visibleForms().join(u' '), subject.mid(1).join(u' '));
    if (verb == QLatin1String("ended"))
        return quits > 0 && FormRegistry::loadedForms().isEmpty() ? QString() : "it runs on";
    if (verb == QLatin1String("gone"))
        return form(what) ? what + " is loaded" : QString();
    if (verb == QLatin1String("same")) {
        QWidget* before = std::exchange(same_, form(what));
        return !before || before == same_ ? QString() : what + " was loaded anew";
    }
    if (verb == QLatin1String("told"))
        return told(expected);
    if (verb == QLatin1String("filter"))
        return differs("the filter", filter_, expected);
    if (verb == QLatin1String("file"))
        return differs("the file", contents(path(what)), recordOf(theGame()));
    const QString name = verb.section(u'.', 1);
    if (verb.startsWith(QLatin1String("game.")))
        return differs(name,
                       figures.contains(name) ? QString::number(theGame().*figures[name])
                                              : text(theGame().*texts.value(name)),
                       expected);
    QWidget* window = form(verb.section(u'.', 0, 0));
    if (what == QLatin1String("enables")) {
        QString marks;
        for (const QString& button : subject.mid(2)) {
            auto* found = control<QPushButton>(window, qPrintable(button));
            marks += found && found->isEnabled() ? '1' : '0';
        }
        return differs("enabled", marks, expected);
    }
    if (what == QLatin1String("shows")) { // the very picture graForm1 holds, or none
        auto* box = control<PictureBox>(window, qPrintable(name));
        const bool none = subject.value(2) == QLatin1String("nothing");
        const QPixmap picture = none ? QPixmap() : graForm1::instance().picture(subject.value(2));
        return box && none == picture.isNull() && box->picture().cacheKey() == picture.cacheKey()
                   ? QString()
                   : QStringLiteral("another picture");
    }
    QWidget* shown = control(window, qPrintable(name));
    const char* property = qobject_cast<QPlainTextEdit*>(shown) ? "plainText" : "text";
    return differs("the caption", shown ? shown->property(property).toString() : QString(),
                   expected);
}

QString Scenario::walk(const QString& path) {
    const QString arrows = QString(path).remove(u' ');
    for (const QChar direction : arrows) {
        const qsizetype arrow = QStringLiteral("URLD").indexOf(direction);
        QString problem = pressed(form("Form2"), QStringLiteral("Command%1").arg(arrow + 3));
        if (problem.isEmpty() && form("Form3"))
            problem = fight();
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QString Scenario::fight() {
    for (int turn = 0; turn < 40 && form("Form3"); ++turn) {
        const bool won = control<QPushButton>(form("Form3"), "Command1")->isEnabled();
        pressed(form("Form3"), won ? "Command1" : "cmbAttack");
    }
    return form("Form3") || form("Form4") ? QStringLiteral("the battle was lost or never won")
                                          : QString();
}

QString Scenario::told(const QString& expected) {
    if (expected.isEmpty()) // "told nothing"
        return read_ == messages.size() ? QString() : "told " + messages[read_];
    if (read_ == messages.size())
        return QStringLiteral("told nothing");
    const QString message = messages[read_++];
    const bool matches =
        expected.startsWith(QLatin1String("...")) ? message.endsWith(expected.mid(3))
        : expected.endsWith(QLatin1String("...")) ? message.startsWith(expected.chopped(3))
                                                  : message == expected;
    return matches ? QString() : "told " + message;
}

GameState heroAt(const std::string& location, const std::string& quadrant,
                 const std::string& position, Integer storyStage) {
    GameState game = newHero("Ann");
    putHeroAt(game, {location, quadrant, position});
    game.StoryStage = storyStage;
    return game;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList everythingIn(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next().mid(folder.size() + 1);
    entries.sort();
    return entries;
}

QByteArray recordOf(const GameState& game) {
    return QByteArray::fromStdString(formatSaveRecord(game));
}

// Out to the townsman, west to the training center, up to its greeter to train beside him, out
// by the entrance to the cave; west along the straw, round the guard of the bottom left screen,
// up into the top left, east into the leader's hall and up to him. The story moves on at the
// townsman, the greeter and the leader.
constexpr char route[] =
    "title | Form1.Command1 | Form5.Command30 | Form5.Command2 | Form5.Command40 | "
    "Form5.Command15 | Form5.Command15 | Form5.Command1 | Form4.Command1 | "
    "told: ...Good Luck, Ann | walk DDDD L | Form2.Command8 | game.StoryStage: 2 | walk LL L | "
    "Form8.TrainingCenter | game.Position: x10y1 | walk UUUU | Form2.Command8 | "
    "game.StoryStage: 3 | train | game.YourAT: 19 | game.HasStrike: -1 | walk DDDD D | "
    "Form8.BanditsCave | walk UUUUU LLLLLLL L | game.Quadrant: Q3 | "
    "walk L DDDD LL UUUUUU LLLLL UU U | game.Quadrant: Q1 | walk U RR UU R UUUU RRR DDD RR R | "
    "game.Quadrant: Q2 | walk RRRR | game.Position: x6y5 | Form2.Command8 | game.StoryStage: 4 | "
    "fight | shown Form10 | gone Form2 | gone Form3 | Form10.Command1 | shown Form1";

const QStringList& winningRoute() {
    static const QStringList steps = QString::fromLatin1(route).split(QStringLiteral(" | "));
    return steps;
}
