#include "widgets/RunTableModel.h"

#include "core/Catalogue.h"
#include "core/ReferenceSolution.h"
#include "core/Solve.h"
#include "widgets/MessageNumbers.h"
#include "widgets/MethodNames.h"
#include "widgets/QtText.h"
#include "widgets/ResultsModel.h"
#include "widgets/StepExplanation.h"

#include <algorithm>

namespace rk {
namespace {

constexpr int kFixedColumns = 4; // run, i, x, y

QString equationText(const Equation& equation)
{
    // A typed equation may be a thousand characters long; a label shows its start.
    constexpr qsizetype kLongest = 80;
    if (equation.number == 0)
        return RunTableModel::tr("no equation");
    QString text = toQString(equation.own ? equation.own->listText()
                                          : std::string(kEquationTexts[static_cast<std::size_t>(equation.number - 1)]));
    if (text.size() > kLongest)
        text = text.left(kLongest - 1) + QChar(0x2026);
    return text;
}

QString fixedX(double x, double h)
{
    char buffer[kFormatBufferSize];
    return QString::fromLatin1(buffer, static_cast<qsizetype>(formatFixed(x, xDecimals(h), buffer)));
}

double stage(const Stages& s, int k)
{
    return s.k[static_cast<std::size_t>(k)];
}

} // namespace

QString runEndsShort(const RunSpan& run)
{
    const bool completed = run.lines > 0 && static_cast<std::int64_t>(run.lines) == run.lastPass + 1;
    if (!completed || countsAsWhole(run.n))
        return {};
    const double last = abscissa(run.x1, run.lastPass, run.h);
    //: %1 is the last x, %2 the x2 asked for, %3 the step h, %4 the span x2 − x1.
    return RunTableModel::tr("ends at x = %1, before x2 = %2: h = %3 does not divide %4")
        .arg(shortest(last), shortest(run.x2), shortest(run.h), shortest(run.x2 - run.x1));
}

QString runDescription(const ResultsTable& table, std::size_t runIndex)
{
    const RunSpan run = table.run(runIndex);
    //: %1 the run's number, %2 its equation, %3 its method, %4 the step, %5 x1, %6 y1, %7 x2.
    QString text = RunTableModel::tr("Run %1: %2, %3, h = %4, from (%5, %6) to x2 = %7")
                       .arg(QString::number(runIndex + 1), equationText(*run.equation), methodName(methodInfo(run.method, run.ownMethod)),
                            shortest(run.h), shortest(run.x1), shortest(run.y1), shortest(run.x2));
    if (const QString end = runEndsShort(run); !end.isEmpty())
        text += '\n' + end;
    return text;
}

RunTableModel::RunTableModel(ResultsModel& results, QObject* parent)
    : QAbstractTableModel(parent), results_(results), rows_(results.rowCount()), showErrors_(results.showErrors()),
      stages_(mostStages())
{
    // The list's model tells of its rows as it publishes them; this table
    // has the same rows, so it passes each notice on.
    connect(&results, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex&, int first, int last) { beginInsertRows({}, first, last); });
    connect(&results, &QAbstractItemModel::rowsInserted, this, [this] {
        rows_ = results_.rowCount();
        endInsertRows();
        if (mostStages() != stages_)
            reshape();
    });
    connect(&results, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&results, &QAbstractItemModel::modelReset, this, [this] {
        rows_ = results_.rowCount();
        stages_ = mostStages();
        stagesRow_ = std::numeric_limits<std::size_t>::max();
        endResetModel();
    });
    // A reference made or cancelled changes the truth columns.
    connect(&results, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
        if (truthColumns() > 0)
            emit dataChanged(index(from.row(), kFixedColumns), index(to.row(), kFixedColumns + truthColumns() - 1));
    });
    connect(&results, &ResultsModel::showErrorsChanged, this, [this] { reshape(); });
}

int RunTableModel::mostStages() const
{
    const ResultsTable& table = results_.table();
    int most = 0;
    for (std::size_t r = 0; r < table.runCount(); ++r)
        most = std::max(most, methodInfo(table.run(r).method, table.run(r).ownMethod).stages());
    return most;
}

void RunTableModel::reshape()
{
    beginResetModel();
    showErrors_ = results_.showErrors();
    stages_ = mostStages();
    endResetModel();
}

void RunTableModel::setShowStages(bool show)
{
    if (show == showStages_)
        return;
    beginResetModel();
    showStages_ = show;
    endResetModel();
}

int RunTableModel::truthColumns() const { return showErrors_ ? 3 : 0; }

RunTableModel::Column RunTableModel::kind(int column) const
{
    if (column < kFixedColumns)
        return static_cast<Column>(column);
    if (column < kFixedColumns + truthColumns())
        return static_cast<Column>(static_cast<int>(Column::Truth) + column - kFixedColumns);
    return Column::Stage;
}

int RunTableModel::stageOf(int column) const { return column - kFixedColumns - truthColumns(); }

int RunTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RunTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kFixedColumns + truthColumns() + (showStages_ ? stages_ : 0);
}

QVariant RunTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (kind(section)) {
    case Column::Run: return tr("run");
    case Column::Pass: return QStringLiteral("i");
    case Column::X: return QStringLiteral("x");
    case Column::Y: return QStringLiteral("y");
    case Column::Truth: return results_.truthHeading() == QLatin1String("exact") ? tr("exact y") : tr("reference y");
    case Column::Error: return tr("error");
    case Column::RelativeError: return tr("relative error");
    case Column::Stage: return QStringLiteral("k%1").arg(stageOf(section) + 1);
    }
    return {};
}

QVariant RunTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_ || index.column() >= columnCount())
        return {};
    const auto line = static_cast<std::size_t>(index.row());
    const ResultsTable& table = results_.table();
    const Column column = kind(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role == Qt::ToolTipRole && column == Column::Run)
        return runDescription(table, table.runIndexOf(line));
    if (role != Qt::DisplayRole)
        return {};

    const TableRow row = table.row(line);
    switch (column) {
    case Column::Run: return QString::number(table.runIndexOf(line) + 1);
    case Column::Pass: return QString::number(row.pass);
    case Column::X: return fixedX(row.x, row.h);
    case Column::Y: return shortest(row.y);
    case Column::Truth:
    case Column::Error:
    case Column::RelativeError: {
        // Made when the errors were switched on; a paint never waits for one.
        if (results_.computing(line))
            return ResultsModel::tr("computing…");
        const auto truth = results_.truthAt(line);
        if (!truth || !truth->value)
            return QStringLiteral("—");
        if (column == Column::Truth)
            return shortest(*truth->value);
        if (column == Column::Error)
            return toQString(errorText(row.y - *truth->value));
        const auto relative = relativeError(row.y, *truth->value);
        return relative ? toQString(errorText(*relative)) : QString();
    }
    case Column::Stage: {
        const int k = stageOf(index.column());
        if (k >= methodInfo(row.method, row.ownMethod).stages())
            return QString();
        if (stagesRow_ != line) {
            stagesOfRow_ = table.stepAt(line);
            stagesRow_ = line;
        }
        return shortest(stage(stagesOfRow_, k));
    }
    }
    return {};
}

} // namespace rk
