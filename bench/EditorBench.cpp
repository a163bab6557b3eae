// The parameter editor runs on every step of a drag: one thumb move must stay
// far below a frame of a 60 Hz display (16.7 ms).
#include "params/EditorModel.h"
#include "params/LengthRanges.h"

#include <benchmark/benchmark.h>

namespace {

using kv::TEditorRow;

// Counts what a window would redraw.
class TCountingView : public kv::IEditorView {
  public:
    void Beep() override { ++Beeps; }
    void RowChanged(TEditorRow) override { ++Rows; }
    void FrequencyChanged() override {}
    long Beeps = 0, Rows = 0;
};

// A typical edited type: South a five-card spade suit and 12..14 HCP, North
// at least three hearts and at most 10 HCP.
void SetUpTypical(kv::TEditorModel& model) {
    auto drag = [&model](TEditorRow row, int target) {
        for (int p = model.Row(row).Position; p != target;) {
            p += p < target ? 1 : -1;
            model.TrackChange(row, p);
        }
    };
    drag(TEditorRow::SSpade, 5);
    drag(TEditorRow::SHCP, 12);
    model.PressMax(TEditorRow::SHCP);
    drag(TEditorRow::SHCP, 14);
    drag(TEditorRow::NHeart, 3);
    model.PressMax(TEditorRow::NHCP);
    drag(TEditorRow::NHCP, 10);
}

// One accepted suit-row move: the club minimum of North stepping 0 -> 1 -> 0.
void BM_SuitThumbMove(benchmark::State& state) {
    TCountingView view;
    kv::TEditorModel model(&view);
    SetUpTypical(model);
    int p = 0;
    for (auto _ : state) {
        p = 1 - p;
        model.TrackChange(TEditorRow::NClub, p);
    }
    if (view.Beeps != 0) state.SkipWithError("a typical move was refused");
    state.counters["rows redrawn/move"] =
        benchmark::Counter(static_cast<double>(view.Rows), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SuitThumbMove)->Unit(benchmark::kMicrosecond);

// One refused suit-row move (a crossing that leaves no South pattern).
void BM_RefusedSuitThumbMove(benchmark::State& state) {
    TCountingView view;
    kv::TEditorModel model(&view);
    for (TEditorRow row : {TEditorRow::SSpade, TEditorRow::SHeart, TEditorRow::SDiamond})
        for (int p = 1; p <= 4; ++p)
            model.TrackChange(row, p);
    for (auto _ : state)
        model.TrackChange(TEditorRow::SClub, 2);
    if (view.Beeps == 0) state.SkipWithError("the move was accepted");
}
BENCHMARK(BM_RefusedSuitThumbMove)->Unit(benchmark::kMicrosecond);

// One HCP-row move, for comparison.
void BM_HCPThumbMove(benchmark::State& state) {
    kv::TEditorModel model;
    SetUpTypical(model);
    int p = 12;
    model.PressMin(TEditorRow::SHCP);
    for (auto _ : state) {
        p = p == 12 ? 11 : 12;
        model.TrackChange(TEditorRow::SHCP, p);
    }
}
BENCHMARK(BM_HCPThumbMove)->Unit(benchmark::kMicrosecond);

// GetLengthRanges alone with no requests: every pattern is a candidate.
void BM_GetLengthRangesUnconstrained(benchmark::State& state) {
    const kv::TPatternList patterns;
    const kv::THandLengths none{{-1, -1, -1, -1}, {14, 14, 14, 14}};
    for (auto _ : state)
        benchmark::DoNotOptimize(kv::GetLengthRanges(patterns, {none, none}));
}
BENCHMARK(BM_GetLengthRangesUnconstrained)->Unit(benchmark::kMicrosecond);

// Building PatternList with its fit table, once at start-up.
void BM_BuildPatternList(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kv::TPatternList{});
}
BENCHMARK(BM_BuildPatternList)->Unit(benchmark::kMillisecond);

} // namespace
