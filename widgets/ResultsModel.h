#pragma once
// The results table as the rows of List1. A row's text is written when the
// view asks for it, and its explanation when it is hovered, asked for with
// Shift+F1 or read out.
//
// How far each row is from the truth comes from its run's closed form,
// evaluated for that row alone, or from a reference computed for the whole
// run on a worker thread as soon as the run is listed, kept until Ready.
// Asking for a row only reads what is made: a row whose reference is still
// being made says so, and changes when it is made.

#include "core/ResultsTable.h"
#include "widgets/StepExplanation.h"

#include <QAbstractListModel>
#include <QFutureWatcher>

#include <atomic>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace rk {

class ResultsModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    ~ResultsModel() override;

    // Runs append to the table; publishAppended then shows their lines.
    ResultsTable& table() { return table_; }
    const ResultsTable& table() const { return table_; }

    // Tells the view of the lines appended since it last heard: once per
    // run, not once per line, so a million lines cost one notice. Starts
    // making the new runs' references that have to be computed.
    void publishAppended();
    // Drops every line, and every reference made or being made.
    void clear();

    // With errors shown, each line gains a third column, its error y - y(x).
    void setShowErrors(bool show);
    bool showErrors() const { return showErrors_; }

    // Line `index`'s truth as far as it is made: none for a run without an
    // equation, or while its reference is being computed.
    std::optional<RowTruth> truthAt(std::size_t index) const;
    // Whether line `index`'s reference is still being computed.
    bool computing(std::size_t index) const;
    // Waits until every reference being made is made: for what needs them
    // all at once, as a copy of the table with its errors does.
    void waitForReferences();
    // "exact" when every run that listed lines has a closed form, else "reference".
    QString truthHeading() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    // A run's reference is made and its rows have changed.
    void referenceMade();
    void showErrorsChanged(bool show);

private:
    // Whether run `runIndex` is measured against a computed reference.
    bool needsComputed(std::size_t runIndex) const;
    void makeNext();
    void takeMade();
    void stopMaking();

    ResultsTable table_;
    std::size_t published_ = 0;
    bool showErrors_ = false;
    // Per run; null until made.
    std::vector<std::shared_ptr<const ReferenceRun>> references_;
    std::deque<std::size_t> waiting_; // runs whose reference is still to be started, in list order
    std::size_t making_ = 0;          // with watcher_: the run whose reference is being made
    QFutureWatcher<ReferenceRun>* watcher_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancel_;
};

} // namespace rk
