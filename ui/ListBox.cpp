#include "ui/ListBox.h"

#include "ui/ListRowDelegate.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>

namespace rk {

ListBox::ListBox(QWidget* parent) : QListView(parent)
{
    auto texts = std::make_unique<TextLines>();
    texts_ = texts.get();
    model_.setLines(std::move(texts));
    setModel(&model_);
    setItemDelegate(new ListRowDelegate(this));
    // Uniform rows let the view place a million lines without measuring each.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    QListView::keyPressEvent(event);
}

int ListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace rk
