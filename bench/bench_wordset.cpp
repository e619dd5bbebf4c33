#include "game/Module1.h"
#include "wordset/DefaultWordSet.h"
#include "wordset/Maintenance.h"
#include "wordset/WordFile.h"
#include "wordset/WordSetModel.h"
#include "wordset/WordText.h"

#include <QFile>

#include <QListView>

#include <benchmark/benchmark.h>


namespace {

// Parsing the built-in list, which the program does once per process.
void defaultParse(benchmark::State &state)
{
    QFile file(QStringLiteral(":/default-words.txt"));
    file.open(QIODevice::ReadOnly);
    const QByteArray text = file.readAll();
    for (auto _ : state) {
        WordListPtr list = makeWordList(WordText::parse(std::string_view(text.constData(), text.size())));
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(defaultParse)->Name("default-parse-ms")->Unit(benchmark::kMillisecond)->UseRealTime();

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
