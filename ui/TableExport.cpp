#include "ui/TableExport.h"

#include "ui/ListBox.h"

#include <QIODevice>

#include <string>
#include <string_view>

namespace rk {
namespace {

// A listed line is the x text, four spaces and the y text.
constexpr std::string_view kGap = "    ";

// The listed texts are ASCII: digits, a sign and a point.
void add(QString& out, std::string_view part) { out.append(QLatin1StringView(part.data(), static_cast<qsizetype>(part.size()))); }
void add(std::string& out, std::string_view part) { out.append(part); }

// Appends the line's two texts joined by `separator`, and a line end.
template <typename Text>
void appendRow(Text& out, std::string_view line, std::string_view separator)
{
    const std::size_t gap = line.find(kGap);
    add(out, line.substr(0, gap));
    add(out, separator);
    add(out, gap == std::string_view::npos ? std::string_view() : line.substr(gap + kGap.size()));
    add(out, "\n");
}

} // namespace

QString tableText(const ListBox& table)
{
    const std::size_t lines = table.count();
    QString text;
    // One allocation for the usual table, whose last x is its widest.
    if (lines > 0) {
        const auto last = table.item(lines - 1);
        text.reserve(static_cast<qsizetype>((std::string_view(last).size() + 1) * (lines + 1)));
    }
    text.append(QLatin1StringView("x\ty\n"));
    for (std::size_t i = 0; i < lines; ++i) {
        const auto line = table.item(i);
        appendRow(text, std::string_view(line), "\t");
    }
    return text;
}

bool writeTableCsv(const ListBox& table, QIODevice& device)
{
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece;
    piece.reserve(kPiece + 256);
    const auto put = [&device, &piece] {
        // A disk that fills up part way takes part of a write without an
        // error; writing the rest then fails and says why.
        std::string_view left(piece);
        for (qint64 written = 0; !left.empty(); left.remove_prefix(static_cast<std::size_t>(written))) {
            written = device.write(left.data(), static_cast<qint64>(left.size()));
            if (written <= 0)
                return false;
        }
        piece.clear();
        return true;
    };
    piece.append("x,y\n");
    const std::size_t lines = table.count();
    for (std::size_t i = 0; i < lines; ++i) {
        const auto line = table.item(i);
        appendRow(piece, std::string_view(line), ",");
        if (piece.size() >= kPiece && !put())
            return false;
    }
    return put();
}

} // namespace rk
