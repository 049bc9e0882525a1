#include "widgets/TidyExport.h"

#include "core/Catalogue.h"
#include "core/FormatFixed.h"
#include "core/ReferenceSolution.h"
#include "core/ResultsTable.h"
#include "widgets/StepExplanation.h"
#include "widgets/TableExport.h"

#include <QIODevice>

#include <charconv>
#include <string>
#include <string_view>

namespace rk {
namespace {

void putShortest(std::string& out, double d)
{
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, d).ptr);
}

std::string header(char separator, const TidyTruth* truth)
{
    std::string text;
    for (const char* name : {"run", "equation", "method", "h", "x1", "y1", "i", "x", "y"})
        text.append(text.empty() ? "" : std::string(1, separator)).append(name);
    if (truth)
        text.append(1, separator)
            .append(truth->heading.toStdString())
            .append(1, separator)
            .append("error")
            .append(1, separator)
            .append("relative error");
    return text + '\n';
}

// What every row of a run starts with: run, equation, method, h, x1, y1.
std::string runCells(const ResultsTable& table, std::size_t runIndex, char separator)
{
    const RunSpan run = table.run(runIndex);
    const Equation& equation = *run.equation;
    const std::string text =
        equation.number == 0 ? std::string()
        : equation.own       ? equation.own->listText()
                             : std::string(kEquationTexts[static_cast<std::size_t>(equation.number - 1)]);
    std::string cells = std::to_string(runIndex + 1);
    cells.append(1, separator).append(tidyCell(QString::fromStdString(text), separator).toStdString());
    cells.append(1, separator).append(methodInfo(run.method, run.ownMethod).name);
    cells.append(1, separator);
    putShortest(cells, run.h);
    cells.append(1, separator);
    putShortest(cells, run.x1);
    cells.append(1, separator);
    putShortest(cells, run.y1);
    cells.append(1, separator);
    return cells;
}

// Rows of one run in turn share its first cells, made once per run.
class RowWriter {
public:
    RowWriter(const ResultsTable& table, char separator, const TidyTruth* truth)
        : table_(table), separator_(separator), truth_(truth)
    {
    }

    void append(std::string& out, std::size_t line)
    {
        const std::size_t run = table_.runIndexOf(line);
        if (run != run_) {
            run_ = run;
            runCells_ = runCells(table_, run, separator_);
        }
        const TableRow row = table_.row(line);
        out.append(runCells_).append(std::to_string(row.pass)).append(1, separator_);
        char buffer[kFormatBufferSize];
        out.append(buffer, formatFixed(row.x, xDecimals(row.h), buffer)).append(1, separator_);
        putShortest(out, row.y);
        if (truth_) {
            out.append(1, separator_);
            if (const auto value = truth_->valueAt(line)) {
                putShortest(out, *value);
                out.append(1, separator_).append(errorText(row.y - *value)).append(1, separator_);
                if (const auto relative = relativeError(row.y, *value))
                    out.append(errorText(*relative));
            } else {
                out.append(2, separator_);
            }
        }
        out.push_back('\n');
    }

private:
    const ResultsTable& table_;
    const char separator_;
    const TidyTruth* truth_;
    std::size_t run_ = static_cast<std::size_t>(-1);
    std::string runCells_;
};

} // namespace

QString tidyCell(const QString& text, char separator)
{
    if (!(text.contains(QLatin1Char(separator)) || text.contains('"') || text.contains('\n') || text.contains('\r')))
        return text;
    QString quoted = text;
    quoted.replace('"', QStringLiteral("\"\""));
    return '"' + quoted + '"';
}

QString tidyText(const ResultsTable& table, char separator, const TidyTruth* truth,
                 const std::vector<std::size_t>& lines)
{
    std::string text = header(separator, truth);
    RowWriter writer(table, separator, truth);
    for (const std::size_t line : lines)
        writer.append(text, line);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool writeTidy(const ResultsTable& table, QIODevice& device, char separator, const TidyTruth* truth)
{
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece = header(separator, truth);
    piece.reserve(2 * kPiece);
    RowWriter writer(table, separator, truth);
    for (std::size_t line = 0; line < table.count(); ++line) {
        writer.append(piece, line);
        if (piece.size() >= kPiece) {
            if (!writeAll(device, piece))
                return false;
            piece.clear();
        }
    }
    return writeAll(device, piece);
}

} // namespace rk
