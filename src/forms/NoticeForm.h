#pragma once

#include "toolkit/GameForm.h"

// A window of our own words with one button that leads back to the title screen: the closing
// window after the final victory and the contact window share this shape.
class NoticeForm : public GameForm {
    Q_OBJECT
public:
    NoticeForm(const QString& heading, const QString& text, const QString& buttonCaption);

    void Command1_Click(); // back to the title

protected:
    void closeBoxPressed() override { Command1_Click(); }
};
