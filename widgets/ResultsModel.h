#pragma once
// The results table as the rows of List1. A row's text is written when the
// view asks for it, and its explanation when it is hovered, asked for with
// Shift+F1 or read out.

#include "core/ResultsTable.h"

#include <QAbstractListModel>

namespace rk {

class ResultsModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Runs append to the table; publishAppended then shows their lines.
    ResultsTable& table() { return table_; }
    const ResultsTable& table() const { return table_; }

    // Tells the view of the lines appended since it last heard: once per
    // run, not once per line, so a million lines cost one notice.
    void publishAppended();
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    ResultsTable table_;
    std::size_t published_ = 0;
};

} // namespace rk
