#include "params/PatternList.h"

namespace kv {

TPatternList::TPatternList() {
    // Spades outermost and clubs taking the rest gives ascending 16-bit values.
    Hands.reserve(kPatternCount);
    for (int s = 0; s <= 13; ++s)
        for (int h = 0; h <= 13 - s; ++h)
            for (int d = 0; d <= 13 - s - h; ++d)
                Hands.emplace_back(MakePattern(s, h, d, 13 - s - h - d));

    Fits.resize(Hands.size());
    for (std::size_t i = 0; i < Hands.size(); ++i)
        for (std::size_t j = 0; j < Hands.size(); ++j)
            Fits[i][j] = FitsBeside(Hands[i].Pattern, Hands[j].Pattern);
}

} // namespace kv
