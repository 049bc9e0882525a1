#include "widgets/TableExport.h"

#include "core/ResultsTable.h"

#include <QIODevice>

#include <string>

namespace rk {
namespace {

// The line's x and y as the list writes them, joined by `separator`, and a
// line end: ASCII only (digits, a sign, a point).
template <typename Put>
void putRow(const ResultsTable& table, std::size_t index, std::string_view separator, Put&& put)
{
    char line[ResultsTable::kLineBufferSize + 1];
    std::size_t length = table.writeLine(index, line, separator);
    line[length++] = '\n';
    put(std::string_view(line, length));
}

} // namespace

QString tableText(const ResultsTable& table)
{
    std::string text = "x\ty\n";
    // The widest x, as a rule, is the last; reserving for it spares the
    // copies of growing a million lines' worth of text.
    if (const std::size_t lines = table.count())
        text.reserve(text.size() + (table.line(lines - 1).size() - 2) * lines);
    for (std::size_t i = 0; i < table.count(); ++i)
        putRow(table, i, "\t", [&text](std::string_view part) { text.append(part); });
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool writeTableCsv(const ResultsTable& table, QIODevice& device)
{
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece = "x,y\n";
    piece.reserve(kPiece + ResultsTable::kLineBufferSize);
    const auto flush = [&device, &piece] {
        // A disk that fills up part way takes part of a write without an
        // error; writing the rest then fails and says why.
        std::string_view left(piece);
        while (!left.empty()) {
            const qint64 written = device.write(left.data(), static_cast<qint64>(left.size()));
            if (written <= 0)
                return false;
            left.remove_prefix(static_cast<std::size_t>(written));
        }
        piece.clear();
        return true;
    };
    for (std::size_t i = 0; i < table.count(); ++i) {
        putRow(table, i, ",", [&piece](std::string_view part) { piece.append(part); });
        if (piece.size() >= kPiece && !flush())
            return false;
    }
    return flush();
}

} // namespace rk
