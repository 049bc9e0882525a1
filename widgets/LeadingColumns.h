#pragma once
// A table with columns of its own in front of another model's, each the
// same text in every row: tidy data repeats what a file's rows share, as
// the problem a comparison solved, so that every row stands on its own.
// The other model's rows and cells are read through, not copied.

#include <QAbstractTableModel>
#include <QList>
#include <QPair>
#include <QString>

namespace rk {

class LeadingColumns : public QAbstractTableModel {
    Q_OBJECT
public:
    // (heading, value) per leading column.
    LeadingColumns(const QAbstractItemModel& source, QList<QPair<QString, QString>> leading,
                   QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QAbstractItemModel& source_;
    QList<QPair<QString, QString>> leading_;
};

} // namespace rk
