#include "Shapes.h"

#include <algorithm>
#include <array>

namespace kv::script {
namespace {

// True when the lengths fit the pattern with its suits in the order given.
bool Fits(const std::array<int, 4>& lengths, const std::array<char, 4>& pattern) {
    for (std::size_t i = 0; i < 4; ++i)
        if (pattern[i] != 'x' && pattern[i] - '0' != lengths[i]) return false;
    return true;
}

bool FitsAnyOrder(const std::array<int, 4>& lengths, std::array<char, 4> pattern) {
    std::sort(pattern.begin(), pattern.end());
    do {
        if (Fits(lengths, pattern)) return true;
    } while (std::next_permutation(pattern.begin(), pattern.end()));
    return false;
}

} // namespace

std::string ApplyShape(TShapeSet& set, std::string_view text, bool any, bool remove) {
    std::array<char, 4> pattern{};
    int cards = 0, wild = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        pattern[i] = text[i];
        if (text[i] == 'x') {
            ++wild;
        } else {
            cards += text[i] - '0';
        }
    }
    const std::string shown(text.substr(0, 4));
    if (wild == 0 && cards != 13) return "the shape " + shown + " does not hold 13 cards";
    if (cards > 13) return "the shape " + shown + " holds more than 13 cards";
    for (int s = 0; s <= 13; ++s)
        for (int h = 0; s + h <= 13; ++h)
            for (int d = 0; s + h + d <= 13; ++d) {
                const std::array<int, 4> lengths{s, h, d, 13 - s - h - d};
                if (any ? FitsAnyOrder(lengths, pattern) : Fits(lengths, pattern))
                    set.Set(TShapeSet::Code(s, h, d), !remove);
            }
    return "";
}

} // namespace kv::script
