#pragma once
// List1's menu: the results table to the clipboard or into a CSV file, and
// whether each line shows its error against the exact solution. It
// opens with the right mouse button, the Menu key or Shift+F10; Ctrl+C in
// the table copies the selected line.

#include <QObject>
#include <QPoint>

#include <optional>

class QAction;
class QListView;
class QMenu;

namespace rk {

class FileSaver;
class ResultsModel;
class ResultsTable;
struct TruthColumns;

class TableMenu : public QObject {
    Q_OBJECT
public:
    // `list` shows `results`.
    TableMenu(QListView& list, ResultsModel& results, FileSaver& saver);

private:
    void open(QPoint global);
    void fitRows();
    QPoint keyboardPoint() const;
    void copyLine();
    void copyTable();
    void saveTable();
    // The errors' columns for a copy or a file while they are shown.
    std::optional<TruthColumns> truthColumns() const;

    QListView& list_;
    ResultsModel& results_;
    const ResultsTable& table_;
    FileSaver& saver_;
    QMenu* menu_;
    QAction* copyLine_;
    QAction* copyTable_;
    QAction* saveTable_;
    QAction* openTable_;
    QAction* showErrors_;
};

} // namespace rk
