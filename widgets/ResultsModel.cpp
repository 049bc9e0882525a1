#include "widgets/ResultsModel.h"

#include "core/ExactSolution.h"
#include "widgets/QtText.h"

#include <QtConcurrent>

#include <algorithm>
#include <climits>
#include <cmath>

namespace rk {

ResultsModel::~ResultsModel() { stopMaking(); }

void ResultsModel::publishAppended()
{
    // A view counts rows in int; lines past that stay stored but unseen.
    const std::size_t visible = std::min<std::size_t>(table_.count(), INT_MAX);
    if (visible > published_) {
        beginInsertRows(QModelIndex(), static_cast<int>(published_), static_cast<int>(visible - 1));
        published_ = visible;
        endInsertRows();
    }
    // Every run is listed whole before it is published, so its reference
    // can be started at once.
    for (std::size_t r = references_.size(); r < table_.runCount(); ++r)
        if (needsComputed(r))
            waiting_.push_back(r);
    references_.resize(table_.runCount());
    makeNext();
}

bool ResultsModel::needsComputed(std::size_t runIndex) const
{
    const RunSpan run = table_.run(runIndex);
    return run.lines > 0 && run.equation->number != 0 && !ClosedForm::of(run.equation->number, run.x1, run.y1);
}

void ResultsModel::makeNext()
{
    if (watcher_ || waiting_.empty())
        return;
    making_ = waiting_.front();
    waiting_.pop_front();
    const RunSpan run = table_.run(making_);
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    watcher_ = new QFutureWatcher<ReferenceRun>(this);
    connect(watcher_, &QFutureWatcherBase::finished, this, &ResultsModel::takeMade);
    // The worker gets its own copies: the table may grow, or be cleared,
    // while it works.
    watcher_->setFuture(QtConcurrent::run([equation = *run.equation, x1 = run.x1, y1 = run.y1, h = run.h,
                                           rows = static_cast<std::int64_t>(run.lines), cancel = cancel_] {
        return referenceSolution(equation, x1, y1, h, rows, WorkControl{cancel.get(), {}});
    }));
}

void ResultsModel::takeMade()
{
    if (!watcher_)
        return;
    auto made = std::make_shared<const ReferenceRun>(watcher_->future().takeResult());
    watcher_->disconnect(this);
    watcher_->deleteLater();
    watcher_ = nullptr;
    cancel_.reset();
    references_[making_] = std::move(made);
    const RunSpan run = table_.run(making_);
    const std::size_t end = std::min(run.firstLine + run.lines, published_);
    if (run.firstLine < end)
        emit dataChanged(index(static_cast<int>(run.firstLine)), index(static_cast<int>(end - 1)));
    emit referenceMade();
    makeNext();
}

void ResultsModel::waitForReferences()
{
    while (watcher_) {
        watcher_->waitForFinished();
        takeMade();
    }
}

void ResultsModel::stopMaking()
{
    if (cancel_)
        *cancel_ = true;
    cancel_.reset();
    if (watcher_) {
        // The worker notices the flag within a few hundred slopes and its
        // result goes nowhere; nothing here waits for it.
        watcher_->disconnect(this);
        watcher_->deleteLater();
        watcher_ = nullptr;
    }
    waiting_.clear();
}

void ResultsModel::clear()
{
    beginResetModel();
    stopMaking();
    table_.clear();
    published_ = 0;
    references_.clear();
    endResetModel();
}

void ResultsModel::setShowErrors(bool show)
{
    if (show == showErrors_)
        return;
    showErrors_ = show;
    if (published_ > 0)
        emit dataChanged(index(0), index(static_cast<int>(published_ - 1)), {Qt::DisplayRole});
    emit showErrorsChanged(show);
}

std::optional<RowTruth> ResultsModel::truthAt(std::size_t index) const
{
    const TableRow row = table_.row(index);
    if (row.equation == 0)
        return std::nullopt;
    const std::size_t runIndex = table_.runIndexOf(index);
    const RunSpan run = table_.run(runIndex);
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
    const ReferenceRun* reference = runIndex < references_.size() ? references_[runIndex].get() : nullptr;
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

bool ResultsModel::computing(std::size_t index) const
{
    const std::size_t runIndex = table_.runIndexOf(index);
    const bool made = runIndex < references_.size() && references_[runIndex];
    return !made && needsComputed(runIndex);
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
        const auto truth = truthAt(row);
        const QString error = truth && truth->value ? toQString(errorText(table_.row(row).y - *truth->value))
                              : computing(row)      ? tr("computing…")
                                                    : QStringLiteral("—");
        return line + toQString(kLineSeparator) + error;
    }
    case Qt::ToolTipRole:
    case Qt::WhatsThisRole:
    case Qt::AccessibleDescriptionRole: {
        QString text = explainStep(table_, row, truthAt(row));
        if (computing(row))
            text += QLatin1Char('\n') + tr("computing…");
        return text;
    }
    default:
        return {};
    }
}

} // namespace rk
