#include "ui/ListBox.h"

#include "ui/ListRowDelegate.h"

namespace rk {

ListBox::ListBox(QWidget* parent) : QListView(parent)
{
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

void ListBox::AddItem(std::string_view utf8) { model_.append(utf8); }

void ListBox::AddItem(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    model_.append(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void ListBox::Clear() { model_.clear(); }

int ListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace rk
