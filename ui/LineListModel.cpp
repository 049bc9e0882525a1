#include "ui/LineListModel.h"

#include "ui/QtText.h"

#include <algorithm>
#include <climits>

namespace rk {

LineListModel::LineListModel(QObject* parent) : QAbstractListModel(parent) {}

void LineListModel::append(std::string_view utf8)
{
    starts_.push_back(text_.size());
    text_.append(utf8);
    if (!publishQueued_) {
        publishQueued_ = true;
        QMetaObject::invokeMethod(this, &LineListModel::publishPending, Qt::QueuedConnection);
    }
}

void LineListModel::clear()
{
    beginResetModel();
    text_.clear();
    starts_.clear();
    published_ = 0;
    endResetModel();
}

std::string_view LineListModel::line(std::size_t index) const
{
    const std::size_t begin = starts_.at(index);
    const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
    return std::string_view(text_).substr(begin, end - begin);
}

void LineListModel::publishPending()
{
    publishQueued_ = false;
    // A view counts rows in int; lines past that stay stored but unseen.
    const std::size_t visible = std::min<std::size_t>(starts_.size(), INT_MAX);
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
    return toQString(line(static_cast<std::size_t>(index.row())));
}

} // namespace rk
