#include "game/Module1.h"
#include "wordset/DefaultWordSet.h"
#include "wordset/Maintenance.h"
#include "wordset/WordFile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// Random lowercase words of 3 to 12 letters, in no order.
std::vector<std::string> randomWords(std::size_t count)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> length(3, 12);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::vector<std::string> words(count);
    for (std::string &word : words) {
        word.resize(static_cast<std::size_t>(length(random)));
        for (char &c : word)
            c = static_cast<char>(letter(random));
    }
    return words;
}

// A text file of a million words, replacing the set and sorted as "Load
// File" does once its dialog has closed.
void loadMillionWords(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("million.txt"));
    if (!WordFile::write(path, randomWords(1'000'000)).isEmpty()) {
        state.SkipWithError("cannot write the word file");
        return;
    }
    Module1 m;
    Maintenance window(m);
    for (auto _ : state) {
        window.readTextFile(path);
        window.SortTable->click();
        window.DevTest_Action();
    }
}
BENCHMARK(loadMillionWords)->Name("load-1m-words-ms")->Unit(benchmark::kMillisecond)->UseRealTime();

// One word typed and added to the full default set, sort included.
void addWord(benchmark::State &state)
{
    const std::vector<std::string> words = randomWords(1024);
    Module1 m;
    Maintenance window(m);
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.NewWord->setText(QString::fromStdString(words[next++ % words.size()]));
        state.ResumeTiming();
        window.AddWord->click();
    }
}
BENCHMARK(addWord)->Name("add-word-ms")->Unit(benchmark::kMillisecond)->UseRealTime();

// The saved word file written for the default set, as every close does.
void saveDefault(benchmark::State &state)
{
    Module1 m;
    Maintenance window(m);
    for (auto _ : state) {
        if (!window.savePlistSimple().isEmpty()) {
            state.SkipWithError("cannot write the saved word file");
            break;
        }
    }
}
BENCHMARK(saveDefault)->Name("save-default-ms")->Unit(benchmark::kMillisecond)->UseRealTime();

}
