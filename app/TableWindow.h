#pragma once
// "Open as table…": the results in a window of their own, a real table
// with a column per quantity, the numbers in full and each run labelled,
// to copy or save as tidy data. It follows the list: runs made later
// appear, Ready empties it, and the errors' columns come and go with
// "Show errors".

#include <QWidget>

class QLabel;
class QTableView;

namespace rk {

class FileSaver;
class ResultsModel;
class RunTableModel;

class TableWindow : public QWidget {
    Q_OBJECT
public:
    TableWindow(ResultsModel& results, QWidget* parent);

    // The one table window of `owner`, made on first use, shown and raised.
    static TableWindow* open(QWidget& owner, ResultsModel& results);
    // A double-click on `heading` opens it, as the list's menu does.
    static void openOnDoubleClick(QWidget& heading, ResultsModel& results);

    QTableView& view() const { return *view_; }
    RunTableModel& model() const { return *model_; }

    // The selected rows, or every row when none is selected, as tab-separated tidy data.
    QString selectionText() const;

private:
    void copy();
    void save(char separator);
    void showRunOf(const QModelIndex& current);
    void openHeaderMenu(QPoint at);
    void fitColumns();

    ResultsModel& results_;
    RunTableModel* model_;
    QTableView* view_;
    QLabel* run_;
    FileSaver* saver_;
};

} // namespace rk
