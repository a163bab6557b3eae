#pragma once
// What one call of the deal generator gives back: the deal and the type it
// meets, or why there is none; and in either case the types found to admit
// no deal at all.

#include "engine/FullDeal.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace kv {

enum class TDealFailure {
    None,
    TooNarrow, // 59 attempts made no deal
    NoTypes    // no type is left to deal from
};

struct TDealOutcome {
    TFullDeal Deal;       // North, East, South, West; meaningful only when dealt
    std::size_t Type = 0; // the chosen type, as an index into the list given
    // The types left out, as indices into the list given, in the order found.
    std::vector<std::size_t> Removed;
    TDealFailure Failure = TDealFailure::None;

    bool Dealt() const { return Failure == TDealFailure::None; }
    // The warning that tells the user why no deal was made; empty when dealt.
    std::string_view Message() const;
    // The chosen type's index in the list once the types left out are gone.
    std::size_t TypeAfterRemoval() const {
        return Type -
               static_cast<std::size_t>(std::count_if(Removed.begin(), Removed.end(),
                                                      [this](std::size_t k) { return k < Type; }));
    }
};

// Takes out of a list indexed as the list given to the generator (the types,
// or anything kept beside them) the entries the outcome left out.
template <typename T> void EraseRemoved(std::vector<T>& list, const TDealOutcome& outcome) {
    std::vector<std::size_t> removed = outcome.Removed;
    std::sort(removed.begin(), removed.end(), std::greater<>());
    for (const std::size_t k : removed)
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(k));
}

} // namespace kv
