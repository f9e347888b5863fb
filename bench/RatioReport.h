#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// A measured benchmark, the yardstick it is held against, and the largest
// ratio of their times that meets the goal.
struct RatioTarget {
    std::string measured;
    std::string yardstick;
    double limit;
};

// Shows the runs as the console reporter does and keeps each benchmark's CPU time
// per iteration (the median when repetitions are asked for), so that the
// ratios can be printed once everything has run.
class RatioReport : public benchmark::ConsoleReporter
{
public:
    // Colours only on a terminal, so that a saved run reads cleanly.
    RatioReport();

    void ReportRuns(const std::vector<Run> &runs) override;

    // Prints the title, then one line per target; returns how many targets were missed.
    int printRatios(const std::vector<RatioTarget> &targets, const char *title) const;

private:
    std::map<std::string, double> milliseconds_;
    std::map<std::string, bool> fromMedian_;
};
