#include "bench/PrivateServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

extern char** environ;

namespace rk::bench {

PrivateServer::PrivateServer(std::vector<std::string> args)
{
    int ready[2];
    if (pipe(ready) != 0)
        return;
    for (std::string& a : args)
        if (const auto at = a.find("{fd}"); at != std::string::npos)
            a.replace(at, 4, std::to_string(ready[1]));
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int failed = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (failed) {
        pid_ = -1;
        close(ready[0]);
        std::fprintf(stderr, "could not start %s\n", argv[0]);
        return;
    }
    std::string line;
    pollfd wait{ready[0], POLLIN, 0};
    char c;
    while (poll(&wait, 1, 20000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(ready[0]);
    announced_ = line;
    if (line.empty())
        std::fprintf(stderr, "%s did not say where it listens\n", argv[0]);
}

PrivateServer::~PrivateServer()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

PrivateXServer::PrivateXServer()
    : server_({"Xvfb", "-displayfd", "{fd}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"})
{
}

std::string PrivateXServer::display() const
{
    return server_.announced().empty() ? std::string() : ":" + server_.announced();
}

PrivateSessionBus::PrivateSessionBus() : server_({"dbus-daemon", "--session", "--nofork", "--print-address={fd}"}) {}

} // namespace rk::bench
