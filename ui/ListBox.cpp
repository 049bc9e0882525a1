#include "ui/ListBox.h"

#include "ui/ListRowDelegate.h"

#include <QAction>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QListView>

namespace rk {

void setUpListBox(QListView& list)
{
    list.setItemDelegate(new ListRowDelegate(&list));
    // Every row has one height, so the view places a row by arithmetic and a
    // million of them cost it no more than six.
    list.setUniformItemSizes(true);
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
