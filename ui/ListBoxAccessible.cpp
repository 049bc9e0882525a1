#include "ui/ListBoxAccessible.h"

#include "ui/ListBox.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace rk {
namespace {

class RowAccessible : public QAccessibleInterface {
public:
    RowAccessible(ListBox* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        switch (kind) {
        case QAccessible::Name: return index().data(Qt::DisplayRole).toString();
        case QAccessible::Description: return index().data(Qt::AccessibleDescriptionRole).toString();
        default: return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect shown = list_->visualRect(index()).intersected(list_->viewport()->rect());
        return shown.isEmpty() ? QRect() : QRect(list_->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = s.focusable = true;
        s.selected = list_->selectionModel()->isSelected(index());
        s.focused = list_->hasFocus() && list_->currentIndex() == index();
        s.invisible = rect().isEmpty();
        return s;
    }

private:
    QModelIndex index() const { return list_->model()->index(row_, 0); }

    QPointer<ListBox> list_;
    int row_;
};

class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(ListBox* list) : QAccessibleWidget(list, QAccessible::List)
    {
        // Rows change with the model; their interfaces are made again when asked for.
        QAbstractItemModel* model = list->model();
        connections_[0] = QObject::connect(model, &QAbstractItemModel::modelReset, [this] { forgetRows(); });
        connections_[1] = QObject::connect(model, &QAbstractItemModel::rowsRemoved, [this] { forgetRows(); });
    }
    ~ListAccessible() override
    {
        for (const QMetaObject::Connection& c : connections_)
            QObject::disconnect(c);
        forgetRows();
    }

    int childCount() const override { return list()->model()->rowCount(); }

    QAccessibleInterface* child(int row) const override
    {
        if (row < 0 || row >= childCount())
            return nullptr;
        auto found = rows_.find(row);
        if (found == rows_.end())
            found = rows_.emplace(row, QAccessible::registerAccessibleInterface(new RowAccessible(list(), row))).first;
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [row, id] : rows_)
            if (QAccessible::accessibleInterface(id) == child)
                return row;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }

private:
    ListBox* list() const { return static_cast<ListBox*>(widget()); }

    void forgetRows()
    {
        for (const auto& [row, id] : rows_)
            QAccessible::deleteAccessibleInterface(id);
        rows_.clear();
    }

    mutable std::map<int, QAccessible::Id> rows_;
    QMetaObject::Connection connections_[2];
};

} // namespace

QAccessibleInterface* listBoxAccessible(const QString&, QObject* object)
{
    auto* list = qobject_cast<ListBox*>(object);
    return list ? new ListAccessible(list) : nullptr;
}

} // namespace rk
