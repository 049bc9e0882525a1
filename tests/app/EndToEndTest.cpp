// The built program under a real X server, driven by real pointer and key
// events and judged only by what reaches the screen and by its exit status.
//
// The offscreen tests call into the widgets; this one goes through what they
// leave out: the platform plugin, event delivery, the focus moving between
// the boxes by itself, painting to a real screen, and quitting.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <utility>

#ifndef RK_PROGRAM
#error "RK_PROGRAM must name the built program"
#endif
#ifndef RK_SANITIZED_PROGRAM
#define RK_SANITIZED_PROGRAM 0
#endif

#include "app/FormDesign.h"
#include "app/HelpText.h"
#include "core/FrameWindow.h"
#include "widgets/Colours.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"

namespace {

using namespace std::chrono_literals;
using Ms = std::chrono::milliseconds;

// A sanitized program starts, paints and quits several times slower. The
// limits only bound a failure; a passing run never waits for them.
constexpr int kSlowdown = RK_SANITIZED_PROGRAM ? 5 : 1;
Ms limit(Ms plain) { return plain * kSlowdown; }

// Where the window's parts are, in client pixels, as the design places them.
QRect placeOf(std::string_view name)
{
    for (const rk::ControlDesign& d : rk::kControlDesigns)
        if (d.name == name)
            return QRect(rk::pixels(d.left), rk::pixels(d.top), rk::pixels(d.width), rk::pixels(d.height));
    return {};
}
const QSize kClientSize(rk::pixels(rk::kForm1Design.clientWidth), rk::pixels(rk::kForm1Design.clientHeight));
const QRect kList2 = placeOf("List2");
constexpr int kListFrame = 1;
constexpr int kListRowHeight = 15;
const QRect kReady = placeOf("Command1");
const QRect kEnd = placeOf("Command2");
const QRect kHelp = placeOf("Command3");
const QRect kHelpBox = placeOf("Text4");
const QRect kList1 = placeOf("List1");
// Bare window background: the pointer rests here so that no button is
// captured hovered.
constexpr QPoint kRestingSpot(690, 20);

// The plot's interior: the box less its border.
const QRect kInterior = placeOf("Picture1").adjusted(rk::PictureBox::kBorderWidth, rk::PictureBox::kBorderWidth,
                                                     -rk::PictureBox::kBorderWidth, -rk::PictureBox::kBorderWidth);
const QPoint kInteriorOrigin = kInterior.topLeft();
const int kInteriorSide = kInterior.width();
// In interior pixels. The legends "y" and "y'" are written in the point
// colours, so they are the one place those colours may appear off the curve.
const QRect kSolutionLegend = placeOf("Label4");
const QRect kSlopeLegend = placeOf("Label5");
// The start-up title is printed across the top rows; Ready must erase it.
constexpr int kTitleRows = 30;

using rk::kDarkGrey, rk::kSlopeColour, rk::kSolutionColour, rk::kStartUpAxisColour;

// The frame's window spans the interior, x left to right, y top to bottom.
QPoint interiorPixel(double x, double y)
{
    using namespace rk;
    return {static_cast<int>(std::floor((x - kFrameLeft) / (kFrameRight - kFrameLeft) * kInteriorSide)),
            static_cast<int>(std::floor((y - kFrameTop) / (kFrameBottom - kFrameTop) * kInteriorSide))};
}

// On the x axis between two ticks, so that only the axis colour is there.
const QPoint kAxisSample = interiorPixel(10.5, 0);
const int kYAxisColumn = interiorPixel(0, 0).x();

struct Step {
    double x;
    double y;
};
// Equation 2, y' = x - y, from (0, 1) to x = 0.2 at the step 0.05, as the
// table lists it. Each point is at least a tenth of a pixel from a pixel
// edge, so the table's rounding cannot move one.
// The help box sets each of its steps, parted by runs of blanks, on a line of its own.
const int kHelpLines = static_cast<int>(QString::fromUtf8(rk::kHelpText.data(), rk::kHelpText.size())
                                           .split(QRegularExpression("  +"), Qt::SkipEmptyParts)
                                           .size());

constexpr std::array<Step, 5> kRun{{{0.0, 1.0}, {0.05, 0.95246}, {0.1, 0.90967}, {0.15, 0.87142}, {0.2, 0.83746}}};

using Pixels = std::set<std::pair<int, int>>;

std::string text(QRgb rgb)
{
    return "RGB(" + std::to_string(qRed(rgb)) + ", " + std::to_string(qGreen(rgb)) + ", " +
           std::to_string(qBlue(rgb)) + ")";
}

std::string text(QPoint p) { return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")"; }

bool isDark(QRgb rgb) { return std::max({qRed(rgb), qGreen(rgb), qBlue(rgb)}) < 100; }

// Antialiased text in `rgb` on the plot's light cyan still has pixels near it.
bool isNear(QRgb pixel, QRgb rgb)
{
    return std::abs(qRed(pixel) - qRed(rgb)) <= 60 && std::abs(qGreen(pixel) - qGreen(rgb)) <= 80 &&
           std::abs(qBlue(pixel) - qBlue(rgb)) <= 80;
}

// A child process that is stopped however the test leaves, even when the
// test itself is killed for running too long.
class Child {
public:
    Child()
    {
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { stop(); }

    QProcess& process() { return process_; }
    bool running() const { return process_.state() != QProcess::NotRunning; }

    void stop()
    {
        if (!running())
            return;
        // Asked first: the X server then removes its lock file and socket.
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

private:
    QProcess process_;
};

struct ToolRun {
    bool ok = false;
    QString output;
    QString problem;
};

ToolRun runTool(const QString& tool, const QStringList& arguments, const QProcessEnvironment& environment,
                Ms timeout = 10s)
{
    Child child;
    QProcess& process = child.process();
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    ToolRun run;
    if (!process.waitForFinished(static_cast<int>(timeout.count()))) {
        run.problem = tool + " " + arguments.join(' ') + ": " + process.errorString();
        return run;
    }
    run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.ok)
        run.problem = tool + " " + arguments.join(' ') + " failed with " + QString::number(process.exitCode()) +
                      ": " + QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        xvfbPath_ = QStandardPaths::findExecutable("Xvfb");
        xdotoolPath_ = QStandardPaths::findExecutable("xdotool");
        importPath_ = QStandardPaths::findExecutable("import");
        xpropPath_ = QStandardPaths::findExecutable("xprop");
        // A CI machine without the tools must not pass a test it never ran.
        const bool ci = !qEnvironmentVariableIsEmpty("CI");
        for (const auto& [path, tool] : {std::pair{xvfbPath_, "Xvfb"}, std::pair{xdotoolPath_, "xdotool"},
                                         std::pair{importPath_, "import (ImageMagick)"},
                                         std::pair{xpropPath_, "xprop (x11-utils)"}}) {
            if (path.isEmpty() && ci)
                FAIL() << tool << " is missing (scripts/install-deps.sh installs it)";
            if (path.isEmpty())
                GTEST_SKIP() << tool << " is missing (scripts/install-deps.sh installs it)";
        }
        ASSERT_TRUE(QFile::exists(RK_PROGRAM)) << "the program is not built: " << RK_PROGRAM;
        ASSERT_TRUE(temp_.isValid());
        ASSERT_NO_FATAL_FAILURE(startXServer());
        ASSERT_NO_FATAL_FAILURE(startProgram());
        ASSERT_NO_FATAL_FAILURE(findWindow());
    }

    void startXServer()
    {
        QProcess& xvfb = xvfb_.process();
        const QString log = temp_.filePath("xvfb.log");
        // A file, not a pipe: a server chatty on stderr must never block on it.
        xvfb.setStandardErrorFile(log);
        // -displayfd picks a free display number and reports it once clients
        // can connect, so there is neither a race for the number nor a guess
        // at when the server is up.
        xvfb.start(xvfbPath_, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-dpi", "96", "-nolisten",
                               "tcp", "-noreset"});
        const QDeadlineTimer deadline(limit(10s));
        while (!xvfb.canReadLine() && xvfb.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        }
        const QByteArray display = xvfb.readLine().trimmed();
        if (display.isEmpty()) {
            QFile file(log);
            (void)file.open(QIODevice::ReadOnly);
            FAIL() << "Xvfb reported no display: " << xvfb.errorString().toStdString() << "\n"
                   << file.readAll().toStdString();
        }
        xEnvironment_ = QProcessEnvironment::systemEnvironment();
        xEnvironment_.insert("DISPLAY", ":" + QString::fromLatin1(display));
    }

    void startProgram()
    {
        QProcessEnvironment environment = xEnvironment_;
        // The test runner asks for offscreen windows; this program must be on the X server.
        environment.insert("QT_QPA_PLATFORM", "xcb");
        // Scaling would move every pixel this test looks at.
        for (const char* name :
             {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
              "QT_FONT_DPI", "QT_DEVICE_PIXEL_RATIO"})
            environment.remove(name);
        environment.insert("XDG_RUNTIME_DIR", temp_.path());
        // No session bus: one started on demand would outlive the test.
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + temp_.filePath("no-bus"));
        QProcess& program = program_.process();
        program.setProcessEnvironment(environment);
        // Straight through, so a crash report or sanitizer finding shows in the test's output.
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(RK_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted(static_cast<int>(limit(10s).count())))
            << RK_PROGRAM << ": " << program.errorString().toStdString();
    }

    void findWindow()
    {
        // Polled rather than `search --sync`, which would wait forever for a
        // program that died before showing its window.
        const QDeadlineTimer deadline(limit(15s));
        QString window;
        for (;;) {
            const ToolRun search =
                runTool(xdotoolPath_, {"search", "--onlyvisible", "--name", "^RungeKutta$"}, xEnvironment_);
            window = search.output.section('\n', 0, 0).trimmed();
            if (!window.isEmpty())
                break;
            ASSERT_TRUE(program_.running()) << "the program ended before its window showed, exit code "
                                            << program_.process().exitCode();
            ASSERT_FALSE(deadline.hasExpired()) << "the window did not show";
            QThread::msleep(50);
        }

        window_ = window;
        const ToolRun geometry = runTool(xdotoolPath_, {"getwindowgeometry", "--shell", window}, xEnvironment_);
        ASSERT_TRUE(geometry.ok) << geometry.problem.toStdString();
        QSize size;
        for (const QString& line : geometry.output.split('\n', Qt::SkipEmptyParts)) {
            const QString key = line.section('=', 0, 0);
            const int value = line.section('=', 1).toInt();
            if (key == "X")
                origin_.setX(value);
            else if (key == "Y")
                origin_.setY(value);
            else if (key == "WIDTH")
                size.setWidth(value);
            else if (key == "HEIGHT")
                size.setHeight(value);
        }
        // With no window manager there is no frame: the window is the client area.
        ASSERT_EQ(size, kClientSize) << "a scaled or resized window would move every pixel checked here";
    }

    void xdotool(const QStringList& arguments)
    {
        const ToolRun run = runTool(xdotoolPath_, arguments, xEnvironment_);
        ASSERT_TRUE(run.ok) << run.problem.toStdString();
    }

    void movePointer(QPoint client)
    {
        const QPoint at = origin_ + client;
        xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
    }

    void click(QPoint client)
    {
        const QPoint at = origin_ + client;
        xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

    // The text, then Enter, into whichever box has the focus.
    void typeLine(const QString& line)
    {
        ASSERT_NO_FATAL_FAILURE(xdotool({"type", "--delay", "20", "--", line}));
        ASSERT_NO_FATAL_FAILURE(xdotool({"key", "Return"}));
    }

    QImage screenshot()
    {
        const QString file = temp_.filePath("screen.png");
        QFile::remove(file);
        const ToolRun run = runTool(importPath_, {"-silent", "-window", "root", file}, xEnvironment_);
        if (!run.ok) {
            ADD_FAILURE() << run.problem.toStdString();
            return {};
        }
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    // Screenshots until one satisfies `ready` or the time is up; the last one either way.
    QImage screenUntil(const std::function<bool(const QImage&)>& ready, Ms timeout)
    {
        const QDeadlineTimer deadline(timeout);
        for (;;) {
            QImage screen = screenshot();
            if (screen.isNull() || ready(screen) || deadline.hasExpired() || !program_.running())
                return screen;
            QThread::msleep(50);
        }
    }

    QRgb clientPixel(const QImage& screen, QPoint client) const
    {
        return screen.pixel(origin_ + client);
    }

    QRgb plotPixel(const QImage& screen, QPoint interior) const
    {
        return clientPixel(screen, kInteriorOrigin + interior);
    }

    // Every interior pixel of exactly `rgb` outside `except`.
    Pixels plotPixelsOf(const QImage& screen, QRgb rgb, QRect except) const
    {
        Pixels found;
        for (int row = 0; row < kInteriorSide; ++row)
            for (int column = 0; column < kInteriorSide; ++column)
                if (!except.contains(column, row) && plotPixel(screen, {column, row}) == rgb)
                    found.insert({column, row});
        return found;
    }

    bool anyPlotPixelNear(const QImage& screen, QRect area, QRgb rgb) const
    {
        for (int row = area.top(); row <= area.bottom(); ++row)
            for (int column = area.left(); column <= area.right(); ++column)
                if (isNear(plotPixel(screen, {column, row}), rgb))
                    return true;
        return false;
    }

    // Dark title text left in the top rows; the y axis and its ticks are
    // dark grey too and are passed over.
    bool titleShown(const QImage& screen) const
    {
        for (int row = 0; row < kTitleRows; ++row)
            for (int column = 0; column < kInteriorSide; ++column)
                if (std::abs(column - kYAxisColumn) > 5 && isDark(plotPixel(screen, {column, row})))
                    return true;
        return false;
    }

    // Lines of text in a box: bands of pixel rows with dark pixels inside its frame.
    int textLines(const QImage& screen, QRect box) const
    {
        const QRect inside = box.adjusted(4, 4, -4, -4);
        int bands = 0;
        bool inBand = false;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            bool dark = false;
            for (int x = inside.left(); x <= inside.right() && !dark; ++x)
                dark = qGray(clientPixel(screen, {x, y})) < 200; // the light rows of thin strokes count too
            if (dark && !inBand)
                ++bands;
            inBand = dark;
        }
        return bands;
    }

    QTemporaryDir temp_;
    QString xvfbPath_, xdotoolPath_, importPath_, xpropPath_;
    QString window_; // the program's window, as xdotool and xprop name it
    // Declared before the program, so the program is stopped first.
    Child xvfb_;
    Child program_;
    QProcessEnvironment xEnvironment_;
    QPoint origin_; // the client area's top-left on the screen
};

TEST_F(EndToEnd, RunOfEquationTwoIsPlottedWhereTheFrameMapsItAndEndQuits)
{
    QImage screen = screenUntil([&](const QImage& s) { return plotPixel(s, kAxisSample) == kStartUpAxisColour; },
                                limit(15s));
    ASSERT_FALSE(screen.isNull());
    ASSERT_EQ(text(plotPixel(screen, kAxisSample)), text(kStartUpAxisColour)) << "the start-up frame never showed";

    {
        SCOPED_TRACE("window properties");
        // The class ties the window to rungekutta.desktop; the icon is drawn
        // by the window manager and the task bar.
        const ToolRun properties = runTool(xpropPath_, {"-id", window_, "-notype", "WM_CLASS", "_NET_WM_ICON"},
                                           xEnvironment_);
        ASSERT_TRUE(properties.ok) << properties.problem.toStdString();
        const QStringList lines = properties.output.split('\n');
        const QStringList shown = lines.filter(QRegularExpression("^WM_CLASS|^_NET_WM_ICON|^\\s*Icon \\("));
        std::printf("%s\n", qPrintable(shown.join('\n')));
        EXPECT_TRUE(lines.contains("WM_CLASS = \"rungekutta\", \"rungekutta\"")) << properties.output.left(200).toStdString();
        EXPECT_FALSE(lines.filter(QRegularExpression("Icon \\(\\d+ x \\d+\\)")).isEmpty())
            << "no picture in _NET_WM_ICON: " << properties.output.left(200).toStdString();
    }

    // The second equation, "y' = x - y": the middle of the second row.
    ASSERT_NO_FATAL_FAILURE(click(kList2.topLeft() + QPoint(40, kListFrame + kListRowHeight + kListRowHeight / 2)));
    ASSERT_NO_FATAL_FAILURE(click(kReady.center()));
    // With no window manager the keyboard focus follows the pointer, so it
    // must stay over the window while typing.
    ASSERT_NO_FATAL_FAILURE(movePointer(kRestingSpot));

    {
        SCOPED_TRACE("after Ready");
        const auto cleared = [&](const QImage& s) {
            return plotPixel(s, kAxisSample) == kDarkGrey && !titleShown(s);
        };
        screen = screenUntil(cleared, limit(10s));
        ASSERT_FALSE(screen.isNull());
        EXPECT_EQ(text(plotPixel(screen, kAxisSample)), text(kDarkGrey)) << "the x axis is not redrawn in grey";
        EXPECT_FALSE(titleShown(screen)) << "the plot is not cleared";
        EXPECT_TRUE(anyPlotPixelNear(screen, kSolutionLegend, kSolutionColour)) << "no red legend";
        EXPECT_TRUE(anyPlotPixelNear(screen, kSlopeLegend, kSlopeColour)) << "no blue legend";
        EXPECT_EQ(textLines(screen, kList1), 0) << "the table is not cleared";
        ASSERT_FALSE(HasFailure()) << "the window is not ready for a run";
    }

    // x1, y1, x2: each Enter moves the focus to the next box by itself.
    for (const char* line : {"0", "1", "0.2"})
        ASSERT_NO_FATAL_FAILURE(typeLine(line));

    const QPoint lastPoint = interiorPixel(kRun.back().x, kRun.back().y);
    const auto finished = [&](const QImage& s) {
        return plotPixel(s, lastPoint) == kSolutionColour && textLines(s, kList1) == static_cast<int>(kRun.size());
    };
    screen = screenUntil(finished, limit(10s));
    ASSERT_FALSE(screen.isNull());
    EXPECT_EQ(textLines(screen, kList1), static_cast<int>(kRun.size())) << "one table line per step";

    Pixels solution, slope;
    for (const Step& step : kRun) {
        SCOPED_TRACE("x = " + std::to_string(step.x));
        const QPoint y = interiorPixel(step.x, step.y);
        // The slope tells equation 2 from equation 1, whose solution lands on
        // the same pixels this close to the start.
        const QPoint k1 = interiorPixel(step.x, step.x - step.y);
        EXPECT_EQ(text(plotPixel(screen, y)), text(kSolutionColour)) << "solution point at interior " << text(y);
        EXPECT_EQ(text(plotPixel(screen, k1)), text(kSlopeColour)) << "slope point at interior " << text(k1);
        solution.insert({y.x(), y.y()});
        slope.insert({k1.x(), k1.y()});
    }
    // Nothing else in the point colours: no stray, doubled or shifted point.
    EXPECT_EQ(plotPixelsOf(screen, kSolutionColour, kSolutionLegend), solution);
    EXPECT_EQ(plotPixelsOf(screen, kSlopeColour, kSlopeLegend), slope);

    // Help, for the README's picture: the steps appear in the help box.
    ASSERT_NO_FATAL_FAILURE(click(kHelp.center()));
    ASSERT_NO_FATAL_FAILURE(movePointer(kRestingSpot));
    const auto helpShown = [&](const QImage& s) { return textLines(s, kHelpBox) == kHelpLines; };
    screen = screenUntil(helpShown, limit(10s));
    EXPECT_EQ(textLines(screen, kHelpBox), kHelpLines) << "the help text does not show whole";
    if (const char* path = std::getenv("RK_SCREENSHOT"); path && *path && helpShown(screen)) {
        const QImage window = screen.copy(QRect(origin_, kClientSize));
        EXPECT_TRUE(window.save(QString::fromLocal8Bit(path), "PNG")) << "cannot write " << path;
        std::printf("screenshot: %s\n", path);
    }

    ASSERT_NO_FATAL_FAILURE(click(kEnd.center()));
    QProcess& program = program_.process();
    ASSERT_TRUE(program.waitForFinished(static_cast<int>(limit(5s).count()))) << "End did not quit the program";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace

int main(int argc, char* argv[])
{
    // QProcess wants an application object; no window is opened here.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
