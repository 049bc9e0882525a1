#pragma once
// An unsorted, single-selection list of lines.

#include "ui/LineListModel.h"

#include <QListView>

#include <memory>
#include <string>
#include <string_view>

namespace rk {

class ListBox : public QListView {
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

    std::size_t count() const { return model_.lines().count(); }
    std::string item(std::size_t index) const { return model_.lines().line(index); }

signals:
    // The user picked an item, or left none selected, by mouse or keyboard.
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    LineListModel model_;
    TextLines* texts_ = nullptr; // the lines, while they are texts
};

} // namespace rk
