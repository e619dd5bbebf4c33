#pragma once

#include <benchmark/benchmark.h>

// Prints each benchmark as one figure, "name value unit": a benchmark named
// "x-ms" gives its real time per iteration in milliseconds, and every counter
// is a figure of its own, its unit taken from the end of its name.
class FigureReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context &context) override;
    void ReportRuns(const std::vector<Run> &runs) override;
};
