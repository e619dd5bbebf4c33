#include "game/Module1.h"
#include "wordset/DefaultWordSet.h"
#include "wordset/Maintenance.h"
#include "wordset/WordFile.h"
#include "wordset/WordSetModel.h"

#include <QListView>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// Parsing the built-in list, which happens once per process.
void defaultParse(benchmark::State &state)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        WordListPtr list = defaultWordList();
        benchmark::DoNotOptimize(list);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.counters["default-parse-ms"] = elapsed.count() * 1000.0;
    }
}
BENCHMARK(defaultParse)->Iterations(1);

// Creating the window as the game does after a close: the saved word file
// of the default words is read back.
void maintenanceOpen(benchmark::State &state)
{
    Module1 m;
    if (!WordFile::write(WordFile::savedWordFilePath(), defaultWordList()->words()).isEmpty()) {
        state.SkipWithError("cannot write the saved word file");
        return;
    }
    if (Maintenance(m).wordSet() == defaultWordList()) {
        state.SkipWithError("the saved word file was not read");
        return;
    }
    for (auto _ : state) {
        Maintenance window(m);
        benchmark::DoNotOptimize(window.wordSet());
    }
}
BENCHMARK(maintenanceOpen)->Name("maintenance-open-ms")->Unit(benchmark::kMillisecond)->UseRealTime();

void defaultAction(benchmark::State &state)
{
    Module1 m;
    Maintenance window(m);
    auto *model = static_cast<WordSetModel *>(window.Wordwell->model());
    for (auto _ : state) {
        state.PauseTiming();
        model->setWords(makeWordList({"edited"}));
        state.ResumeTiming();
        window.Default_Action();
    }
}
BENCHMARK(defaultAction)->Name("default-action-ms")->Unit(benchmark::kMillisecond)->UseRealTime();

}
