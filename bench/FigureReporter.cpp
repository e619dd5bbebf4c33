#include "FigureReporter.h"

#include <cstdio>
#include <string>

namespace {

std::string unitOf(const std::string &name)
{
    if (name.ends_with("-ms"))
        return "ms";
    if (name.ends_with("-mb"))
        return "MB";
    if (name.ends_with("-ratio"))
        return "x";
    return "";
}

void print(const std::string &name, double value)
{
    std::printf("%s %.3f %s\n", name.c_str(), value, unitOf(name).c_str());
    std::fflush(stdout);
}

}

bool FigureReporter::ReportContext(const Context &)
{
    return true;
}

void FigureReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.error_occurred) {
            std::printf("%s error %s\n", run.benchmark_name().c_str(), run.error_message.c_str());
            continue;
        }
        const std::string name = run.benchmark_name();
        const std::string base = name.substr(0, name.find('/'));
        if (base.ends_with("-ms")) {
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            print(base, seconds * 1000.0);
        }
        for (const auto &[counter, value] : run.counters)
            print(counter, value.value);
    }
}
