#pragma once
// The rows of a list box, read from its lines when the view asks for them.

#include "ui/LineSource.h"

#include <QAbstractListModel>

#include <cstddef>
#include <functional>
#include <memory>

namespace rk {

class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Starts with an empty list of texts (TextLines).
    explicit LineListModel(QObject* parent = nullptr);

    // Shows `lines` from now on, in place of what was shown before.
    void setLines(std::unique_ptr<LineSource> lines);
    LineSource& lines() const { return *lines_; }

    // What a row means beyond its text, built when it is asked for: shown
    // on hovering, on Shift+F1 and read by screen readers.
    using Explanation = std::function<QString(std::size_t row)>;
    void setExplanation(Explanation explain) { explain_ = std::move(explain); }

    // Tells the view of the lines appended since it last heard: once per
    // batch, not once per line, so a million lines cost one notice.
    void publishAppended();
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::unique_ptr<LineSource> lines_;
    Explanation explain_;
    std::size_t published_ = 0;
};

} // namespace rk
