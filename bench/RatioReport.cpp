#include "RatioReport.h"

#include <cstdio>
#include <unistd.h>

RatioReport::RatioReport() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
{
}

void RatioReport::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.error_occurred)
            continue;
        const std::string &name = run.run_name.function_name;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median)
            continue;
        if (fromMedian_[name] && !median)
            continue;
        const double seconds =
            run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        milliseconds_[name] = seconds * 1000.0;
        fromMedian_[name] = median;
    }
}

int RatioReport::printRatios(const std::vector<RatioTarget> &targets, const char *title) const
{
    std::printf("\n%s\n", title);
    std::printf("%-26s %10s %10s %7s %8s\n", "benchmark", "ms", "yardstick", "ratio", "goal");
    int missed = 0;
    for (const RatioTarget &target : targets) {
        const auto measured = milliseconds_.find(target.measured);
        const auto yardstick = milliseconds_.find(target.yardstick);
        if (measured == milliseconds_.end() || yardstick == milliseconds_.end())
            continue; // filtered out of this run
        const double ratio = measured->second / yardstick->second;
        const bool met = ratio <= target.limit;
        missed += !met;
        std::printf("%-26s %10.3f %10.3f %7.2f %5s%.1f %s\n", target.measured.c_str(),
                    measured->second, yardstick->second, ratio, "<= ", target.limit,
                    met ? "met" : "MISSED");
    }
    return missed;
}
