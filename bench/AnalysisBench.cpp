// Boards per second of the analysis's solver against libdds called directly on
// the same deals in the same run: (a) full tables, (b) one declarer in one
// denomination (libdds through its binary and its PBN entry), and North and
// South in one and in all denominations on either path, which decides the
// path the analysis takes. Then "Shape and points" for a million deals, which
// needs no solver.
#include "QuietHost.h"
#include "analysis/AnalysisRun.h"
#include "analysis/TrickSolver.h"
#include "engine/GenerateDeal.h"
#include "output/dealtext/DealText.h"

#include <benchmark/benchmark.h>
#include <dds/dll.h>

#include <memory>

namespace {

using namespace kv;
using namespace kv::analysis;

std::vector<TDealResult> Deals(int n) {
    TDealEngine engine;
    engine.Random().RandomSeed = 2026;
    TTypeList types{THandParam{}};
    bench::TQuietHost host;
    std::vector<TDealResult> deals;
    for (int i = 1; i <= n; ++i) {
        deals.push_back(ResultOf(GenerateDeal(engine, types, host).Deal, i, 0));
    }
    return deals;
}

void Cards(const TDealResult& d, unsigned int (&cards)[DDS_HANDS][DDS_SUITS]) {
    for (std::size_t h = 0; h < 4; ++h)
        for (std::size_t s = 0; s < 4; ++s)
            cards[h][s] = d.Holdings[h][s];
}

void Rate(benchmark::State& state, std::size_t deals) {
    state.counters["boards/s"] =
        benchmark::Counter(double(deals) * double(state.iterations()), benchmark::Counter::kIsRate);
}

constexpr int kTableDeals = 40;
constexpr int kBoardDeals = 200;

void FullTablesAnalysis(benchmark::State& state) {
    auto deals = Deals(kTableDeals);
    TDdsSolver solver(TSolverPath::Tables);
    for (auto _ : state)
        solver.Solve(deals, TSolveOrder{{0, 1, 2, 3, 4}, true, true});
    Rate(state, deals.size());
}

void FullTablesLibdds(benchmark::State& state) {
    const auto deals = Deals(kTableDeals);
    auto batch = std::make_unique<ddTableDeals>();
    auto results = std::make_unique<ddTablesRes>();
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    for (auto _ : state)
        for (std::size_t start = 0; start < deals.size(); start += MAXNOOFTABLES) {
            const std::size_t n = std::min<std::size_t>(MAXNOOFTABLES, deals.size() - start);
            batch->noOfTables = static_cast<int>(n);
            for (std::size_t i = 0; i < n; ++i)
                Cards(deals[start + i], batch->deals[i].cards);
            CalcAllTables(batch.get(), -1, filter, results.get(), nullptr);
        }
    Rate(state, deals.size());
}

void OneDeclarerOneStrainAnalysis(benchmark::State& state) {
    auto deals = Deals(kBoardDeals);
    TDdsSolver solver;
    for (auto _ : state)
        solver.Solve(deals, TSolveOrder{{0}, true, false});
    Rate(state, deals.size());
}

// 3NT by North: East leads.
void OneDeclarerOneStrainLibdds(benchmark::State& state) {
    const auto deals = Deals(kBoardDeals);
    auto batch = std::make_unique<boards>();
    auto solved = std::make_unique<solvedBoards>();
    for (auto _ : state)
        for (std::size_t start = 0; start < deals.size(); start += MAXNOOFBOARDS) {
            const std::size_t n = std::min<std::size_t>(MAXNOOFBOARDS, deals.size() - start);
            batch->noOfBoards = static_cast<int>(n);
            for (std::size_t i = 0; i < n; ++i) {
                batch->deals[i] = {};
                batch->deals[i].trump = 4, batch->deals[i].first = 1;
                Cards(deals[start + i], batch->deals[i].remainCards);
                batch->target[i] = -1, batch->solutions[i] = 1, batch->mode[i] = 1;
            }
            SolveAllChunksBin(batch.get(), solved.get(), 1);
        }
    Rate(state, deals.size());
}

// The same through SolveAllBoards, which takes each deal as PBN text.
void OneDeclarerOneStrainLibddsPbn(benchmark::State& state) {
    const auto deals = Deals(kBoardDeals);
    auto batch = std::make_unique<boardsPBN>();
    auto solved = std::make_unique<solvedBoards>();
    for (auto _ : state)
        for (std::size_t start = 0; start < deals.size(); start += MAXNOOFBOARDS) {
            const std::size_t n = std::min<std::size_t>(MAXNOOFBOARDS, deals.size() - start);
            batch->noOfBoards = static_cast<int>(n);
            for (std::size_t i = 0; i < n; ++i) {
                const TFullDeal d = DealOf(deals[start + i]);
                const std::string text = "N:" + HandText(d.Hands[0]) + " " + HandText(d.Hands[1]) +
                                         " " + HandText(d.Hands[2]) + " " + HandText(d.Hands[3]);
                batch->deals[i] = {};
                batch->deals[i].trump = 4, batch->deals[i].first = 1;
                text.copy(batch->deals[i].remainCards, sizeof batch->deals[i].remainCards - 1);
                batch->target[i] = -1, batch->solutions[i] = 1, batch->mode[i] = 1;
            }
            SolveAllBoards(batch.get(), solved.get());
        }
    Rate(state, deals.size());
}

// North and South in notrump: two single boards, or one filtered table.
void BothSeatsOneStrain(benchmark::State& state) {
    auto deals = Deals(kBoardDeals / 2);
    TDdsSolver solver(state.range(0) == 0 ? TSolverPath::Boards : TSolverPath::Tables);
    for (auto _ : state)
        solver.Solve(deals, TSolveOrder{{0}, true, true});
    Rate(state, deals.size());
}

// North and South in every denomination: ten single boards, or one table.
void BothSeatsAllStrains(benchmark::State& state) {
    auto deals = Deals(kTableDeals);
    TDdsSolver solver(state.range(0) == 0 ? TSolverPath::Boards : TSolverPath::Tables);
    for (auto _ : state)
        solver.Solve(deals, TSolveOrder{{0, 1, 2, 3, 4}, true, true});
    Rate(state, deals.size());
}

void ShapeAndPointsMillion(benchmark::State& state) {
    TAnalysisRequest request;
    request.Seed = 2026;
    request.Count = 1000000;
    request.Types = {THandParam{}};
    TDdsSolver solver;
    for (auto _ : state)
        benchmark::DoNotOptimize(RunAnalysis(request, solver, false).Summary.Deals);
    state.counters["deals/s"] =
        benchmark::Counter(1e6 * double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(FullTablesAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(FullTablesLibdds)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(OneDeclarerOneStrainAnalysis)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(OneDeclarerOneStrainLibdds)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(OneDeclarerOneStrainLibddsPbn)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BothSeatsOneStrain)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BothSeatsAllStrains)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(ShapeAndPointsMillion)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
