#pragma once

#include "forms/NoticeForm.h"

// The contact window: how to reach the people who make the game.
class Form12 : public NoticeForm {
    Q_OBJECT
public:
    Form12();
};
