#include "widgets/ListBox.h"

#include "widgets/ListRowDelegate.h"

#include <QAction>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QListView>

namespace rk {

void setUpListBox(QListView& list)
{
    list.setItemDelegate(new ListRowDelegate(&list));
    // Every row has one height. With uniform sizes alone the view still asks
    // the model for each row's index as it lays the rows out, about a
    // twentieth of a long run's time end to end; a grid one row high lets it
    // step down the rows by arithmetic. The grid's width plays no part in a
    // list of one column.
    list.setUniformItemSizes(true);
    list.setGridSize(QSize(1, ListRowDelegate::rowHeight(list.font())));
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int ListIndex(const QAbstractItemView& list)
{
    const QModelIndexList selected = list.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void explainRowsOnShiftF1(QAbstractItemView& list)
{
    auto* explain = new QAction(&list);
    explain->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    explain->setShortcutContext(Qt::WidgetShortcut);
    list.addAction(explain);
    QObject::connect(explain, &QAction::triggered, &list, [&list] {
        const QModelIndexList selected = list.selectionModel()->selectedIndexes();
        const QModelIndex row = selected.isEmpty() ? list.currentIndex() : selected.first();
        if (!row.data(Qt::WhatsThisRole).isValid())
            return;
        list.scrollTo(row);
        const QPoint at = list.visualRect(row).center();
        QHelpEvent help(QEvent::WhatsThis, at, list.viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(list.viewport(), &help);
    });
}

} // namespace rk
