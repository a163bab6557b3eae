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

// The hand type a dealt board came from: its number (1 for the first tab) in
// a list of `Of` types; 0 of 0 for a board that came from a file.
struct TBoardType {
    int Number = 0;
    int Of = 0;
    friend bool operator==(const TBoardType&, const TBoardType&) = default;
};

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
    void Append(const TFullDeal& deal, TBoardType type = {});
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

    // The type board `index` (0 for the first) was dealt from.
    TBoardType TypeOf(std::size_t index) const;

    // The boards so far are saved or printed: forgetting them loses nothing.
    void MarkKept() { kept_ = boards_.size(); }
    // Dealt boards that exist nowhere but here. A file's boards are in the file.
    std::size_t UnkeptBoards() const { return Dealt() ? boards_.size() - kept_ : 0; }

    bool Dealt() const { return seed_.has_value(); }
    // The seed before the first deal of a dealt session.
    std::optional<std::int32_t> Seed() const { return seed_; }
    // The file an imported session came from; empty for a dealt one.
    const std::string& Source() const { return source_; }

  private:
    std::vector<TBoardDeal> boards_;
    std::vector<TBoardType> types_; // beside boards_, for a dealt session
    std::size_t current_ = 0;
    std::size_t kept_ = 0;
    std::optional<std::int32_t> seed_;
    std::string source_;
};

} // namespace kv
