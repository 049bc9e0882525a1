#pragma once
// An unsorted, single-selection list of text lines.

#include "ui/LineListModel.h"
#include "ui/Sinks.h"

#include <QListView>

namespace rk {

class ListBox : public QListView, public LineSink {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // Appends at the end.
    void AddItem(std::string_view utf8) override;
    void AddItem(const QString& text);
    void Clear();
    // 0-based index of the selected item, -1 when none is selected.
    int ListIndex() const;

    std::size_t count() const { return model_.count(); }
    std::string_view item(std::size_t index) const { return model_.line(index); }

protected:
    bool event(QEvent* event) override;

signals:
    // The user picked an item, or left none selected, by mouse or keyboard.
    void Click();

private:
    // Ends the viewport after the last row that fits whole; the strip below
    // it shows only the list's background.
    void fitWholeRows();

    LineListModel model_;
};

} // namespace rk
