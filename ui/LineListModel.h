#pragma once
// The items of a list box, held as one block of text plus offsets.
//
// A solution run may append a million lines in one go. Keeping them in one
// buffer costs a few bytes per line instead of a heap object per row, and
// the view hears of new rows once per batch, when control returns to the
// event loop, rather than once per line.

#include <QAbstractListModel>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rk {

class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LineListModel(QObject* parent = nullptr);

    void append(std::string_view utf8);
    void clear();

    // Every appended line, whether or not the view has heard of it yet.
    std::size_t count() const { return starts_.size(); }
    std::string_view line(std::size_t index) const;

    // Announces the lines appended since the last announcement.
    void publishPending();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::string text_;
    std::vector<std::size_t> starts_;
    std::size_t published_ = 0;
    bool publishQueued_ = false;
};

} // namespace rk
