#include "ScriptBoards.h"

#include "RunOutput.h"
#include "engine/doubledummy/DoubleDummy.h"
#include "output/dealtext/DealText.h"
#include "output/dealtext/PbnExport.h"

#include <array>

namespace kv::cli {
namespace {

constexpr std::size_t kBatch = 2000;

// "SAK2H...D...C...": each suit's letter and ranks, highest first.
std::string LinHand(const tHand& hand) {
    std::string text;
    for (int suit = 0; suit < 4; ++suit)
        text += std::string(1, "SHDC"[suit]) + HoldingText(hand.Suit(suit));
    return text;
}

char LinVulnerability(const std::string& vulnerable) {
    if (vulnerable == "NS") return 'n';
    if (vulnerable == "EW") return 'e';
    return vulnerable == "All" ? 'b' : 'o';
}

} // namespace

std::string LinBoard(const TBoardDeal& board) {
    // .lin numbers the dealer 1 South, 2 West, 3 North, 4 East.
    constexpr std::array<char, 4> kDealer = {'3', '4', '1', '2'}; // by TSeat: N E S W
    const auto& h = board.Deal.Hands;
    const std::string n = std::to_string(board.Board);
    return "qx|o" + n + "|md|" + kDealer[static_cast<std::size_t>(board.Dealer)] + LinHand(h[2]) +
           "," + LinHand(h[3]) + "," + LinHand(h[0]) + "," + LinHand(h[1]) + "|rh||ah|Board " + n +
           "|sv|" + LinVulnerability(board.Vulnerable) + "|pg||\n";
}

TScriptBoards::TScriptBoards(TFormat format, bool doubleDummy, std::string generator,
                             std::string date, TRunOutput& out)
    : format_(format), doubleDummy_(doubleDummy), generator_(std::move(generator)),
      date_(std::move(date)), out_(out) {}

void TScriptBoards::Add(const TBoardDeal& board) {
    if (!doubleDummy_) return Write(board, nullptr);
    batch_.push_back(board);
    if (batch_.size() == kBatch) Flush();
}

void TScriptBoards::Flush() {
    if (batch_.empty()) return;
    std::vector<TFullDeal> deals;
    for (const TBoardDeal& board : batch_)
        deals.push_back(board.Deal);
    const std::vector<TDDTable> tables = SolveTables(deals);
    for (std::size_t i = 0; i < batch_.size(); ++i)
        Write(batch_[i], &tables[i]);
    batch_.clear();
}

void TScriptBoards::Write(const TBoardDeal& board, const TDDTable* table) {
    ++written_;
    if (format_ == TFormat::Pbn) {
        out_.Write(written_ > 1 ? kPbnGameSeparator : PbnHeader());
        out_.Write(PbnBoardGame(board, date_, generator_, table));
    } else if (format_ == TFormat::Lin) {
        out_.Write(LinBoard(board));
    } else {
        const auto& h = board.Deal.Hands;
        std::string line = DealText(h[0], h[1], h[2], h[3]);
        if (table) line.append(" ").append(table->TagValue());
        out_.Write(line + "\n");
    }
}

} // namespace kv::cli
