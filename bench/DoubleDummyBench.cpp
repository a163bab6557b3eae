// Boards per second of full double-dummy tables: one table at a time against
// batches of the solver's maximum on every core.
#include "QuietHost.h"
#include "engine/DealEngine.h"
#include "engine/GenerateDeal.h"
#include "engine/doubledummy/DoubleDummy.h"

#include <benchmark/benchmark.h>

namespace {

using kv::bench::TQuietHost;

std::vector<kv::TFullDeal> Deals(int n) {
    kv::TDealEngine engine;
    engine.Random().RandomSeed = 2026;
    kv::TTypeList types{kv::THandParam{}};
    TQuietHost host;
    std::vector<kv::TFullDeal> deals;
    for (int i = 0; i < n; ++i) {
        deals.push_back(kv::GenerateDeal(engine, types, host).Deal);
    }
    return deals;
}

constexpr int kBoards = 80;

void OneTableAtATime(benchmark::State& state) {
    const auto deals = Deals(kBoards);
    for (auto _ : state)
        for (const auto& d : deals)
            benchmark::DoNotOptimize(kv::SolveTable(d));
    state.counters["boards/s"] = benchmark::Counter(double(kBoards) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}

void Batched(benchmark::State& state) {
    const auto deals = Deals(kBoards);
    for (auto _ : state)
        benchmark::DoNotOptimize(kv::SolveTables(deals));
    state.counters["boards/s"] = benchmark::Counter(double(kBoards) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}

BENCHMARK(OneTableAtATime)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(Batched)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

} // namespace
