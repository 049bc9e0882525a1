#include "widgets/ContextMenuKeys.h"

#include <QAction>
#include <QWidget>

namespace rk {

void openMenuOnKeys(QWidget& control, const std::function<void()>& open)
{
    auto* keys = new QAction(&control);
    keys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    keys->setShortcutContext(Qt::WidgetShortcut);
    control.addAction(keys);
    QObject::connect(keys, &QAction::triggered, &control, open);
}

} // namespace rk
