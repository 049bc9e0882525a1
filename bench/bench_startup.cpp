// Start-up to a mapped window: the program against its window written the
// plain way (plain_window), with an empty window of its size for scale, all
// started in turn on a private Xvfb with a private session bus, as on a
// desktop.
//
// Each start is timed from just before the process is spawned to the moment
// the X server maps its top-level window. The harness hears of that from
// the server itself: it watches the root window for MapNotify (structure
// changes of its children), so the time is the server's own order of
// events, not a poll. The first start of each is a warm-up and is not
// counted; after it the files and fonts are in the cache for all alike.
//
//   bench_startup <starts of each> <bare window> <plain window> <program>...
//
// Further programs (builds of the program without one of its start-up
// measures, say) are started in the same turns and compared alike.

#include "bench/BenchReport.h"
#include "bench/PrivateServer.h"

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Starter {
    xcb_connection_t* x = nullptr;
    xcb_window_t root = 0;
    std::vector<std::string> environment;

    // Milliseconds from the spawn to the map of a top-level window; a
    // negative value when the program failed to show one.
    double start(const char* program)
    {
        std::vector<char*> env;
        for (std::string& e : environment)
            env.push_back(e.data());
        env.push_back(nullptr);
        char* argv[] = {const_cast<char*>(program), nullptr};

        pid_t pid = -1;
        const Clock::time_point begin = Clock::now();
        if (posix_spawn(&pid, program, nullptr, nullptr, argv, env.data()) != 0)
            return -1;
        double elapsed = -1;
        const Clock::time_point deadline = begin + std::chrono::seconds(20);
        while (elapsed < 0 && Clock::now() < deadline) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(x), &std::free);
            if (!event) {
                pollfd ready{xcb_get_file_descriptor(x), POLLIN, 0};
                poll(&ready, 1, 100);
                continue;
            }
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            // Menus, tooltips and drag icons bypass the window manager;
            // the program's window does not.
            if (map->event == root && !map->override_redirect)
                elapsed = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        // Whatever the closing window reported is of no interest.
        free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
        while (xcb_generic_event_t* rest = xcb_poll_for_event(x))
            std::free(rest);
        return elapsed;
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string nameOf(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <starts of each> <bare window> <plain window> <program>...\n", argv[0]);
        return 2;
    }
    const int starts = std::max(1, std::atoi(argv[1]));
    const std::vector<const char*> programs(argv + 2, argv + argc);

    rk::bench::PrivateXServer server;
    const rk::bench::PrivateSessionBus bus;
    if (server.display().empty() || bus.address().empty())
        return 1;
    Starter starter;
    starter.x = xcb_connect(server.display().c_str(), nullptr);
    if (xcb_connection_has_error(starter.x)) {
        std::fprintf(stderr, "cannot connect to %s\n", server.display().c_str());
        return 1;
    }
    starter.root = xcb_setup_roots_iterator(xcb_get_setup(starter.x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(starter.x, xcb_change_window_attributes_checked(starter.x, starter.root, XCB_CW_EVENT_MASK, &mask));

    // The same environment for both, on the X platform of the private server.
    const auto ours = [](const char* e) {
        for (const char* name : {"DISPLAY=", "QT_QPA_PLATFORM=", "WAYLAND_DISPLAY=", "DBUS_SESSION_BUS_ADDRESS="})
            if (std::strncmp(e, name, std::strlen(name)) == 0)
                return true;
        return false;
    };
    for (char** e = environ; *e; ++e)
        if (!ours(*e))
            starter.environment.emplace_back(*e);
    starter.environment.push_back("DISPLAY=" + server.display());
    starter.environment.push_back("QT_QPA_PLATFORM=xcb");
    starter.environment.push_back("DBUS_SESSION_BUS_ADDRESS=" + bus.address());

    std::vector<std::vector<double>> ms(programs.size());
    for (int i = -1; i < starts; ++i) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const double t = starter.start(programs[p]);
            if (t < 0) {
                std::fprintf(stderr, "%s did not map a window\n", programs[p]);
                return 1;
            }
            if (i >= 0) // the first turn warms the caches
                ms[p].push_back(t);
        }
    }
    xcb_disconnect(starter.x);

    std::printf("processor: %s\n", rk::bench::processorName().c_str());
    std::printf("start-up to a mapped window, medians of %d starts each in turn under Xvfb with a session bus:\n",
                starts);
    const double plain = median(ms[1]);
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::printf("  %-28s %6.1f ms", nameOf(programs[p]).c_str(), median(ms[p]));
        if (p == 0)
            std::printf("   (an empty window, for scale)\n");
        else if (p == 1)
            std::printf("   (the yardstick)\n");
        else
            std::printf("   %.2fx the plain window%s\n", median(ms[p]) / plain, p == 2 ? " (goal at most 1.0x)" : "");
    }
    return 0;
}
