#pragma once
// List1's menu: the results table to the clipboard or into a CSV file. It
// opens with the right mouse button, the Menu key or Shift+F10; Ctrl+C in
// the table copies the selected line.

#include <QObject>
#include <QPoint>

class QAction;
class QListView;
class QMenu;

namespace rk {

class FileSaver;
class ResultsTable;

class TableMenu : public QObject {
    Q_OBJECT
public:
    // `list` shows `table`.
    TableMenu(QListView& list, const ResultsTable& table, FileSaver& saver);

private:
    void open(QPoint global);
    QPoint keyboardPoint() const;
    void copyLine();
    void copyTable();
    void saveTable();

    QListView& list_;
    const ResultsTable& table_;
    FileSaver& saver_;
    QMenu* menu_;
    QAction* copyLine_;
    QAction* copyTable_;
    QAction* saveTable_;
};

} // namespace rk
