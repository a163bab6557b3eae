// The command line's run end to end: unconstrained deals made and written as
// deal lines through the tool's output to /dev/null, in runs of growing length.
// Deals per second show what the output costs beside the engine alone
// (engine_bench); the growth of the peak resident size over the run shows that
// memory stays flat however many deals.
#include "QuietHost.h"
#include "tools/deal/src/DealRun.h"
#include "tools/deal/src/RunOutput.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

double PeakResidentKb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);
}

void RunToDevNull(benchmark::State& state) {
    kv::cli::TDealOptions options;
    options.Count = state.range(0);
    kv::bench::TQuietHost host;
    kv::TDealEngine engine;
    engine.Random().RandomSeed = 1;
    kv::TTypeList types(1);
    const double peakBefore = PeakResidentKb();
    for (auto _ : state) {
        kv::cli::TRunOutput out("/dev/null");
        benchmark::DoNotOptimize(
            kv::cli::RunDeals(engine, types, options, host, "2024.01.01", {}, out));
        out.Finish();
    }
    state.SetItemsProcessed(state.iterations() * options.Count);
    state.counters["peak_growth_kB"] = PeakResidentKb() - peakBefore;
}

BENCHMARK(RunToDevNull)->Arg(10000)->Arg(1000000)->Arg(5000000)->Unit(benchmark::kMillisecond);

} // namespace
