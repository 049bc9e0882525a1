#pragma once
// The rows of a list box, read from its lines when the view asks for them.

#include "ui/LineSource.h"

#include <QAbstractListModel>

#include <cstddef>
#include <memory>

namespace rk {

class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LineListModel(QObject* parent = nullptr);

    // Shows `lines` from now on, in place of what was shown before.
    void setLines(std::unique_ptr<LineSource> lines);
    LineSource& lines() const { return *lines_; }

    // Tells the view of the lines appended since it last heard: once per
    // batch, not once per line, so a million lines cost one notice.
    void publishAppended();
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::unique_ptr<LineSource> lines_;
    std::size_t published_ = 0;
};

} // namespace rk
