#pragma once
// What every benchmark's report shares: the machine it ran on, and the
// figure taken from repeated measurements.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace rk::bench {

// The processor's model name and how many of its cores are online, for the
// report's first line: figures from different machines must not be mixed up.
std::string processorName();

// The fastest of the repetitions: on a shared machine, the figure least
// disturbed by others.
double fastest(const std::vector<double>& repetitions);

// `repetitions` runs of the benchmark in `unit`, reported as their
// fastest ("min") alone.
void fastestOfRepetitions(benchmark::internal::Benchmark* b, benchmark::TimeUnit unit, int repetitions = 5);

} // namespace rk::bench
