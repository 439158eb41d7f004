#include "forms/NoticeForm.h"

#include "forms/Form1.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Widgets.h"

#include <QLabel>

NoticeForm::NoticeForm(const QString& heading, const QString& text, const QString& buttonCaption)
    : GameForm(GameCaption, 6000, 3600, Frame::Fixed) {
    auto* title = addLabel(this, "Label1", heading, {240, 240, 5520, 600});
    title->setFont(layoutFont(FontFamily::Sans, 16, true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* body = addLabel(this, "Label2", text, {360, 960, 5280, 1800});
    body->setFont(layoutFont(FontFamily::Sans, 10));
    auto* back = addButton(this, "Command1", buttonCaption, {2160, 3000, 1680, 375});
    back->setDefault(true);
    connect(back, &QPushButton::clicked, this, &NoticeForm::Command1_Click);
}

void NoticeForm::Command1_Click() {
    Show<Form1>();
    FormRegistry::unload(objectName());
}
