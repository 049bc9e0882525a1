#include "bench/PrivateXServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace rk::bench {

PrivateXServer::PrivateXServer()
{
    int ready[2];
    if (pipe(ready) != 0)
        return;
    // Xvfb writes the number of the display it chose to the descriptor once
    // it accepts clients: no guessing of a free number, no waiting by time.
    const std::string fd = std::to_string(ready[1]);
    std::vector<std::string> args{"Xvfb", "-displayfd", fd, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int failed = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (failed) {
        pid_ = -1;
        close(ready[0]);
        std::fprintf(stderr, "could not start Xvfb\n");
        return;
    }
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    char c;
    while (poll(&wait, 1, 20000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (!number.empty())
        display_ = ":" + number;
    else
        std::fprintf(stderr, "Xvfb did not report a display\n");
}

PrivateXServer::~PrivateXServer()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

} // namespace rk::bench
