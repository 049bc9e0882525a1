// The table window over a 1,000,000-line run:
//   OpenTable         - the window made, shown and painted, the list's
//                       model already holding the lines (goal at most 0.3 s)
//   OpenTableErrors   - the same with the errors' columns (a closed form)
// Then the peak memory of the real window, as a person makes the run
// (equation 6, Ready, 0, 1, 49999.96), errors shown, the table window open
// and scrolled to its end: goal at most 80 MB.

#include "app/Form1.h"
#include "app/TableWindow.h"
#include "bench/BenchReport.h"
#include "core/Solve.h"
#include "widgets/ResultsModel.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace rk;

constexpr long kLines = 1'000'000;

struct NoPicture : PointSink {
    void PSet(float, float, PointKind) override {}
};

// The list's model with a 1,000,000-line run of `equation` published.
ResultsModel& bigResults(int equation)
{
    static ResultsModel results;
    if (results.rowCount() == 0 || results.table().row(0).equation != equation) {
        results.clear();
        NoPicture picture;
        const FormValues values{equation, 0.0, 1.0, (kLines - 1) * 0.05 + 0.01};
        Solve(values, picture, results.table());
        results.publishAppended();
    }
    return results;
}

void openTable(benchmark::State& state, bool errors)
{
    ResultsModel& results = bigResults(1);
    results.setShowErrors(errors);
    QWidget owner;
    for (auto _ : state) {
        auto* window = new TableWindow(results, &owner);
        window->show();
        window->repaint();
        window->view().viewport()->repaint();
        state.PauseTiming();
        if (window->view().model()->rowCount() != kLines)
            state.SkipWithError("the table window shows the wrong number of rows");
        delete window;
        state.ResumeTiming();
    }
    results.setShowErrors(false);
}

void BM_OpenTable(benchmark::State& state) { openTable(state, false); }
void BM_OpenTableErrors(benchmark::State& state) { openTable(state, true); }

void configure(benchmark::internal::Benchmark* b) { bench::fastestOfRepetitions(b, benchmark::kMillisecond); }

BENCHMARK(BM_OpenTable)->Apply(configure);
BENCHMARK(BM_OpenTableErrors)->Apply(configure);

// Peak resident memory of this process, made fresh for it.
int peakMemoryProbe(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Form1 form;
    form.Form_Load();
    form.show();
    form.findChild<QListWidget*>("List2")->setCurrentRow(5);
    form.findChild<QPushButton*>("Command1")->click();
    const std::pair<const char*, const char*> typed[] = {{"Text1", "0"}, {"Text3", "1"}, {"Text2", "49999.96"}};
    for (const auto& [name, text] : typed) {
        auto* box = form.findChild<QLineEdit*>(name);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    form.findChild<QAction*>("ShowErrors")->setChecked(true);
    TableWindow* window = TableWindow::open(form, *form.findChild<ResultsModel*>());
    window->view().scrollToBottom();
    window->repaint();
    QTest::qWait(100);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld %d\n", usage.ru_maxrss, window->view().model()->rowCount());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--peak-memory-probe") == 0)
        return peakMemoryProbe(argc, argv);
    {
        QApplication app(argc, argv);
        std::printf("processor: %s\n", bench::processorName().c_str());
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return 1;
    FILE* child = popen(("'" + std::string(self) + "' --peak-memory-probe").c_str(), "r");
    long kilobytes = -1, rows = -1;
    if (!child || std::fscanf(child, "%ld %ld", &kilobytes, &rows) != 2 || rows < kLines - 100)
        std::printf("peak memory with the table window open: FAILED to measure\n");
    else
        std::printf("peak memory of a %ld-line run, errors shown, the table window open and scrolled to its end: "
                    "%.1f MB (goal at most 80 MB)\n",
                    rows, kilobytes / 1024.0);
    if (child)
        pclose(child);
    return 0;
}
