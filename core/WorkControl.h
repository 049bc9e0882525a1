#pragma once
// How the window keeps long work on a worker thread in hand: the comparison
// of steps and methods and a run's reference solution alike.

#include <atomic>
#include <cstdint>
#include <functional>

namespace rk {

// `cancel` is polled as the work goes; `progress` hears how much of how
// much is done, on the thread that does the work. Either may be left out.
struct WorkControl {
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(std::int64_t done, std::int64_t total)> progress;

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
    void report(std::int64_t done, std::int64_t total) const
    {
        if (progress)
            progress(done, total);
    }
};

} // namespace rk
