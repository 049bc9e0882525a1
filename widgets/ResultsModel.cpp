#include "widgets/ResultsModel.h"

#include "core/ExactSolution.h"
#include "core/RungeKuttaStep.h"
#include "widgets/QtText.h"

#include <QProgressDialog>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>

namespace rk {

void ResultsModel::publishAppended()
{
    // A view counts rows in int; lines past that stay stored but unseen.
    const std::size_t visible = std::min<std::size_t>(table_.count(), INT_MAX);
    if (visible <= published_)
        return;
    beginInsertRows(QModelIndex(), static_cast<int>(published_), static_cast<int>(visible - 1));
    published_ = visible;
    endInsertRows();
    if (showErrors_)
        makeReferencesForErrors();
}

void ResultsModel::makeReferencesForErrors()
{
    const std::uint64_t generation = generation_;
    for (std::size_t r = 0; r < table_.runCount() && generation == generation_; ++r) {
        const RunSpan run = table_.run(r);
        if (run.lines > 0 && run.equation->number != 0 && !ClosedForm::of(run.equation->number, run.x1, run.y1))
            computed(run);
    }
    if (published_ > 0 && generation == generation_)
        emit dataChanged(index(0), index(static_cast<int>(published_ - 1)), {Qt::DisplayRole});
}

void ResultsModel::clear()
{
    beginResetModel();
    table_.clear();
    published_ = 0;
    references_.clear();
    making_.clear();
    ++generation_;
    endResetModel();
}

void ResultsModel::setShowErrors(bool show)
{
    if (show == showErrors_)
        return;
    showErrors_ = show;
    if (show)
        makeReferencesForErrors();
    else if (published_ > 0)
        emit dataChanged(index(0), index(static_cast<int>(published_ - 1)), {Qt::DisplayRole});
    emit showErrorsChanged(show);
}

const ReferenceRun* ResultsModel::computed(const RunSpan& run) const
{
    if (references_.size() < table_.runCount()) {
        references_.resize(table_.runCount());
        making_.resize(table_.runCount());
    }
    if (references_[run.index])
        return references_[run.index].get();
    // A repaint while the reference is being made asks again: it waits.
    if (making_[run.index])
        return nullptr;
    making_[run.index] = true;

    const auto rows = static_cast<std::int64_t>(run.lines);
    QProgressDialog progress(tr("Computing the reference solution…"), tr("Cancel"), 0,
                             static_cast<int>(std::min<std::int64_t>(rows, INT_MAX)),
                             qobject_cast<QWidget*>(QObject::parent()));
    progress.setObjectName("ReferenceProgress");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    std::atomic<bool> cancel{false};
    const std::uint64_t generation = generation_;
    const ReferenceControl control{&cancel, [&](std::int64_t done) {
                                       // A modal dialog's setValue lets the events in.
                                       progress.setValue(static_cast<int>(std::min<std::int64_t>(done, INT_MAX)));
                                       if (progress.wasCanceled() || generation != generation_)
                                           cancel = true;
                                   }};
    auto made = std::make_unique<const ReferenceRun>(
        referenceSolution(*run.equation, run.x1, run.y1, run.h, rows, control));
    if (generation != generation_)
        return nullptr; // Ready came meanwhile: the run is gone
    making_[run.index] = false;
    references_[run.index] = std::move(made);
    return references_[run.index].get();
}

std::optional<RowTruth> ResultsModel::truthAt(std::size_t index, bool make) const
{
    const TableRow row = table_.row(index);
    if (row.equation == 0)
        return std::nullopt;
    const RunSpan run = table_.run(table_.runIndexOf(index));
    RowTruth truth;
    if (const auto form = ClosedForm::of(row.equation, run.x1, run.y1)) {
        // One evaluation: a closed form needs nothing of the rows before.
        truth.formula = form->text();
        if (const double value = (*form)(row.x); std::isfinite(value))
            truth.value = value;
        else {
            truth.stop = ReferenceStop::NotFinite;
            truth.stoppedAt = row.x;
        }
        return truth;
    }
    const bool made = run.index < references_.size() && references_[run.index];
    const ReferenceRun* reference = make || made ? computed(run) : nullptr;
    if (!reference)
        return std::nullopt;
    truth.kind = reference->kind;
    truth.accuracy = reference->accuracy;
    truth.stop = reference->stop;
    truth.stoppedAt = reference->stoppedAt;
    if (const std::size_t i = index - run.firstLine; i < reference->values.size())
        truth.value = reference->values[i];
    return truth;
}

QString ResultsModel::truthHeading() const
{
    for (std::size_t r = 0; r < table_.runCount(); ++r) {
        const RunSpan run = table_.run(r);
        if (run.lines > 0 && !ClosedForm::of(run.equation->number, run.x1, run.y1))
            return QStringLiteral("reference");
    }
    return QStringLiteral("exact");
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(published_);
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        QString line = toQString(table_.line(row));
        if (!showErrors_)
            return line;
        // A row past its reference's stop, or without one, has a dash.
        const auto truth = truthAt(row, false);
        return line + QLatin1String("    ") +
               (truth && truth->value ? errorText(table_.row(row).y - *truth->value) : QStringLiteral("—"));
    }
    case Qt::ToolTipRole:
    case Qt::WhatsThisRole:
    case Qt::AccessibleDescriptionRole:
        return explainStep(table_, row, truthAt(row));
    default:
        return {};
    }
}

} // namespace rk
