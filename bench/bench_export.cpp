// How fast a 1,000,000-line table leaves the window:
//   CopyTable - the clipboard text built and handed to the clipboard
//   SaveCsv   - the CSV streamed into a file that replaces the old one
// Then the memory that a copy holds, and what is left of it once the
// clipboard holds something else.

#include "bench/BenchReport.h"
#include "core/Solve.h"
#include "widgets/TableExport.h"
#include "widgets/SafeSave.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace rk;

constexpr long kLines = 1'000'000;

struct NoPicture : PointSink {
    void PSet(float, float, PointKind) override {}
};

// The table of a 1,000,000-pass run of equation 6.
const ResultsTable& bigTable()
{
    static const ResultsTable table = [] {
        ResultsTable lines;
        NoPicture picture;
        const FormValues values{6, 0.0, 1.0, (kLines - 1) * 0.05 + 0.01};
        Solve(values, picture, lines);
        return lines;
    }();
    return table;
}

void BM_CopyTable(benchmark::State& state)
{
    const ResultsTable& table = bigTable();
    for (auto _ : state) {
        QGuiApplication::clipboard()->setText(tableText(table));
        state.PauseTiming();
        QGuiApplication::clipboard()->setText(QString());
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(table.count()));
}

void BM_SaveCsv(benchmark::State& state)
{
    const ResultsTable& table = bigTable();
    QTemporaryDir folder;
    const QString path = folder.filePath("table.csv");
    for (auto _ : state) {
        QString reason;
        if (!saveWhole(path, [&](QIODevice& device) { return writeTableCsv(table, device); }, reason))
            state.SkipWithError(reason.toStdString().c_str());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(table.count()));
    state.counters["MB"] = static_cast<double>(QFile(path).size()) / 1e6;
}

void configure(benchmark::internal::Benchmark* b) { bench::fastestOfRepetitions(b, benchmark::kMillisecond); }

BENCHMARK(BM_CopyTable)->Apply(configure);
BENCHMARK(BM_SaveCsv)->Apply(configure);

double residentMegabytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::printf("processor: %s\n", bench::processorName().c_str());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const ResultsTable& table = bigTable();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QString());
    const double before = residentMegabytes();
    clipboard->setText(tableText(table));
    const double copied = residentMegabytes();
    clipboard->setText(QStringLiteral("something else"));
    const double replaced = residentMegabytes();
    std::printf("\nresident memory, %zu lines: %.1f MB before the copy, %.1f MB with the table on the clipboard, "
                "%.1f MB once the clipboard holds something else (goal: back to %.1f MB)\n",
                table.count(), before, copied, replaced, before);
    return 0;
}
