#pragma once

#include "toolkit/GameForm.h"

class QLabel;

// The story screen: the opening story before a new game, the words after a lost battle, or
// the closing story at the story's last stage.
class Form4 : public GameForm {
    Q_OBJECT
public:
    Form4();

    void Form_Load() override;
    void Command1_Click(); // OK

    // After a lost battle the screen tells that instead of the story.
    void tell(const QString& words);

protected:
    void closeBoxPressed() override { Command1_Click(); }

private:
    QLabel* Label;
};
