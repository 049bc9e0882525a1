#include "ui/ListBox.h"

#include "ui/ListRowDelegate.h"

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

int ListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace rk
