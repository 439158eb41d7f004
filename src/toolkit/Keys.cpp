#include "toolkit/Keys.h"

#include <QPushButton>
#include <QShortcut>

void bindKeys(QPushButton* button, std::initializer_list<QKeySequence> keys,
              const QString& keyNames) {
    for (const QKeySequence& key : keys) {
        // Tied to the button, the key is live only while the button is shown in the active
        // window; a disabled button ignores it as it ignores the mouse.
        auto* shortcut = new QShortcut(key, button);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    }
    button->setToolTip(QStringLiteral("Key: %1").arg(keyNames));
}
