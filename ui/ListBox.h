#pragma once
// An unsorted, single-selection list of lines.
//
// Every row is as high as the list's font, so the view places a row by
// arithmetic: it keeps nothing per row, and a million lines cost it no
// more than six. It scrolls by whole rows and shows only rows that fit
// whole, as a list box snaps to its rows; the strip below the last whole
// row shows the list's background.

#include "ui/LineListModel.h"

#include <QAbstractItemView>

#include <memory>
#include <string>
#include <string_view>

namespace rk {

class ListBox : public QAbstractItemView {
    Q_OBJECT
public:
    // A list of texts, filled with AddItem.
    explicit ListBox(QWidget* parent = nullptr);

    // Shows lines kept elsewhere, such as a results table; the list box
    // owns them. Their appender calls linesAppended when it is done.
    void setLines(std::unique_ptr<LineSource> lines);
    void linesAppended();
    // Explains a row on hovering, on Shift+F1 and to screen readers.
    void setExplanation(LineListModel::Explanation explain) { model_.setExplanation(std::move(explain)); }

    // Appends a text at the end of a list of texts.
    void AddItem(std::string_view utf8);
    void Clear();
    // 0-based index of the selected item, -1 when none is selected.
    int ListIndex() const;

    const LineSource& lines() const { return model_.lines(); }
    std::size_t count() const { return lines().count(); }
    std::string item(std::size_t index) const { return lines().line(index); }

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

signals:
    // The user picked an item, or left none selected, by mouse or keyboard.
    void Click();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void reset() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int rowHeight() const;
    int firstRow() const;
    // Rows that fit whole in the viewport; at least one.
    int wholeRows() const;
    int rowCount() const { return model_.rowCount(); }

    LineListModel model_;
    TextLines* texts_ = nullptr; // the lines, while they are texts
};

} // namespace rk
