#pragma once
// An Xvfb of the benchmark's own, on a display number it picks itself, for
// as long as the object lives.

#include <string>
#include <sys/types.h>

namespace rk::bench {

class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":<number>", or empty when the server could not be started.
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

} // namespace rk::bench
