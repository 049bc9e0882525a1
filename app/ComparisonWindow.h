#pragma once
// "Compare steps and methods": one problem integrated by each method at a
// ladder of steps h, shown as a table, a log-log chart of the errors and a
// sentence per method. The work runs on a worker thread; the main window
// stays usable, and closing this one cancels it.

#include "core/Comparison.h"
#include "core/Solve.h"

#include <QFutureWatcher>
#include <QWidget>

#include <atomic>
#include <memory>

class QAbstractItemModel;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace rk {

class ComparisonTableModel;
class FileSaver;

class ComparisonWindow : public QWidget {
    Q_OBJECT
public:
    struct Setup {
        ComparisonProblem problem;
        QString equationText; // as the equation list shows it
        bool chosen = true;   // false: no equation was selected, so this is the first
    };
    // The problem of the main window's values: its selected equation, or the
    // first; its confirmed start and end, x2 = x1 + 1 where x2 is not to the
    // right of x1, and (0, 1) to 1 when nothing is confirmed.
    static Setup setupFrom(const FormValues& values, const QString& selectedText);

    ComparisonWindow(const Setup& setup, QWidget* parent);
    // One window over `owner` at a time: made the first time, then set to
    // `setup` and brought back to the front.
    static ComparisonWindow& showOver(QWidget& owner, const Setup& setup);
    ~ComparisonWindow() override;

    void setSetup(const Setup& setup);
    bool busy() const;
    void cancel();

    const Comparison& comparison() const { return comparison_; }
    ComparisonTableModel& table() const { return *model_; }
    // The chart, or a line saying why it could not be loaded.
    QWidget& chart() const { return *chart_; }
    QLabel& sentence() const { return *sentence_; }
    FileSaver& saver() const { return *saver_; }

signals:
    void computed(); // the table, chart and sentence show a finished comparison

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void start();
    void present(const Comparison& comparison);
    void widen(int larger, int smaller);
    std::unique_ptr<QAbstractItemModel> tidyTable() const;
    void copyTable();
    void saveTable(char separator);
    void saveChart();

    Setup setup_;
    int larger_ = 0, smaller_ = 0; // doublings above and halvings below the default steps
    Comparison comparison_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    QFutureWatcher<Comparison>* watcher_ = nullptr;
    // Until its result is shown: the watcher's future may be done before then.
    bool busy_ = false;

    QLabel* problem_;
    QLabel* choice_;
    QLabel* range_;
    QPushButton* largerButton_;
    QPushButton* smallerButton_;
    QProgressBar* progress_;
    QPushButton* cancelButton_;
    QTableView* view_;
    ComparisonTableModel* model_;
    QWidget* chart_;
    bool chartLoaded_;
    QLabel* sentence_;
    FileSaver* saver_;
};

} // namespace rk
