// What the rules cost without any window: one market, one day, one whole game.
#include "bench/BenchGame.h"
#include "core/Market.h"

#include <benchmark/benchmark.h>
#include <random>

namespace dunemark::bench {
namespace {

std::uint64_t Seed() {
    std::random_device entropy;
    return (static_cast<std::uint64_t>(entropy()) << 32) ^ entropy();
}

void ReportBoxes(benchmark::State& state, const BenchGame& game) {
    state.counters["boxes"] = benchmark::Counter(static_cast<double>(game.messages.shown),
                                                 benchmark::Counter::kAvgIterations);
}

// The prices of the ten items in the three towns, each seeded from the clock.
void BM_GenerateMarket(benchmark::State& state) {
    BenchGame game(Seed());
    game.Start();
    for (auto _ : state) {
        GenerateMarket(game.vars, game.tables, game.services, 1);
        benchmark::DoNotOptimize(game.vars.MarketItems);
    }
}
BENCHMARK(BM_GenerateMarket);

// The same for a market game, whose draws come from the market's number, the day and the entry.
void BM_GenerateNumberedMarket(benchmark::State& state) {
    BenchGame game(Seed());
    game.tables.MarketNumber = 20261207;
    game.Start();
    std::int16_t day = 0;
    for (auto _ : state) {
        day = static_cast<std::int16_t>((day + 1) % GameDays);
        GenerateMarket(game.vars, game.tables, game.services, day);
        benchmark::DoNotOptimize(game.vars.MarketItems);
    }
}
BENCHMARK(BM_GenerateNumberedMarket);

// A click on another town: the move itself, the new market and the day's events. The days go
// round before the last one, so every iteration is an ordinary day.
void BM_Move(benchmark::State& state) {
    BenchGame game(Seed());
    game.Start();
    for (auto _ : state) {
        if (game.tables.CurrentDay >= game.tables.LastDay - 1)
            game.tables.CurrentDay = 1;
        benchmark::DoNotOptimize(game.Travel());
    }
    ReportBoxes(state, game);
}
BENCHMARK(BM_Move);

// A player's whole day: sell what is carried, buy a load, move on.
void BM_TradingDay(benchmark::State& state) {
    BenchGame game(Seed());
    game.Start();
    for (auto _ : state) {
        if (game.tables.CurrentDay >= game.tables.LastDay - 1)
            game.tables.CurrentDay = 1;
        game.Trade();
        benchmark::DoNotOptimize(game.Travel());
    }
    ReportBoxes(state, game);
}
BENCHMARK(BM_TradingDay);

// A new game played with trading every day until the move after the last day ends it.
void BM_WholeGame(benchmark::State& state) {
    BenchGame game(Seed());
    std::int64_t days = 0;
    for (auto _ : state) {
        game.Start();
        do {
            game.Trade();
            ++days;
        } while (game.Travel() != MoveResult::GameEnded);
        benchmark::DoNotOptimize(game.vars.Cash);
    }
    state.counters["days"] =
        benchmark::Counter(static_cast<double>(days), benchmark::Counter::kAvgIterations);
    ReportBoxes(state, game);
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dunemark::bench

BENCHMARK_MAIN();
