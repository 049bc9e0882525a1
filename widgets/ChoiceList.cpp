#include "widgets/ChoiceList.h"

#include <QMouseEvent>

namespace rk {

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    if (event && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) &&
        static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton)
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

} // namespace rk
