#include "ui/ListBox.h"

#include "ui/ListBoxAccessible.h"
#include "ui/ListRowDelegate.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace rk {

ListBox::ListBox(QWidget* parent) : QAbstractItemView(parent)
{
    static const bool readable = (QAccessible::installFactory(listBoxAccessible), true);
    (void)readable;
    // The model starts with a list of texts of its own.
    texts_ = static_cast<TextLines*>(&model_.lines());
    setModel(&model_);
    setItemDelegate(new ListRowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit Click(); });
}

void ListBox::setLines(std::unique_ptr<LineSource> lines)
{
    texts_ = nullptr;
    model_.setLines(std::move(lines));
}

void ListBox::linesAppended() { model_.publishAppended(); }

void ListBox::AddItem(std::string_view utf8)
{
    if (!texts_)
        return;
    texts_->append(utf8);
    model_.publishAppended();
}

void ListBox::Clear() { model_.clear(); }

void ListBox::keyPressEvent(QKeyEvent* event)
{
    // The toolkit's Shift+F1 would explain the list as a whole; a row that
    // has an explanation of its own is explained instead: the selected one,
    // else the one with the focus.
    if (event->key() == Qt::Key_F1 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
        const QModelIndexList selected = selectionModel()->selectedIndexes();
        const QModelIndex row = selected.isEmpty() ? currentIndex() : selected.first();
        if (row.data(Qt::WhatsThisRole).isValid()) {
            scrollTo(row);
            const QPoint at = visualRect(row).center();
            QHelpEvent help(QEvent::WhatsThis, at, viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(viewport(), &help);
            return;
        }
    }
    QAbstractItemView::keyPressEvent(event);
}

void ListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
}

int ListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int ListBox::rowHeight() const { return std::max(1, ListRowDelegate::rowHeight(font())); }

int ListBox::firstRow() const { return verticalScrollBar()->value(); }

int ListBox::wholeRows() const { return std::max(1, viewport()->height() / rowHeight()); }

QRect ListBox::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != &model_)
        return {};
    return QRect(0, (index.row() - firstRow()) * rowHeight(), viewport()->width(), rowHeight());
}

QModelIndex ListBox::indexAt(const QPoint& point) const
{
    if (point.y() < 0 || point.x() < 0 || point.x() >= viewport()->width())
        return {};
    const int shown = point.y() / rowHeight();
    const int row = firstRow() + shown;
    // A row that does not fit whole is not shown, so nothing is under the point.
    if (shown >= wholeRows() || row >= rowCount())
        return {};
    return model_.index(row, 0);
}

void ListBox::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    const int shown = wholeRows();
    int first = firstRow();
    switch (hint) {
    case PositionAtTop: first = row; break;
    case PositionAtBottom: first = row - shown + 1; break;
    case PositionAtCenter: first = row - shown / 2; break;
    case EnsureVisible:
        if (row < first)
            first = row;
        else if (row >= first + shown)
            first = row - shown + 1;
        break;
    }
    verticalScrollBar()->setValue(first);
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model_.index(0, 0);
    int row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious: --row; break;
    case MoveDown:
    case MoveNext: ++row; break;
    case MovePageUp: row -= wholeRows(); break;
    case MovePageDown: row += wholeRows(); break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = rows - 1; break;
    case MoveLeft:
    case MoveRight: break;
    }
    return model_.index(std::clamp(row, 0, rows - 1), 0);
}

int ListBox::verticalOffset() const { return firstRow() * rowHeight(); }

void ListBox::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect area = rect.normalized();
    const int height = rowHeight();
    const int top = firstRow() + std::max(0, area.top()) / height;
    const int bottom = std::min({firstRow() + std::max(0, area.bottom()) / height, firstRow() + wholeRows() - 1,
                                 rowCount() - 1});
    if (top > bottom) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(model_.index(top, 0), model_.index(bottom, 0)), command);
}

QRegion ListBox::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const QRect top = visualRect(model_.index(range.top(), 0));
        const QRect bottom = visualRect(model_.index(range.bottom(), 0));
        region += top.united(bottom).intersected(viewport()->rect());
    }
    return region;
}

void ListBox::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    QStyleOptionViewItem base;
    initViewItemOption(&base);
    const QModelIndex current = currentIndex();
    const bool focus = hasFocus() && current.isValid();
    const int last = std::min(rowCount(), firstRow() + wholeRows());
    for (int row = firstRow(); row < last; ++row) {
        const QModelIndex index = model_.index(row, 0);
        QStyleOptionViewItem option = base;
        option.rect = visualRect(index);
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focus && index == current)
            option.state |= QStyle::State_HasFocus;
        option.palette.setCurrentColorGroup(isEnabled() ? QPalette::Normal : QPalette::Disabled);
        itemDelegate()->paint(&painter, option, index);
    }
}

void ListBox::updateGeometries()
{
    const int shown = wholeRows();
    verticalScrollBar()->setRange(0, std::max(0, rowCount() - shown));
    verticalScrollBar()->setPageStep(shown);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

void ListBox::scrollContentsBy(int, int) { viewport()->update(); }

void ListBox::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

void ListBox::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    viewport()->update();
}

void ListBox::reset()
{
    QAbstractItemView::reset();
    updateGeometries();
    viewport()->update();
}

} // namespace rk
