#pragma once
// The results as a table a teacher can check: one row per listed line, with
// its run, its pass i, x as the list writes it and y in full, and, while the
// errors are shown, the exact or reference y, the error and the relative
// error; the step's stages k1 ... on request. Every cell is written from the
// results table when a view asks for it; nothing of the lines is copied.
//
// "In full" is the shortest text that reads back as the same double, so
// that y - exact worked out from the texts gives the error column.

#include "core/ResultsTable.h"

#include <QAbstractTableModel>

#include <cstddef>
#include <limits>

namespace rk {

class ResultsModel;

// A run in a line of words: its number, equation, method, step, start and
// end; and, where the step does not divide x2 - x1, where it ends instead.
// "Run 2: y' = - y, Runge–Kutta, h = 0.055, from (0, 1) to x2 = 1
//  ends at x = 0.99, before x2 = 1: h = 0.055 does not divide 1"
QString runDescription(const ResultsTable& table, std::size_t runIndex);
// The second line of that alone, empty where the run reaches x2 or stopped.
QString runEndsShort(const RunSpan& run);

class RunTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Column { Run, Pass, X, Y, Truth, Error, RelativeError, Stage };

    explicit RunTableModel(ResultsModel& results, QObject* parent = nullptr);

    const ResultsModel& results() const { return results_; }
    Column kind(int column) const;
    // For a Stage column, 0 for k1.
    int stageOf(int column) const;

    void setShowStages(bool show);
    bool showStages() const { return showStages_; }
    // The most stages a step of any run takes: 4 once a Runge-Kutta run is listed.
    int stageCount() const { return stages_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int truthColumns() const;
    int mostStages() const;
    void reshape(); // columns follow the errors and the stages

    ResultsModel& results_;
    int rows_ = 0;
    bool showErrors_ = false;
    bool showStages_ = false;
    int stages_ = 0;
    // A row's stages are worked out once for all its stage columns.
    mutable std::size_t stagesRow_ = std::numeric_limits<std::size_t>::max();
    mutable Stages stagesOfRow_{};
};

} // namespace rk
