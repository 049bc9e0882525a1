#include "widgets/HintBubble.h"

#include <QAccessible>
#include <QToolTip>

namespace rk {

HintBubble::HintBubble(QWidget* window) : QLabel(window, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName("HintBubble");
    // Looks like the toolkit's tooltips, and takes no focus from the box.
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    setWordWrap(true);
    setAttribute(Qt::WA_ShowWithoutActivating);
    hide_.setSingleShot(true);
    connect(&hide_, &QTimer::timeout, this, &QWidget::hide);
}

void HintBubble::showAt(QWidget& control, const QString& text)
{
    if (text.isEmpty()) {
        hide();
        return;
    }
    setText(text);
    setAccessibleName(text);
    setFixedWidth(std::max(control.width(), 260));
    adjustSize();
    move(control.mapToGlobal(QPoint(0, control.height() + 2)));
    show();
    raise();
    hide_.start(kShownMs);
    // A screen reader says it as the box the focus left cannot.
    QAccessibleEvent said(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&said);
}

} // namespace rk
