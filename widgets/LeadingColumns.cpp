#include "widgets/LeadingColumns.h"

namespace rk {

LeadingColumns::LeadingColumns(const QAbstractItemModel& source, QList<QPair<QString, QString>> leading,
                               QObject* parent)
    : QAbstractTableModel(parent), source_(source), leading_(std::move(leading))
{
}

int LeadingColumns::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : source_.rowCount(); }

int LeadingColumns::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(leading_.size()) + source_.columnCount();
}

QVariant LeadingColumns::data(const QModelIndex& index, int role) const
{
    const int own = static_cast<int>(leading_.size());
    if (!index.isValid() || index.column() >= own)
        return index.isValid() ? source_.index(index.row(), index.column() - own).data(role) : QVariant();
    return role == Qt::DisplayRole ? QVariant(leading_[index.column()].second) : QVariant();
}

QVariant LeadingColumns::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int own = static_cast<int>(leading_.size());
    if (orientation == Qt::Horizontal && section < own)
        return role == Qt::DisplayRole ? QVariant(leading_[section].first) : QVariant();
    return source_.headerData(orientation == Qt::Horizontal ? section - own : section, orientation, role);
}

} // namespace rk
