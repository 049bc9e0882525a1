#include "widgets/TableExport.h"

#include "core/ExactSolution.h"
#include "core/Solve.h"

#include <gtest/gtest.h>

#include <QIODevice>

#include <algorithm>
#include <vector>

namespace rk {
namespace {

struct NoPicture : PointSink {
    void PSet(float, float, PointKind) override {}
};

// Takes at most `piece` bytes a write, and fails once `room` is used up:
// a pipe, or a disk that fills.
class Trickle : public QIODevice {
public:
    Trickle(qint64 piece, qint64 room) : piece_(piece), room_(room) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 taken = std::min({length, piece_, room_ - written.size()});
        if (taken <= 0)
            return -1;
        written.append(data, taken);
        return taken;
    }

private:
    qint64 piece_, room_;
};

struct Export {
    const char* name;
    std::vector<FormValues> runs;
    bool truth; // the errors' columns, from the closed forms
    const char* text;
};

class TableExports : public ::testing::TestWithParam<Export> {};

// The clipboard's text and the file's bytes are the list's lines, with the
// same digits; a file is the same with commas, whatever way the device
// takes it in.
TEST_P(TableExports, AsListed)
{
    const Export& want = GetParam();
    ResultsTable table;
    NoPicture picture;
    for (const FormValues& form : want.runs)
        Solve(form, picture, table);
    const TruthColumns exact{"exact", [&table](std::size_t line) -> std::optional<double> {
                                 const TableRow row = table.row(line);
                                 const RunSpan run = table.run(table.runIndexOf(line));
                                 return exactSolution(row.equation, run.x1, run.y1, row.x);
                             }};
    const TruthColumns* truth = want.truth ? &exact : nullptr;
    EXPECT_EQ(tableText(table, truth).toStdString(), want.text);

    const QByteArray csv = QByteArray(want.text).replace('\t', ',');
    for (const qint64 piece : {qint64{1}, qint64{7}, qint64{1} << 20}) {
        Trickle whole(piece, csv.size());
        EXPECT_TRUE(writeTableCsv(table, whole, truth)) << piece;
        EXPECT_EQ(whole.written.toStdString(), csv.toStdString()) << piece;
        if (csv.size() > 1) {
            Trickle full(piece, csv.size() - 1);
            EXPECT_FALSE(writeTableCsv(table, full, truth)) << "a device that fills up says so: " << piece;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, TableExports, ::testing::Values(
    Export{"empty", {}, false, "x\ty\n"},
    Export{"plain", {{1, 0, 1, 0.1}}, false, "x\ty\n0.00\t1.00000\n0.05\t0.95123\n0.10\t0.90484\n"},
    Export{"errors", {{1, 0, 1, 0.1}}, true,
           "x\ty\texact\terror\n0.00\t1.00000\t1\t0.00e+00\n0.05\t0.95123\t0.951229424501\t2.58e-09\n"
           "0.10\t0.90484\t0.904837418036\t4.91e-09\n"},
    // A row without a truth has empty cells; each run writes x with its own
    // step's decimals; the errors show the rounding of y' = 2's steps.
    Export{"twoRuns", {{6, 0, 1, 0}, {FormValues{3, 1, 0, 1.05, nullptr, 0.025}}}, true,
           "x\ty\texact\terror\n0.00\t1.00000\t\t\n1.000\t0.00000\t0\t0.00e+00\n1.025\t0.05000\t0.05\t1.87e-16\n"
           "1.050\t0.10000\t0.1\t-6.94e-17\n"}
), [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rk
