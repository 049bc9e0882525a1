#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace rk {

namespace {

// An option as the help shows it; one without a description is understood
// but not shown.
struct OptionRow {
    QStringList names;
    QString valueName; // empty: the option takes no value
    const char* description;
};

const OptionRow kOurOptions[] = {
    {{"h", "help"}, {}, "Show this help and exit."},
    {{"v", "version"}, {}, "Show the version and exit."},
};

// The toolkit reads these itself once it starts, and takes their values out
// of the arguments then. Those that take a value are named here so that the
// value is never read as one of ours: `-qwindowtitle --help` starts the
// window. The toolkit cannot be asked for them before it has a display.
const OptionRow kToolkitOptions[] = {
    {{"platform"}, "name[:options]", "Use the named platform plugin: xcb, wayland,\noffscreen, ..."},
    {{"platformtheme"}, "name", "Use the named platform theme."},
    {{"platformpluginpath"}, "path", "Also look for platform plugins in path."},
    {{"plugin"}, "name", "Load the named generic plugin."},
    {{"display"}, "host:screen", "Connect to this X server instead of $DISPLAY."},
    {{"qwindowgeometry"}, "geometry", "Place the window, in X geometry syntax (+100+50)."},
    {{"geometry"}, "geometry", "The same as -qwindowgeometry on X11."},
    {{"qwindowtitle"}, "title", "Set the window title."},
    {{"title"}, "title", nullptr},
    {{"qwindowicon"}, "file", "Set the window icon."},
    {{"icon"}, "file", nullptr},
    {{"style"}, "style", "Draw the controls in the named style (Fusion)."},
    {{"stylesheet"}, "file", "Apply the Qt style sheet in file."},
    {{"reverse"}, {}, "Lay the window out from right to left."},
    {{"session"}, "session", "Restore the program from an earlier session."},
    {{"widgetcount"}, {}, "On exit, print how many widgets were left."},
};

// "  -h, --help", or "  -platform name[:options]" as the toolkit takes its
// options, with one dash; the descriptions start in one column.
template <std::size_t N>
QString optionLines(const OptionRow (&rows)[N], bool toolkit)
{
    constexpr qsizetype kColumn = 30;
    QString lines;
    for (const OptionRow& row : rows) {
        if (!row.description)
            continue;
        QStringList names;
        for (const QString& name : row.names)
            names << (name.size() == 1 || toolkit ? "-" : "--") + name;
        QString head = "  " + names.join(", ") + (row.valueName.isEmpty() ? "" : " " + row.valueName);
        head = head.leftJustified(kColumn - 1) + ' ';
        lines += head + QString::fromUtf8(row.description).replace('\n', '\n' + QString(kColumn, ' ')) + '\n';
    }
    return lines;
}

QString helpText()
{
    return "Usage: rungekutta [options]\n"
           "Learn the fourth-order Runge-Kutta method on six equations y' = f(x, y).\n"
           "\n"
           "Options:\n" +
           optionLines(kOurOptions, false) +
           "\n"
           "Options of the Qt toolkit (with one dash or two), for example:\n" +
           optionLines(kToolkitOptions, true);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QCommandLineParser parser;
    // -platform as the toolkit writes it, and --platform alike.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto add = [&parser](const auto& rows) {
        for (const OptionRow& row : rows)
            parser.addOption(row.valueName.isEmpty() ? QCommandLineOption(row.names)
                                                     : QCommandLineOption(row.names, {}, row.valueName));
    };
    add(kOurOptions);
    add(kToolkitOptions);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The toolkit's other options are unknown here, which is no error: the
    // toolkit reads them.
    parser.parse(arguments);

    // The first that was asked for.
    for (const QString& name : parser.optionNames()) {
        if (name == "h" || name == "help") {
            const QByteArray text = helpText().toUtf8();
            std::fwrite(text.data(), 1, static_cast<std::size_t>(text.size()), stdout);
            return 0;
        }
        if (name == "v" || name == "version") {
            std::puts("rungekutta " RK_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace rk
