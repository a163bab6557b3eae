// Deals per second of the deal generator for each benchmark type, on the cached
// pattern path that the program uses and on the literal path for comparison,
// and the time to fill a type's pattern cache.
#include "BenchTypes.h"
#include "engine/DealEngine.h"

#include <benchmark/benchmark.h>

namespace {

void GenerateDeals(benchmark::State& state, kv::THandParam type,
                   kv::TDealEngine::TPatternPath path) {
    kv::TDealEngine engine(path);
    engine.Random().RandomSeed = 12345;
    kv::TTypeList types{type};
    std::int64_t failures = 0;
    for (auto _ : state)
        failures += !engine.Deal(types).Dealt();
    state.SetItemsProcessed(state.iterations());
    state.counters["deals/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["failures"] = static_cast<double>(failures);
}

// Filling a type's pattern cache: South's list and North's beside every South
// pattern, each with its draw thresholds. Paid once per type and engine.
void FillPatternCache(benchmark::State& state, kv::THandParam type) {
    for (auto _ : state) {
        kv::TTypePatterns patterns(type);
        for (std::size_t i = 0; i < patterns.South().Size(); ++i)
            benchmark::DoNotOptimize(&patterns.NorthBeside(patterns.South().Code(i)));
    }
}

int RegisterAll() {
    for (const auto& [name, type] : kv::bench::BenchTypes()) {
        benchmark::RegisterBenchmark(("GenerateDeal/" + name).c_str(), GenerateDeals, type,
                                     kv::TDealEngine::TPatternPath::Cached);
        benchmark::RegisterBenchmark(("GenerateDealLiteral/" + name).c_str(), GenerateDeals, type,
                                     kv::TDealEngine::TPatternPath::Literal);
    }
    for (const auto& [name, type] : kv::bench::BenchTypes())
        benchmark::RegisterBenchmark(("FillPatternCache/" + name).c_str(), FillPatternCache, type)
            ->Unit(benchmark::kMillisecond);
    return 0;
}

const int registered = RegisterAll();

} // namespace
