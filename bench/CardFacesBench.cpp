// The cost of the card faces: building all 52 images at start-up, and laying
// out and drawing one hand's row, which every "Next Hand" does twice.
#include "output/cardfaces/CardFaces.h"
#include "output/cardfaces/CardRow.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BuildCardImages(benchmark::State& state) {
    for (auto _ : state) {
        kv::TCardImages images;
        images.BuildCardImages();
        benchmark::DoNotOptimize(images.Image(52).constBits());
    }
}
BENCHMARK(BM_BuildCardImages)->Unit(benchmark::kMillisecond);

void BM_DrawOneRow(benchmark::State& state) {
    kv::TCardImages images;
    images.BuildCardImages();
    kv::tHand hand;
    for (int s = 0; s < 4; ++s) {
        kv::tSuit& suit = hand.Suit(s);
        suit.Count = s == 0 ? 4 : 3;
        for (int p = 0; p < suit.Count; ++p)
            suit.Cards[p] = static_cast<std::uint8_t>(14 - 3 * p);
    }
    QImage surface(239, 96, QImage::Format_RGB32);
    for (auto _ : state) {
        surface.fill(qRgb(0, 128, 0));
        int x = 0;
        for (const int card : kv::CardRow(hand, false)) {
            images.DrawCard(surface, card, x, 0);
            x += 14;
        }
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_DrawOneRow)->Unit(benchmark::kMicrosecond);

} // namespace
