#include "forms/Form5.h"

#include "forms/Form1.h"
#include "forms/Form4.h"
#include "state/GameState.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

namespace {

// One key of the on-screen keyboard: its control number and the character it adds in each case.
struct Key {
    int number;
    char upper;
    char lower;
};

// The 36 keys in their order on screen, twelve to a row.
constexpr std::array<Key, 36> keyboard = [] {
    std::array<Key, 36> keys{};
    for (int letter = 0; letter < 26; ++letter)
        keys[std::size_t(letter)] = {2 + letter, char('A' + letter), char('a' + letter)};
    constexpr char uppers[] = "!@#$%^*()~";
    constexpr char lowers[] = "1234567890";
    constexpr int numbers[] = {28, 29, 31, 32, 33, 34, 35, 36, 37, 38};
    for (std::size_t sign = 0; sign < 10; ++sign)
        keys[26 + sign] = {numbers[sign], uppers[sign], lowers[sign]};
    return keys;
}();

} // namespace

Form5::Form5() : GameForm(GameCaption, 7185, 3735, Frame::Fixed) {
    addLabel(this, "Label1", "Enter Your Name.", {120, 120, 6975, 375});
    YouName = addLabel(this, "YouName", "Hero", {120, 720, 6975, 375});
    describe(YouName, QStringLiteral("Your name"));
    for (std::size_t index = 0; index < keyboard.size(); ++index) {
        const Key& key = keyboard[index];
        const int row = int(index) / 12;
        const int place = int(index) % 12;
        const QByteArray name = "Command" + QByteArray::number(key.number);
        keys_[index] = addButton(this, name.constData(), QString(QLatin1Char(key.upper)),
                                 {120 + 600 * place, 1320 + 600 * row, 375, 375});
        connect(keys_[index], &QPushButton::clicked, this, [this, index] { keyClicked(index); });
    }
    caseToggle_ = addButton(this, "Command40", "Lower Case", {1080, 3240, 1455, 375});
    auto* space = addButton(this, "Command39", "SPACE", {2640, 3240, 1455, 375});
    auto* startOver = addButton(this, "Command30", "Start Over", {4200, 3240, 1335, 375});
    auto* next = addButton(this, "Command1", "Continue", {5640, 3240, 1455, 375});
    for (int top : {600, 1200, 3000})
        addLine(this, 0, top, 7200, top);
    for (std::size_t index = 0; index < keyboard.size(); ++index) {
        const QString upper(QLatin1Char(keyboard[index].upper));
        const QString lower(QLatin1Char(keyboard[index].lower));
        const bool twoSigns = upper != lower.toUpper();
        keys_[index]->setToolTip(QStringLiteral("Key: ") +
                                 (twoSigns ? upper + QStringLiteral(" or ") + lower : upper));
    }
    space->setToolTip(QStringLiteral("Key: Space"));
    next->setToolTip(QStringLiteral("Key: Enter"));
    installEventFilter(this);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(this);
    connect(caseToggle_, &QPushButton::clicked, this, &Form5::Command40_Click);
    connect(space, &QPushButton::clicked, this, &Form5::Command39_Click);
    connect(startOver, &QPushButton::clicked, this, &Form5::Command30_Click);
    connect(next, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::Form_Load() {
    upperCase_ = true;
}

void Form5::keyClicked(std::size_t index) {
    const Key& key = keyboard[index];
    YouName->setText(YouName->text() + QLatin1Char(upperCase_ ? key.upper : key.lower));
}

void Form5::Command39_Click() {
    YouName->setText(YouName->text() + QLatin1Char(' '));
}

void Form5::Command30_Click() {
    YouName->setText(QString());
}

void Form5::Command40_Click() {
    upperCase_ = !upperCase_;
    showCase();
}

void Form5::showCase() {
    for (std::size_t index = 0; index < keyboard.size(); ++index) {
        const Key& key = keyboard[index];
        keys_[index]->setText(QString(QLatin1Char(upperCase_ ? key.upper : key.lower)));
    }
    caseToggle_->setText(upperCase_ ? QStringLiteral("Lower Case") : QStringLiteral("Upper Case"));
}

void Form5::Command1_Click() {
    theGame().YourName = YouName->text().toStdString();
    Show<Form4>();
    Unload<Form5>();
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && typed(static_cast<const QKeyEvent&>(*event)))
        return true;
    return GameForm::eventFilter(watched, event);
}

bool Form5::typed(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        Command1_Click();
        return true;
    }
    if (key.key() == Qt::Key_Backspace) {
        YouName->setText(YouName->text().chopped(std::min<qsizetype>(1, YouName->text().size())));
        return true;
    }
    const QString character = key.text();
    const auto addedByAKey = [&](const Key& each) {
        return character == QLatin1Char(each.upper) || character == QLatin1Char(each.lower);
    };
    if (character != QLatin1String(" ") &&
        std::none_of(keyboard.begin(), keyboard.end(), addedByAKey))
        return false;
    YouName->setText(YouName->text() + character);
    return true;
}

void Form5::closeBoxPressed() {
    Show<Form1>();
    Unload<Form5>();
}
