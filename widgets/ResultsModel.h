#pragma once
// The results table as the rows of List1. A row's text is written when the
// view asks for it, and its explanation when it is hovered, asked for with
// Shift+F1 or read out.
//
// How far each row is from the truth comes from its run's closed form,
// evaluated for that row alone, or from a reference computed for the whole
// run when first needed and kept until Ready.

#include "core/ResultsTable.h"
#include "widgets/StepExplanation.h"

#include <QAbstractListModel>

#include <memory>
#include <optional>
#include <vector>

namespace rk {

class ResultsModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Runs append to the table; publishAppended then shows their lines.
    ResultsTable& table() { return table_; }
    const ResultsTable& table() const { return table_; }

    // Tells the view of the lines appended since it last heard: once per
    // run, not once per line, so a million lines cost one notice.
    void publishAppended();
    void clear();

    // With errors shown, each line gains a third column, its error y - y(x).
    void setShowErrors(bool show);
    bool showErrors() const { return showErrors_; }

    // Line `index`'s truth; none for a run without an equation, or while
    // its reference is being made, or, without `make`, not made yet.
    std::optional<RowTruth> truthAt(std::size_t index, bool make = true) const;
    // "exact" when every run that listed lines has a closed form, else "reference".
    QString truthHeading() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void showErrorsChanged(bool show);

private:
    // Makes the references that the shown errors need, outside any repaint:
    // a view paints its rows with what is made, and never waits on a dialog
    // in the middle of a paint.
    void makeReferencesForErrors();
    // The computed reference of run `runIndex`, made with a progress dialog
    // that shows when it takes longer than half a second and can cancel it.
    const ReferenceRun* computed(const RunSpan& run) const;

    ResultsTable table_;
    std::size_t published_ = 0;
    bool showErrors_ = false;
    // Per run; null until made. Made while events are processed, so a
    // Ready meanwhile is noticed by its generation and the result dropped.
    mutable std::vector<std::unique_ptr<const ReferenceRun>> references_;
    mutable std::vector<bool> making_;
    std::uint64_t generation_ = 0;
};

} // namespace rk
