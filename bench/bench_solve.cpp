// How fast a run of equation 6 (the costliest right-hand side) goes:
//   Solve      - the real run, into a raster and the results table
//   Floor      - the same work in plain doubles with no toolkit: the
//                arithmetic in the run's order, both points of each pass
//                set into the same kind of raster, each y kept in a
//                reserved vector
//   EndToEnd   - Solve into the real picture box and List1's view, offscreen
//   SolveAfterStartUp  - Solve right after the toolkit has started and
//                        shown a window and Ready has cleared the picture
//   FloorAfterStartUp  - the floor in that same state, unguarded
//   SolveOwnEquation   - Solve of x/2 -sin(x+y) typed as an own equation,
//                        against the built-in equation 6 (Solve)
//   SolveOwnMethod     - Solve of equation 6 with the 3/8 rule typed as an
//                        own method, stepped through its tableau, against
//                        the built-in method of as many stages (Solve)
//   ReadOwnEquation    - reading a typed text of about 1,000 characters
//   SlopeField         - equation 6's slope field, 441 strokes, made, drawn
//                        beneath a run's picture and painted
// The last lines printed are the processor, the state of its vector
// registers in each case, the ratios against the floor and the peak memory
// of a 1,000,000-line run in the real window on a private Xvfb.
//
// The toolkit leaves the upper halves of the vector registers in use, which
// slows the C library's sin on some processors many times over (see
// core/CleanVectorState.h). Solve cleans them as it starts; the floor is
// cleaned before every run, so both are timed in the same clean state. Each
// case notes the state at the first point a run plots, as the processor
// reports it, and the summary says what it saw.

#include "app/ComparisonWindow.h"
#include "app/Form1.h"
#include "app/Translations.h"
#include "bench/BenchReport.h"
#include "bench/PrivateServer.h"
#include "core/CleanVectorState.h"
#include "core/ReferenceSolution.h"
#include "core/Solve.h"
#include "core/TableauText.h"
#include "widgets/Frame.h"
#include "core/SlopeField.h"
#include "widgets/ResultsModel.h"
#include "tests/VectorState.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <tuple>
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
    return {6, 0.0, 1.0, finalAbscissaFor(passes)};
}

// The plot's interior as bare pixels, set the way the picture box sets a
// point: the user coordinates (-2, 10)-(18, -10) over 501 pixels square.
struct Raster {
    static constexpr int kSide = 501;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kSide * kSide);
    void set(float x, float y, std::uint32_t argb)
    {
        const double column = std::floor((x - -2.0) / 20.0 * kSide);
        const double row = std::floor((y - 10.0) / -20.0 * kSide);
        if (column >= 0 && row >= 0 && column < kSide && row < kSide)
            pixels[static_cast<std::size_t>(row) * kSide + static_cast<std::size_t>(column)] =
                argb;
    }
};

// The floor's table: each y in a vector reserved for the whole run. Cleared
// as the results table is by Ready, memory and all, so that every run of
// either writes to fresh memory alike.
struct Ordinates {
    std::vector<double> ys;
    void clear() { std::vector<double>().swap(ys); }
};

// What the processor said about the upper halves of its vector registers
// at the first point of each timed run, per benchmark.
struct StateCount {
    long runs = 0, inUse = 0, unknown = 0;
    long inUseBefore = 0; // after start-up, just before the run was called
};
std::map<std::string, StateCount> statesSeen;

struct StateAtFirstPoint {
    bool pending = false;
    std::optional<bool> inUse;
    void startRun() { pending = true; }
    void sample()
    {
        if (pending)
            inUse = test::vectorUpperInUse();
        pending = false;
    }
    void record(const char* benchmark, const benchmark::State& state)
    {
        StateCount& count = statesSeen[std::string(benchmark) + "/" + std::to_string(state.range(0))];
        ++count.runs;
        count.inUse += inUse.value_or(false);
        count.unknown += !inUse.has_value();
    }
};

struct RasterPicture : PointSink {
    Raster raster;
    StateAtFirstPoint state;
    void PSet(float x, float y, PointKind kind) override
    {
        state.sample();
        raster.set(x, y, kind == PointKind::Solution ? kSolutionColour : kSlopeColour);
    }
};

// The real picture box, noting the state at a run's first point too.
struct WatchedPictureBox : PictureBox {
    using PictureBox::PictureBox;
    StateAtFirstPoint state;
    void PSet(float x, float y, PointKind kind) override
    {
        state.sample();
        PictureBox::PSet(x, y, kind);
    }
};

// Times `run` into a raster and a table, the same way for the run and its floor.
template <typename Table, typename Run>
void measureRecorded(benchmark::State& state, const char* name, Run run)
{
    Table list;
    RasterPicture picture;
    for (auto _ : state) {
        list.clear();
        picture.state.startRun();
        run(picture, list);
        benchmark::DoNotOptimize(&list);
        picture.state.record(name, state);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Solve(benchmark::State& state)
{
    const FormValues form = equationSix(state.range(0));
    measureRecorded<ResultsTable>(state, __func__,
                                  [&](RasterPicture& picture, ResultsTable& table) { Solve(form, picture, table); });
}

// The same run in plain doubles, in the same order and grouping.
void floorRun(double x1, double y1, double x2, RasterPicture& picture, Ordinates& table)
{
    const auto f = [](double x, double y) { return x / 2 - std::sin(x + y); };
    const double h = 0.05, n = (x2 - x1) / h, hh = h / 2;
    constexpr std::uint32_t red = 0xFFFF0000u, blue = 0xFF0000FFu;
    table.ys.reserve(table.ys.size() + static_cast<std::size_t>(n) + 1);
    double y = y1;
    picture.state.sample();
    picture.raster.set(float(x1), float(y1), red);
    picture.raster.set(float(x1), float(f(x1, y1)), blue);
    for (long i = 0; i <= n; ++i) {
        const double x = x1 + i * h;
        const double k1 = f(x, y);
        picture.raster.set(float(x), float(y), red);
        picture.raster.set(float(x), float(k1), blue);
        table.ys.push_back(y);
        const double k2 = f(x + hh, y + k1 * hh);
        const double k3 = f(x + hh, y + k2 * hh);
        const double k4 = f(x + h, y + k3 * h);
        y = y + (h * ((k1 + k4) + 2 * (k2 + k3))) / 6;
    }
}

void BM_SolveOwnEquation(benchmark::State& state)
{
    FormValues form = equationSix(state.range(0));
    form.eqNo = kOwnEquation;
    form.own = std::make_shared<const TypedEquation>(
        TypedEquation{"x/2 -sin(x+y)", std::get<OwnEquation>(OwnEquation::read(u"x/2 -sin(x+y)"))});
    measureRecorded<ResultsTable>(state, __func__,
                                  [&](RasterPicture& picture, ResultsTable& table) { Solve(form, picture, table); });
}

void BM_SolveOwnMethod(benchmark::State& state)
{
    FormValues form = equationSix(state.range(0));
    const std::u16string text = u"0 |\n1/3 | 1/3\n2/3 | -1/3 1\n1 | 1 -1 1\n| 1/8 3/8 3/8 1/8";
    const Tableau tableau = std::get<Tableau>(readTableau(text));
    form.method = Method::Own;
    form.ownMethod = std::make_shared<const OwnMethod>("3/8 rule", "", tableau, checkOrder(tableau).order);
    measureRecorded<ResultsTable>(state, __func__,
                                  [&](RasterPicture& picture, ResultsTable& table) { Solve(form, picture, table); });
}

// A sum of 70 terms as the editor writes it out, with every grouping in
// parentheses: 980 characters, 69 deep.
std::u16string longTypedText()
{
    std::u16string sum = u"x";
    for (int term = 0; term < 70; ++term)
        sum += u"+0.1234567";
    const std::string written = std::get<OwnEquation>(OwnEquation::read(sum)).readAs();
    return std::u16string(written.begin(), written.end()); // ASCII: no products, no minus signs
}

void BM_ReadOwnEquation(benchmark::State& state)
{
    const std::u16string text = longTypedText();
    for (auto _ : state)
        benchmark::DoNotOptimize(OwnEquation::read(text));
    state.counters["characters"] = static_cast<double>(text.size());
}

void BM_SlopeField(benchmark::State& state)
{
    WatchedPictureBox picture(QSize(505, 505));
    DrawFrame(picture, FrameVariant::StartUp);
    ResultsTable table;
    Solve(equationSix(32766), picture, table);
    picture.show();
    QApplication::processEvents();
    const double unitsPerPixel = 20.0 / picture.contentsRect().width();
    std::size_t strokes = 0;
    for (auto _ : state) {
        const std::vector<Segment> field = withRightHandSide(6, [&](const auto& f) { return slopeField(f, unitsPerPixel); });
        strokes = field.size();
        picture.setUnderlay(field, kSlopeFieldColour);
        picture.repaint();
    }
    state.counters["strokes"] = static_cast<double>(strokes);
}

void BM_Floor(benchmark::State& state)
{
    const double x2 = finalAbscissaFor(state.range(0));
    measureRecorded<Ordinates>(state, __func__, [&](RasterPicture& picture, Ordinates& table) {
        // The floor is measured in the clean state that Solve makes for itself.
        cleanVectorState();
        floorRun(0.0, 1.0, x2, picture, table);
    });
}

// The state the toolkit leaves at a run's start: a window of the program's
// size started and painted, then the picture cleared as Ready does. Nothing
// here cleans it; only what `run` does for itself counts.
template <typename Table, typename Run>
void measureAfterStartUp(benchmark::State& state, const char* name, Run run)
{
    Table list;
    RasterPicture picture;
    StateCount& seen = statesSeen[std::string(name) + "/" + std::to_string(state.range(0))];
    for (auto _ : state) {
        state.PauseTiming();
        {
            QWidget window;
            window.setFixedSize(708, 573);
            PictureBox box(QSize(505, 505), &window);
            window.show();
            QApplication::processEvents();
            box.Cls();
            list.clear();
            seen.inUseBefore += test::vectorUpperInUse().value_or(false);
            picture.state.startRun();
            state.ResumeTiming();
            run(picture, list);
            benchmark::DoNotOptimize(&list);
            state.PauseTiming();
        }
        picture.state.record(name, state);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SolveAfterStartUp(benchmark::State& state)
{
    const FormValues form = equationSix(state.range(0));
    measureAfterStartUp<ResultsTable>(state, __func__,
                                      [&](RasterPicture& picture, ResultsTable& table) { Solve(form, picture, table); });
}

void BM_FloorAfterStartUp(benchmark::State& state)
{
    const double x2 = finalAbscissaFor(state.range(0));
    measureAfterStartUp<Ordinates>(state, __func__,
                                   [&](RasterPicture& picture, Ordinates& table) { floorRun(0.0, 1.0, x2, picture, table); });
}

void BM_EndToEnd(benchmark::State& state)
{
    const FormValues form = equationSix(state.range(0));
    WatchedPictureBox picture(QSize(505, 505));
    picture.Scale(-2, 10, 18, -10);
    QListView list;
    setUpListBox(list);
    ResultsModel results;
    list.setModel(&results);
    list.resize(137, 94);
    picture.show();
    list.show();
    QApplication::processEvents();
    for (auto _ : state) {
        picture.Cls();
        results.clear();
        picture.state.startRun();
        Solve(form, picture, results.table());
        results.publishAppended();
        // Let the view take in the new rows and repaint, as after a real Enter.
        QApplication::processEvents();
        picture.state.record(__func__, state);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The run and the floor alike: both lengths, the fastest of the repetitions.
void configure(benchmark::internal::Benchmark* b)
{
    b->Arg(kSmallRun)->Arg(kLargeRun);
    bench::fastestOfRepetitions(b, benchmark::kMillisecond);
}

BENCHMARK(BM_Solve)->Apply(configure);
BENCHMARK(BM_Floor)->Apply(configure);
BENCHMARK(BM_SolveOwnEquation)->Apply(configure);
BENCHMARK(BM_SolveOwnMethod)->Apply(configure);
BENCHMARK(BM_SlopeField)->Apply([](auto* b) { bench::fastestOfRepetitions(b, benchmark::kMillisecond); });
BENCHMARK(BM_ReadOwnEquation)->Apply([](auto* b) { bench::fastestOfRepetitions(b, benchmark::kMicrosecond); });
BENCHMARK(BM_EndToEnd)->Apply(configure);
BENCHMARK(BM_SolveAfterStartUp)->Apply(configure);
BENCHMARK(BM_FloorAfterStartUp)->Apply(configure);

// The reference solution of a run, next to the run itself, for equation 6
// (computed, Fehlberg 7(8)) and equation 5 (its closed form):
//   SolveForReference/eq/passes - Solve of that run, as BM_Solve
//   Reference/eq/passes         - its reference at every row
// Goals: equation 6's reference at most 5x its run, a closed form's 2x.
// Filter on "Reference" to see the two side by side.

FormValues referenceRun(int equation, long passes) { return {equation, 0.0, 1.0, finalAbscissaFor(passes)}; }

void BM_SolveForReference(benchmark::State& state)
{
    const FormValues form = referenceRun(static_cast<int>(state.range(0)), state.range(1));
    measureRecorded<ResultsTable>(state, __func__,
                                  [&](RasterPicture& picture, ResultsTable& table) { Solve(form, picture, table); });
    state.SetItemsProcessed(state.iterations() * state.range(1));
}

void BM_Reference(benchmark::State& state)
{
    const Equation equation{static_cast<int>(state.range(0)), nullptr};
    for (auto _ : state) {
        const ReferenceRun run = referenceSolution(equation, 0.0, 1.0, kStep, state.range(1));
        if (run.values.size() != static_cast<std::size_t>(state.range(1)))
            state.SkipWithError("the reference stopped short");
        benchmark::DoNotOptimize(run.values.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(1));
}

void configureReference(benchmark::internal::Benchmark* b)
{
    b->Args({6, kSmallRun})->Args({5, kSmallRun});
    bench::fastestOfRepetitions(b, benchmark::kMillisecond);
}

BENCHMARK(BM_SolveForReference)->Apply(configureReference);
BENCHMARK(BM_Reference)->Apply(configureReference);

// "Compare steps and methods" for equation 6 from (0, 1) to x = 20: the
// window made and shown, the comparison worked out on its worker and shown
// in its table, chart and sentence. The chart's module is loaded once
// before the timing, as it is after the first opening.
void BM_CompareSpanOfTwenty(benchmark::State& state)
{
    const auto setup = ComparisonWindow::setupFrom(FormValues{6, 0, 1, 20}, "y' = x/2 -sin(x+y)");
    const auto openAndWait = [&setup] {
        ComparisonWindow window(setup, nullptr);
        QSignalSpy computed(&window, &ComparisonWindow::computed);
        window.show();
        if (window.busy())
            computed.wait(60000);
        return window.comparison().rows.size();
    };
    openAndWait();
    for (auto _ : state)
        benchmark::DoNotOptimize(openAndWait());
}
BENCHMARK(BM_CompareSpanOfTwenty)->Apply([](auto* b) { bench::fastestOfRepetitions(b, benchmark::kMillisecond); });

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

// Peak resident memory of a fresh process that starts the real window on
// the X platform and makes a 1,000,000-line run in it the way a user does:
// equation 6, Ready, then 0, 1 and 49999.96, each with Enter. It waits
// until the list has taken in every line and the window has painted.
// With `truth`, the errors and the exact curve are then switched on, which
// makes the run's reference at every row.
int peakMemoryProbe(int argc, char* argv[], bool truth)
{
    QApplication app(argc, argv);
    installTranslators(QLocale::system());
    Form1 form;
    form.Form_Load();
    form.show();
    // No window manager runs on the private server: the window takes the
    // input focus itself.
    const bool exposed = QTest::qWaitForWindowExposed(&form);
    form.activateWindow();
    if (!exposed || !QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "the window was not shown and activated\n");
        return 1;
    }
    auto* equations = form.findChild<QListWidget*>("List2");
    auto* list = form.findChild<QListView*>("List1");
    const QModelIndex sixth = equations->model()->index(5, 0);
    equations->scrollTo(sixth);
    const QRect six = equations->visualRect(sixth);
    QTest::mouseClick(equations->viewport(), Qt::LeftButton, {}, six.center());
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    for (const char* number : {"0", "1", "49999.96"}) {
        QWidget* box = QApplication::focusWidget();
        if (!box) {
            std::fprintf(stderr, "no box has the focus\n");
            return 1;
        }
        QTest::keyClicks(box, number);
        QTest::keyClick(box, Qt::Key_Return);
    }
    for (int i = 0; i < 20 && list->model()->rowCount() < kLargeRun; ++i)
        QTest::qWait(50);
    if (truth)
        for (const char* name : {"ShowErrors", "ShowExactSolution"})
            if (auto* action = form.findChild<QAction*>(name))
                action->setChecked(true);
    // The reference is made on a worker: the peak counts it once it is in.
    if (auto* results = qobject_cast<ResultsModel*>(list->model()); truth && results)
        results->waitForReferences();
    list->scrollToBottom();
    form.repaint();
    QTest::qWait(100);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld %d\n", usage.ru_maxrss, list->model()->rowCount());
    return 0;
}

// Kilobytes, or -1 when the probe failed or listed the wrong number of lines.
long measurePeakKilobytes(const std::string& display, const char* probe)
{
    char self[4096] = {};
    if (display.empty() || readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return -1;
    const std::string command =
        "DISPLAY=" + display + " QT_QPA_PLATFORM=xcb '" + std::string(self) + "' " + probe;
    FILE* child = popen(command.c_str(), "r");
    if (!child)
        return -1;
    long kilobytes = -1, rows = -1;
    if (std::fscanf(child, "%ld %ld", &kilobytes, &rows) != 2 || rows != kLargeRun)
        kilobytes = -1;
    pclose(child);
    return kilobytes;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--peak-memory-probe") == 0)
        return peakMemoryProbe(argc, argv, false);
    if (argc > 1 && std::strcmp(argv[1], "--peak-memory-probe-truth") == 0)
        return peakMemoryProbe(argc, argv, true);

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
        const double floor = seconds("BM_Floor", passes);
        const double value = seconds(name, passes);
        return floor > 0 ? value / floor : NAN;
    };
    std::printf("\nprocessor: %s\n", bench::processorName().c_str());
    std::printf("vector registers' upper halves at the first point of each timed run:\n");
    for (const auto& [name, count] : statesSeen) {
        if (count.unknown == count.runs)
            std::printf("  %-40s not reported by this processor\n", name.c_str());
        else if (count.inUse == 0)
            std::printf("  %-32s clean in all %ld runs", name.c_str(), count.runs);
        else
            std::printf("  %-32s IN USE in %ld of %ld runs", name.c_str(), count.inUse, count.runs);
        if (count.unknown != count.runs && name.find("AfterStartUp") != std::string::npos)
            std::printf(" (in use before the call in %ld)", count.inUseBefore);
        std::printf("\n");
    }
    for (const long passes : {kSmallRun, kLargeRun}) {
        std::printf("%ld passes:\n", passes);
        std::printf("  Solve into a raster and the table / floor:  %.2fx (goal at most 1.1x)\n",
                    ratio("BM_Solve", passes));
        std::printf("  end to end, picture box and List1 / floor:  %.2fx (goal at most 1.3x)\n",
                    ratio("BM_EndToEnd", passes));
        std::printf("  Solve right after start-up / floor:         %.2fx (as Solve above: the guard works)\n",
                    ratio("BM_SolveAfterStartUp", passes));
        std::printf("  floor right after start-up, unguarded:      %.2fx (the state the guard cleans, for comparison)\n",
                    ratio("BM_FloorAfterStartUp", passes));
        std::printf("  own equation x/2 -sin(x+y) / built-in 6:    %.2fx%s\n",
                    seconds("BM_SolveOwnEquation", passes) / seconds("BM_Solve", passes),
                    passes == kLargeRun ? " (goal at most 1.25x)" : "");
        std::printf("  own method, the 3/8 rule / built-in Runge-Kutta: %.2fx%s\n",
                    seconds("BM_SolveOwnMethod", passes) / seconds("BM_Solve", passes),
                    passes == kLargeRun ? " (goal at most 1.5x)" : "");
    }
    for (const int equation : {6, 5})
        std::printf("reference of equation %d over %ld passes / its Solve:  %.2fx (goal at most %dx)\n", equation,
                    kSmallRun, seconds("BM_Reference/" + std::to_string(equation), kSmallRun) /
                                   seconds("BM_SolveForReference/" + std::to_string(equation), kSmallRun),
                    equation == 6 ? 5 : 2);
    std::printf("reading a typed equation of %zu characters: %.3f ms (goal under 1 ms)\n", longTypedText().size(),
                reporter.seconds["BM_ReadOwnEquation/"] / 1e3); // timed in microseconds
    std::printf("drawing equation 6's slope field beneath a run's picture: %.2f ms (goal under 5 ms)\n",
                reporter.seconds["BM_SlopeField/"]);
    std::printf("comparing steps and methods for equation 6 from 0 to 20, window to sentence: %.1f ms "
                "(goal under 200 ms)\n",
                reporter.seconds["BM_CompareSpanOfTwenty/"]);
    rk::bench::PrivateXServer server;
    for (const auto& [probe, what, goal] :
         {std::tuple{"--peak-memory-probe", "", 60}, std::tuple{"--peak-memory-probe-truth", " with its errors and exact curve", 80}}) {
        const long peak = measurePeakKilobytes(server.display(), probe);
        if (peak < 0)
            std::printf("peak memory of a 1,000,000-line run%s in the real window: FAILED to measure\n", what);
        else
            std::printf("peak memory of a 1,000,000-line run%s in the real window under Xvfb: %.1f MB (goal at most %d MB)\n",
                        what, peak / 1024.0, goal);
    }
    return 0;
}
