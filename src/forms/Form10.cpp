#include "forms/Form10.h"

Form10::Form10()
    : NoticeForm(QStringLiteral("Congratulations!"),
                 QStringLiteral("The Leader of the Bandits has fallen, and the people of Farmin "
                                "can sleep in peace again. Your name will be told in every inn "
                                "of the land.\n\nThank you for playing Quillmar."),
                 QStringLiteral("Back to Title")) {}
