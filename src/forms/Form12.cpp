#include "forms/Form12.h"

Form12::Form12()
    : NoticeForm(QStringLiteral("Lantern Oak Studio"),
                 QStringLiteral("Quillmar is made by Lantern Oak Studio, a small team of "
                                "friends who love old-fashioned role-playing games.\n\n"
                                "Found a bug, stuck in the bandits' cave, or have an idea for "
                                "the game? Write to us through the project's issue tracker: "
                                "we read every report."),
                 QStringLiteral("Back to Title")) {}
