#include "ui/LineListModel.h"

#include "ui/QtText.h"

#include <algorithm>
#include <climits>

namespace rk {

LineListModel::LineListModel(QObject* parent)
    : QAbstractListModel(parent), lines_(std::make_unique<TextLines>())
{
}

void LineListModel::setLines(std::unique_ptr<LineSource> lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    published_ = 0;
    endResetModel();
    publishAppended();
}

void LineListModel::clear()
{
    beginResetModel();
    lines_->clear();
    published_ = 0;
    endResetModel();
}

void LineListModel::publishAppended()
{
    // A view counts rows in int; lines past that stay stored but unseen.
    const std::size_t visible = std::min<std::size_t>(lines_->count(), INT_MAX);
    if (visible <= published_)
        return;
    beginInsertRows(QModelIndex(), static_cast<int>(published_), static_cast<int>(visible - 1));
    published_ = visible;
    endInsertRows();
}

int LineListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(published_);
}

QVariant LineListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return toQString(lines_->line(static_cast<std::size_t>(index.row())));
}

} // namespace rk
