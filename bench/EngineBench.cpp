// Deals per second of GenerateDeal for each benchmark type, on the cached
// pattern path that the program uses and on the literal path for comparison.
#include "BenchTypes.h"
#include "QuietHost.h"
#include "DealEngine.h"

#include <benchmark/benchmark.h>

namespace {

using kv::bench::TQuietHost;

void GenerateDeals(benchmark::State& state, kv::THandParam type, kv::TDealEngine::TPatternPath path)
{
    kv::TDealEngine engine(path);
    engine.Random.RandomSeed = 12345;
    kv::TTypeList types{type};
    TQuietHost host;
    std::int64_t failures = 0;
    for (auto _ : state) failures += !engine.GenerateDeal(types, host);
    state.SetItemsProcessed(state.iterations());
    state.counters["deals/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["failures"] = static_cast<double>(failures);
}

int RegisterAll()
{
    for (const auto& [name, type] : kv::bench::BenchTypes()) {
        benchmark::RegisterBenchmark(("GenerateDeal/" + name).c_str(), GenerateDeals, type,
                                     kv::TDealEngine::TPatternPath::Cached);
        benchmark::RegisterBenchmark(("GenerateDealLiteral/" + name).c_str(), GenerateDeals, type,
                                     kv::TDealEngine::TPatternPath::Literal);
    }
    return 0;
}

const int registered = RegisterAll();

} // namespace
