#pragma once
// A list of choices whose right button opens a menu without choosing. The
// toolkit's lists select the row under any button; for the equation list
// that would pick another equation on the way to its menu, and keep it
// picked after the menu is cancelled.

#include <QListWidget>

namespace rk {

class ChoiceList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};

} // namespace rk
