#include "forms/Form9.h"

#include "forms/Form1.h"
#include "items/HelpPages.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Keys.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"

#include <QPlainTextEdit>

Form9::Form9() : GameForm(GameCaption, 7380, 4965, Frame::Sizable) {
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFont(layoutFont(FontFamily::Sans, 12));
    describe(Text1, QStringLiteral("Help page"));
    place(Text1, {120, 120, 7095, 3975});

    pageButtons_ = {
        addButton(this, "Page1", "Starting a Game and the Controls", {120, 4320, 1335, 495}),
        addButton(this, "Page2", "Loading a Saved Game and Saving a Game", {1560, 4320, 1335, 495}),
        addButton(this, "Page3", "The Story", {3000, 4320, 1335, 495}),
        addButton(this, "Page4", "Combat", {4440, 4320, 1335, 495}),
    };
    pageButtons_[0]->setFont(layoutFont(FontFamily::Serif, 8.25));
    pageButtons_[1]->setFont(layoutFont(FontFamily::Serif, 6));
    auto* done = addButton(this, "Command5", "Done", {6000, 4320, 1335, 495});

    addLine(this, 0, 4200, 5880, 4200);
    addLine(this, 0, 4200, 0, 4800);
    addLine(this, 5880, 4200, 5880, 4800);

    connect(pageButtons_[0], &QPushButton::clicked, this, &Form9::Page1_Click);
    connect(pageButtons_[1], &QPushButton::clicked, this, &Form9::Page2_Click);
    connect(pageButtons_[2], &QPushButton::clicked, this, &Form9::Page3_Click);
    connect(pageButtons_[3], &QPushButton::clicked, this, &Form9::Page4_Click);
    bindKeys(done, {Qt::Key_Escape}, QStringLiteral("Escape"));
    connect(done, &QPushButton::clicked, this, &Form9::Command5_Click);
}

void Form9::Form_Load() {
    showPage(1);
}

void Form9::showPage(int page) {
    for (int each = 1; each <= HelpPageCount; ++each)
        pageButtons_[std::size_t(each - 1)]->setEnabled(each != page);
    Text1->setPlainText(text(helpPageText(page)));
}

void Form9::Command5_Click() {
    Show<Form1>();
    Unload<Form9>();
}
