#include "widgets/ResultsModel.h"

#include "widgets/StepExplanation.h"
#include "widgets/QtText.h"

#include <algorithm>
#include <climits>

namespace rk {

void ResultsModel::publishAppended()
{
    // A view counts rows in int; lines past that stay stored but unseen.
    const std::size_t visible = std::min<std::size_t>(table_.count(), INT_MAX);
    if (visible <= published_)
        return;
    beginInsertRows(QModelIndex(), static_cast<int>(published_), static_cast<int>(visible - 1));
    published_ = visible;
    endInsertRows();
}

void ResultsModel::clear()
{
    beginResetModel();
    table_.clear();
    published_ = 0;
    endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(published_);
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return toQString(table_.line(row));
    case Qt::ToolTipRole:
    case Qt::WhatsThisRole:
    case Qt::AccessibleDescriptionRole:
        return explainStep(table_, row);
    default:
        return {};
    }
}

} // namespace rk
