#pragma once
// The deals of one opening of the hands window, kept as boards so that the
// user can go back to them, print them and save them. A dealt session numbers
// its boards 1, 2, 3, ... in the order they were shown, with the dealer and
// vulnerability of the duplicate rotation; an imported session holds the
// boards of a file with their own numbers, dealers and vulnerabilities.
//
// Browsing moves over the kept boards only: it never deals, so it can never
// change which deals a seed makes.

#include "output/dealtext/BoardDeal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv {

class TDealSession {
  public:
    // Forgets every board and starts a session of dealt boards; `seed` is the
    // random seed before the first of them was dealt.
    void StartDealt(std::int32_t seed);
    // Forgets every board and holds `boards` instead, read from `source`,
    // showing the first.
    void StartImported(std::vector<TBoardDeal> boards, std::string source);

    // Adds `deal` after the last board as the next board of the rotation, and
    // shows it. Only a dealt session takes new deals; an imported one ignores it.
    void Append(const TFullDeal& deal);
    // Shows the board before or after the one shown; false at either end.
    bool Back();
    bool Forward();
    // Shows the board at `index` (from 0); false, with the shown board kept,
    // when there is no such board.
    bool GoTo(std::size_t index);
    // Where the first board numbered `board` stands; none when no board has
    // that number (an imported session keeps its file's numbers).
    std::optional<std::size_t> IndexOfBoard(int board) const;

    bool Empty() const { return boards_.empty(); }
    std::size_t Count() const { return boards_.size(); }
    const std::vector<TBoardDeal>& Boards() const { return boards_; }
    // The board shown; only when the session is not empty.
    const TBoardDeal& Current() const { return boards_.at(current_); }
    std::size_t CurrentIndex() const { return current_; }
    bool AtFirst() const { return current_ == 0; }
    bool AtLast() const { return boards_.empty() || current_ + 1 == boards_.size(); }

    bool Dealt() const { return seed_.has_value(); }
    // The seed before the first deal of a dealt session.
    std::optional<std::int32_t> Seed() const { return seed_; }
    // The file an imported session came from; empty for a dealt one.
    const std::string& Source() const { return source_; }

  private:
    std::vector<TBoardDeal> boards_;
    std::size_t current_ = 0;
    std::optional<std::int32_t> seed_;
    std::string source_;
};

} // namespace kv
