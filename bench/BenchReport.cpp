#include "bench/BenchReport.h"

#include <algorithm>
#include <fstream>

#include <unistd.h>

namespace rk::bench {

std::string processorName()
{
    std::string model = "unknown (no model name in /proc/cpuinfo)";
    std::ifstream info("/proc/cpuinfo");
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("model name", 0) == 0 && line.find(':') != std::string::npos) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    }
    return model + ", " + std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " online";
}

double fastest(const std::vector<double>& repetitions)
{
    return repetitions.empty() ? 0 : *std::min_element(repetitions.begin(), repetitions.end());
}

void fastestOfRepetitions(benchmark::internal::Benchmark* b, benchmark::TimeUnit unit, int repetitions)
{
    b->Unit(unit)->Repetitions(repetitions)->ReportAggregatesOnly(true)->ComputeStatistics("min", fastest);
}

} // namespace rk::bench
