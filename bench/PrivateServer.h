#pragma once
// Servers of the benchmark's own, for as long as the objects live: an Xvfb
// and a session bus, as a desktop session has both.

#include <string>
#include <vector>
#include <sys/types.h>

namespace rk::bench {

// A server that writes where it listens to a descriptor once it accepts
// clients: no guessing of a free name, no waiting by time.
class PrivateServer {
public:
    // "{fd}" in an argument stands for the descriptor the server writes to.
    explicit PrivateServer(std::vector<std::string> args);
    ~PrivateServer();
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    // The first line the server wrote; empty when it could not be started.
    const std::string& announced() const { return announced_; }

private:
    pid_t pid_ = -1;
    std::string announced_;
};

class PrivateXServer {
public:
    PrivateXServer();
    // ":<number>", or empty when the server could not be started.
    std::string display() const;

private:
    PrivateServer server_;
};

// Without a session bus the toolkit's accessibility bridge makes the D-Bus
// library try to start one through the display, a fork and exec that no
// desktop start pays.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    // The bus's address, or empty when it could not be started.
    const std::string& address() const { return server_.announced(); }

private:
    PrivateServer server_;
};

} // namespace rk::bench
