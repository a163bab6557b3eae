#include "PbnGames.h"

#include "PbnBoardTags.h"
#include "PbnDeal.h"
#include "PbnFormatError.h"

#include <algorithm>
#include <array>

namespace kv::pbn {
namespace {

// The tags that make the board; each may appear once in a game.
constexpr std::array<std::string_view, 4> kBoardTags = {"Board", "Dealer", "Vulnerable", "Deal"};

bool IsBoardTag(std::string_view name) {
    return std::find(kBoardTags.begin(), kBoardTags.end(), name) != kBoardTags.end();
}

} // namespace

bool TPbnGames::Next(TPbnBoard& board) {
    for (;;) {
        TPbnItem item = lexer_.Next();
        switch (item.Kind) {
        case TPbnItem::TKind::Tag:
            Add({std::move(item.Name), std::move(item.Value), item.Line});
            break;
        case TPbnItem::TKind::GameEnd:
            ++position_;
            board = Build();
            KeepValues();
            return true;
        case TPbnItem::TKind::End:
            return false;
        }
    }
}

// A value "#" stands for the value of the same tag in the previous game.
void TPbnGames::Add(TTag tag) {
    if (IsBoardTag(tag.Name) && Find(tag.Name))
        throw EPbnFormat{tag.Line, "a second " + tag.Name +
                                       " tag in one game (games are separated by an empty line)"};
    if (tag.Value == "#") {
        const auto earlier = previous_.find(tag.Name);
        if (earlier == previous_.end())
            throw EPbnFormat{tag.Line, "the " + tag.Name +
                                           " tag's \"#\" stands for the previous "
                                           "game's " +
                                           tag.Name + " tag, and there is none"};
        tag.Value = earlier->second;
    }
    current_.push_back(std::move(tag));
}

// The game just read becomes the previous one; a later tag of a name given
// twice overwrites the earlier.
void TPbnGames::KeepValues() {
    previous_.clear();
    for (TTag& tag : current_)
        previous_.insert_or_assign(std::move(tag.Name), std::move(tag.Value));
    current_.clear();
}

const TPbnGames::TTag* TPbnGames::Find(const std::string& name) const {
    const auto found = std::find_if(current_.begin(), current_.end(),
                                    [&](const TTag& t) { return t.Name == name; });
    return found == current_.end() ? nullptr : &*found;
}

TPbnBoard TPbnGames::Build() const {
    TPbnBoard board;
    board.Line = current_.front().Line;
    const TTag* deal = Find("Deal");
    if (!deal) throw EPbnFormat{board.Line, "the game that starts here has no Deal tag"};
    const TDealValue value = ReadDealValue(deal->Value, deal->Line);
    board.Deal = value.Deal;
    board.Known = value.Known;

    const TTag* number = Find("Board");
    const TTag* dealer = Find("Dealer");
    const TTag* vulnerable = Find("Vulnerable");
    board.Board =
        number ? ReadBoardNumber(number->Value, number->Line).value_or(position_) : position_;
    board.Dealer = dealer
                       ? ReadDealer(dealer->Value, dealer->Line).value_or(BoardDealer(board.Board))
                       : BoardDealer(board.Board);
    board.Vulnerable = vulnerable ? ReadVulnerable(vulnerable->Value, vulnerable->Line)
                                        .value_or(BoardVulnerability(board.Board))
                                  : BoardVulnerability(board.Board);
    for (const TTag& tag : current_)
        if (!IsBoardTag(tag.Name)) board.OtherTags.emplace_back(tag.Name, tag.Value);
    return board;
}

} // namespace kv::pbn
