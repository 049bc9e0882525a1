#include "widgets/TableExport.h"

#include "core/ResultsTable.h"

#include <QAbstractItemModel>
#include <QIODevice>

#include <string>
#include <string_view>

namespace rk {
namespace {

// The line's x and y as the list writes them, joined by `separator`, and a
// line end: ASCII only (digits, a sign, a point).
template <typename Put>
void putRow(const ResultsTable& table, std::size_t index, std::string_view separator, const TruthColumns* truth,
            Put&& put)
{
    char line[kLineBufferSize + 1];
    std::size_t length = table.writeLine(index, line, separator);
    if (truth) {
        put(std::string_view(line, length));
        std::string more;
        more.append(separator);
        if (const auto value = truth->valueAt(index)) {
            more.append(valueText(*value)).append(separator);
            more.append(errorText(table.row(index).y - *value));
        } else {
            more.append(separator);
        }
        more.push_back('\n');
        put(std::string_view(more));
        return;
    }
    line[length++] = '\n';
    put(std::string_view(line, length));
}

std::string header(char separator, const TruthColumns* truth)
{
    std::string text = std::string("x") + separator + "y";
    if (truth)
        text.append(1, separator).append(truth->heading.toStdString()).append(1, separator).append("error");
    return text + '\n';
}

// A comma-separated cell needs quotes only when it holds what would split it.
QString cell(const QString& text, char separator)
{
    if (separator != ',' || !(text.contains(',') || text.contains('"') || text.contains('\n')))
        return text;
    QString quoted = text;
    quoted.replace('"', QStringLiteral("\"\""));
    return '"' + quoted + '"';
}

} // namespace

// A disk that fills up part way takes part of a write without an error;
// writing the rest then fails and says why.
bool writeAll(QIODevice& device, std::string_view bytes)
{
    while (!bytes.empty()) {
        const qint64 written = device.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

QString modelText(const QAbstractItemModel& model, char separator)
{
    QString text;
    const auto line = [&](auto cellText) {
        for (int column = 0; column < model.columnCount(); ++column) {
            if (column > 0)
                text += QLatin1Char(separator);
            text += cell(cellText(column), separator);
        }
        text += '\n';
    };
    line([&](int column) { return model.headerData(column, Qt::Horizontal).toString(); });
    for (int row = 0; row < model.rowCount(); ++row)
        line([&](int column) { return model.index(row, column).data().toString(); });
    return text;
}

bool writeModelText(const QAbstractItemModel& model, QIODevice& device, char separator)
{
    // In one piece: such a table has a few hundred lines at most.
    const QByteArray bytes = modelText(model, separator).toUtf8();
    return writeAll(device, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString tableText(const ResultsTable& table, const TruthColumns* truth)
{
    std::string text = header('\t', truth);
    // The widest x, as a rule, is the last; reserving for it spares the
    // copies of growing a million lines' worth of text.
    if (const std::size_t lines = table.count())
        text.reserve(text.size() + (table.line(lines - 1).size() - 2) * lines);
    for (std::size_t i = 0; i < table.count(); ++i)
        putRow(table, i, "\t", truth, [&text](std::string_view part) { text.append(part); });
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool writeTableCsv(const ResultsTable& table, QIODevice& device, const TruthColumns* truth)
{
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece = header(',', truth);
    piece.reserve(kPiece + kLineBufferSize);
    const auto flush = [&device, &piece] {
        if (!writeAll(device, piece))
            return false;
        piece.clear();
        return true;
    };
    for (std::size_t i = 0; i < table.count(); ++i) {
        putRow(table, i, ",", truth, [&piece](std::string_view part) { piece.append(part); });
        if (piece.size() >= kPiece && !flush())
            return false;
    }
    return flush();
}

} // namespace rk
