#include "game/Module1.h"
#include "player/ComputerPlayer.h"
#include "player/GameView.h"
#include "player/ScanYield.h"
#include "wordset/DefaultWordSet.h"
#include "wordset/WordSetHost.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

class DefaultWords : public WordSetHost
{
public:
    WordListPtr wordSet() override { return defaultWordList(); }
    bool wordSetWindowVisible() override { return false; }
};

class QuietView : public GameView
{
public:
    void setBanner(const QString &) override {}
    void startTimer2() override {}
    void repaintNow() override {}
    void ScoreLetter1() override {}
};

// A coin that always says "after".
class AfterCoin : public RandomSource
{
public:
    int draw(int, int high) override { return high; }
};

struct Game
{
    Game()
    {
        m.R = std::make_unique<AfterCoin>();
        defaultWordList();
    }

    Module1 m;
    DefaultWords words;
    QuietView view;
};

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The costliest move on the default set: after "zin", 249 refused candidates,
// each looked up by a scan that runs to "zing", before "zins" is accepted.
void worstMove(benchmark::State &state)
{
    Game game;
    ScanYield yield = ScanYield::servingEventLoop();
    ComputerPlayer player(game.m, game.words, game.view, yield);
    for (auto _ : state) {
        game.m.WordString = "zin";
        player.CheckValidity1();
    }
    if (!game.m.LetterFound || game.m.TryLetter.empty())
        state.SkipWithError("the move found no letter");
}
BENCHMARK(worstMove)->Name("worst-move-zin-after-ms")->Unit(benchmark::kMillisecond)->UseRealTime();

void judgeImpossible(benchmark::State &state)
{
    Game game;
    ScanYield yield = ScanYield::servingEventLoop();
    ComputerPlayer player(game.m, game.words, game.view, yield);
    for (auto _ : state) {
        game.m.WordString = "qx";
        player.CheckValidity2R();
    }
    if (!game.m.GongFlag)
        state.SkipWithError("qx was judged possible");
}
BENCHMARK(judgeImpossible)->Name("judge-impossible-ms")->Unit(benchmark::kMillisecond)->UseRealTime();

// The longest the event loop waits during the worst move, from the start of
// the move to its end, with the game's own yield hook.
void eventGap(benchmark::State &state)
{
    Game game;
    double longest = 0;
    for (auto _ : state) {
        Clock::time_point last = Clock::now();
        ScanYield yield = ScanYield::servingEventLoop([&] {
            QCoreApplication::processEvents();
            longest = std::max(longest, millisecondsSince(last));
            last = Clock::now();
        });
        ComputerPlayer player(game.m, game.words, game.view, yield);
        game.m.WordString = "zin";
        player.CheckValidity1();
        longest = std::max(longest, millisecondsSince(last));
    }
    state.counters["max-event-gap-ms"] = longest;
}
BENCHMARK(eventGap)->Iterations(5);

// What serving the event loop after every row would cost, against the hook.
void naiveYield(benchmark::State &state)
{
    Game game;
    const auto judge = [&](ScanYield &yield) {
        ComputerPlayer player(game.m, game.words, game.view, yield);
        const Clock::time_point start = Clock::now();
        game.m.WordString = "qx";
        player.CheckValidity2R();
        return millisecondsSince(start);
    };
    double ratio = 0;
    for (auto _ : state) {
        ScanYield everyRow([] { QCoreApplication::processEvents(); });
        const double naive = judge(everyRow);
        double production = 1e9;
        for (int i = 0; i < 20; ++i) {
            ScanYield hook = ScanYield::servingEventLoop();
            production = std::min(production, judge(hook));
        }
        ratio = naive / production;
    }
    state.counters["naive-yield-ratio"] = ratio;
}
BENCHMARK(naiveYield)->Iterations(1);

}
