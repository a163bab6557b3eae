// How long the print library takes to lay out a whole run into a PDF: the
// deals added, one copy in each of the six layouts, the document finished.
#include "QuietHost.h"
#include "engine/DealEngine.h"
#include "engine/GenerateDeal.h"
#include "output/dealtext/DealText.h"
#include "output/print/PrintCounts.h"
#include "output/print/PrintLibrary.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using kv::bench::TQuietHost;

std::vector<std::string> Deals(int n) {
    kv::TDealEngine engine;
    engine.Random().RandomSeed = 99;
    kv::TTypeList types{kv::THandParam{}};
    TQuietHost host;
    std::vector<std::string> deals;
    for (int k = 0; k < n; ++k) {
        const kv::TFullDeal deal = kv::GenerateDeal(engine, types, host).Deal;
        deals.push_back(kv::DealText(deal.North(), deal.East(), deal.South(), deal.West()));
    }
    return deals;
}

void BM_PrintRunIntoPdf(benchmark::State& state) {
    QTemporaryDir dir;
    kv::TPrintLibrary library(QStringLiteral(KV_REAL_PRINT_LIB));
    if (library.Bind() != kv::TBindResult::Bound) {
        state.SkipWithError("print library not found");
        return;
    }
    library.SetOutput({QString(), dir.filePath("bench.pdf"), QSize(), false});
    const std::vector<std::string> deals = Deals(static_cast<int>(state.range(0)));
    const kv::TPrintCounts all{0, 1, 1, 1, 1, 1, 1, true};
    for (auto _ : state) {
        for (const std::string& deal : deals)
            library.AddDeal(deal);
        for (const kv::TLayoutCopies& layout : kv::CopiesInPrintOrder(all))
            library.PrintMulti(
                {layout.Layout, -1, layout.Title, "", kv::kPrintBanner, '1', true, true, true});
        library.ClearDeals();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PrintRunIntoPdf)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
