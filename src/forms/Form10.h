#pragma once

#include "forms/NoticeForm.h"

// The closing window, shown when the leader of the bandits has been beaten.
class Form10 : public NoticeForm {
    Q_OBJECT
public:
    Form10();
};
