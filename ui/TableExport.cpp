#include "ui/TableExport.h"

#include "ui/LineSource.h"

#include <QIODevice>

#include <algorithm>
#include <string>
#include <string_view>

namespace rk {
namespace {

// A listed line is the x text, four spaces and the y text.
constexpr std::string_view kGap = "    ";

// Hands `put` the line's two texts joined by `separator`, and a line end.
template <typename Put>
void putRow(std::string_view line, std::string_view separator, Put&& put)
{
    const std::size_t gap = line.find(kGap);
    put(line.substr(0, gap));
    put(separator);
    put(gap == std::string_view::npos ? std::string_view() : line.substr(gap + kGap.size()));
    put(std::string_view("\n"));
}

} // namespace

QString tableText(const LineSource& table)
{
    const std::size_t lines = table.count();
    // Written straight into the text's own characters: appending piece by
    // piece would be the slow part of copying a million lines. The listed
    // texts are ASCII (digits, a sign, a point), one character to the byte.
    qsizetype estimate = 4;
    if (lines > 0) {
        const std::string last = table.line(lines - 1); // the widest x, as a rule
        estimate += static_cast<qsizetype>((last.size() + 1 - kGap.size() + 1) * lines);
    }
    QString text(estimate, Qt::Uninitialized);
    qsizetype used = 0;
    const auto put = [&text, &used](std::string_view part) {
        const qsizetype size = static_cast<qsizetype>(part.size());
        if (used + size > text.size())
            text.resize(std::max(2 * text.size(), used + size));
        std::copy(part.begin(), part.end(), reinterpret_cast<char16_t*>(text.data()) + used);
        used += size;
    };
    put("x\ty\n");
    for (std::size_t i = 0; i < lines; ++i) {
        putRow(table.line(i), "\t", put);
    }
    text.truncate(used);
    text.squeeze();
    return text;
}

bool writeTableCsv(const LineSource& table, QIODevice& device)
{
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece;
    piece.reserve(kPiece + 256);
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
    const auto put = [&piece](std::string_view part) { piece.append(part); };
    put("x,y\n");
    for (std::size_t i = 0; i < table.count(); ++i) {
        putRow(table.line(i), ",", put);
        if (piece.size() >= kPiece && !flush())
            return false;
    }
    return flush();
}

} // namespace rk
