// How fast a run of equation 6 (the costliest right-hand side) goes:
//   Solve      - the real Value arithmetic and formatting, into a recording list
//   Reference  - plain doubles in the same order with std::to_chars, the floor
//   EndToEnd   - Solve into the real picture box and list box, offscreen
// The last lines printed are the ratios against the floor and the peak
// memory of a 1,000,000-line run in the real widgets.

#include "solver/Solve.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace rk;

constexpr long kSmallRun = 32'766;
constexpr long kLargeRun = 1'000'000;

// x2 such that the run makes exactly `passes` passes from x1 = 0.
double finalAbscissaFor(long passes) { return (passes - 1) * 0.05 + 0.01; }

FormValues equationSix(long passes)
{
    return {Value::integer(6), Value(0.0), Value(1.0), Value(finalAbscissaFor(passes))};
}

// The floor keeps every line as text, packed, so that what is measured is
// the run and not the allocator.
struct RecordingList {
    std::string text;
    std::vector<std::size_t> ends;
    void AddItem(std::string_view line)
    {
        text.append(line);
        ends.push_back(text.size());
    }
    void clear()
    {
        text.clear();
        ends.clear();
    }
};

struct CountingPicture : PointSink {
    long points = 0;
    void PSet(float, float, Rgb) override { ++points; }
};

// Times `run` into a fresh table, the same way for the run and its floor.
template <typename Table, typename Run>
void measureRecorded(benchmark::State& state, Run run)
{
    Table table;
    CountingPicture picture;
    for (auto _ : state) {
        table.clear();
        run(picture, table);
        benchmark::DoNotOptimize(&table);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Solve(benchmark::State& state)
{
    const FormValues form = equationSix(state.range(0));
    measureRecorded<ResultsTable>(state, [&](PointSink& picture, ResultsTable& table) { Solve(form, picture, table); });
}

// The same run in plain doubles, in the same order and grouping.
void referenceRun(double x1, double y1, double x2, PointSink& picture, RecordingList& list)
{
    const auto f = [](double x, double y) { return x / 2 - std::sin(x + y); };
    const double h = 0.05, n = (x2 - x1) / h, hh = h / 2;
    double y = y1;
    picture.PSet(float(x1), float(y1), Rgb{255, 0, 0});
    picture.PSet(float(x1), float(f(x1, y1)), Rgb{0, 0, 255});
    char line[128];
    for (long i = 0; i <= n; ++i) {
        const double x = x1 + i * h;
        const double k1 = f(x, y);
        picture.PSet(float(x), float(y), Rgb{255, 0, 0});
        picture.PSet(float(x), float(k1), Rgb{0, 0, 255});
        char* end = std::to_chars(line, line + sizeof line, x, std::chars_format::fixed, 2).ptr;
        std::memcpy(end, "    ", 4);
        end = std::to_chars(end + 4, line + sizeof line, y, std::chars_format::fixed, 5).ptr;
        list.AddItem(std::string_view(line, static_cast<std::size_t>(end - line)));
        const double k2 = f(x + hh, y + k1 * hh);
        const double k3 = f(x + hh, y + k2 * hh);
        const double k4 = f(x + h, y + k3 * h);
        y = y + (h * ((k1 + k4) + 2 * (k2 + k3))) / 6;
    }
}

void BM_Reference(benchmark::State& state)
{
    const double x2 = finalAbscissaFor(state.range(0));
    measureRecorded<RecordingList>(state, [&](PointSink& picture, RecordingList& list) {
        referenceRun(0.0, 1.0, x2, picture, list);
    });
}

void BM_EndToEnd(benchmark::State& state)
{
    const FormValues form = equationSix(state.range(0));
    PictureBox picture(QSize(505, 505));
    picture.Scale(-2, 10, 18, -10);
    ListBox list;
    auto owned = std::make_unique<ResultsTable>();
    ResultsTable& table = *owned;
    list.setLines(std::move(owned));
    list.resize(137, 94);
    picture.show();
    list.show();
    QApplication::processEvents();
    for (auto _ : state) {
        picture.Cls();
        list.Clear();
        Solve(form, picture, table);
        list.linesAppended();
        // Let the view take in the new rows and repaint, as after a real Enter.
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// This machine is shared: the fastest of several repetitions is the figure
// least disturbed by others, for the run and the floor alike.
void configure(benchmark::internal::Benchmark* b)
{
    b->Arg(kSmallRun)->Arg(kLargeRun)->Unit(benchmark::kMillisecond)->Repetitions(5);
    b->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    b->ReportAggregatesOnly(true);
}

BENCHMARK(BM_Solve)->Apply(configure);
BENCHMARK(BM_Reference)->Apply(configure);
BENCHMARK(BM_EndToEnd)->Apply(configure);

// Keeps each benchmark's time per iteration for the summary.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min")
                seconds[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
    }
};

// Peak resident memory of a fresh process that makes one 1,000,000-line run
// into the real widgets.
int peakMemoryProbe(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PictureBox picture(QSize(505, 505));
    picture.Scale(-2, 10, 18, -10);
    ListBox list;
    auto owned = std::make_unique<ResultsTable>();
    ResultsTable& table = *owned;
    list.setLines(std::move(owned));
    picture.show();
    list.show();
    Solve(equationSix(kLargeRun), picture, table);
    list.linesAppended();
    QApplication::processEvents();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}

long measurePeakKilobytes()
{
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return -1;
    FILE* child = popen(("'" + std::string(self) + "' --peak-memory-probe").c_str(), "r");
    if (!child)
        return -1;
    long kilobytes = -1;
    if (std::fscanf(child, "%ld", &kilobytes) != 1)
        kilobytes = -1;
    pclose(child);
    return kilobytes;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--peak-memory-probe") == 0)
        return peakMemoryProbe(argc, argv);

    QApplication app(argc, argv);
    // A filtered run is for looking at one benchmark: no summary then.
    const bool filtered = std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::strncmp(a, "--benchmark_filter", 18) == 0;
    });
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (filtered)
        return 0;

    const auto seconds = [&](std::string name, long passes) {
        name += '/';
        name += std::to_string(passes);
        return reporter.seconds[name];
    };
    const auto ratio = [&](const char* name, long passes) {
        const double floor = seconds("BM_Reference", passes);
        const double value = seconds(name, passes);
        return floor > 0 ? value / floor : NAN;
    };
    std::printf("\n");
    for (const long passes : {kSmallRun, kLargeRun}) {
        std::printf("Solve / reference, %ld passes:      %.2fx (goal at most 1.5x)\n", passes,
                    ratio("BM_Solve", passes));
        std::printf("end to end / reference, %ld passes: %.2fx (goal at most 3x)\n", passes,
                    ratio("BM_EndToEnd", passes));
    }
    const long peak = measurePeakKilobytes();
    std::printf("peak memory of a 1,000,000-line run: %.1f MB (goal under 150 MB)\n", peak / 1024.0);
    return 0;
}
