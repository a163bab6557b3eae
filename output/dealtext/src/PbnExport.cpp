#include "output/dealtext/PbnExport.h"

#include "engine/SeedText.h"
#include "output/dealtext/DealText.h"

namespace kv {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string Tag(const std::string& name, const std::string& value) {
    return "[" + name + " \"" + value + "\"]" + kCrLf;
}

// The fifteen mandatory tags, with the board's own number, dealer and
// vulnerability and the Deal tag from its dealer.
std::string MandatoryTags(const TBoardDeal& board, const std::string& date) {
    std::string text;
    text += Tag("Event", "");
    text += Tag("Site", "");
    text += Tag("Date", date);
    text += Tag("Board", std::to_string(board.Board));
    text += Tag("West", "");
    text += Tag("North", "");
    text += Tag("East", "");
    text += Tag("South", "");
    text += Tag("Dealer", std::string(1, SeatLetter(board.Dealer)));
    text += Tag("Vulnerable", board.Vulnerable);
    text += Tag("Deal", PbnDealValue(board, board.Dealer));
    text += Tag("Scoring", "");
    text += Tag("Declarer", "");
    text += Tag("Contract", "");
    text += Tag("Result", "");
    return text;
}

TBoardDeal BoardOf(const TPbnGame& game) {
    return RotationBoard(TFullDeal{{game.North, game.East, game.South, game.West}}, game.Board);
}

} // namespace

std::string PbnHeader() {
    return std::string("% PBN 2.1") + kCrLf + "% EXPORT" + kCrLf;
}

std::string PbnDealValue(const TPbnGame& game, TSeat first) {
    return PbnDealValue(BoardOf(game), first);
}

std::string PbnDealValue(const TBoardDeal& board, TSeat first) {
    const int start = static_cast<int>(first);
    std::string value(1, SeatLetter(first));
    value += ':';
    for (int i = 0; i < 4; ++i) {
        const auto seat = static_cast<std::size_t>((start + i) % 4);
        if (i > 0) value += ' ';
        value += board.Known[seat] ? HandText(board.Deal.Hands[seat]) : "-";
    }
    return value;
}

std::string BoardDealText(const TBoardDeal& board) {
    return "[Deal \"" + PbnDealValue(board, TSeat::North) + "\"]";
}

std::string PbnGame(const TPbnGame& game, const std::string& date) {
    std::string text = MandatoryTags(BoardOf(game), date);
    for (const auto& [name, value] : game.ExtraTags)
        text += Tag(name, value);
    return text;
}

std::string PbnGeneratorValue(const std::string& programAndVersion, std::int32_t seed) {
    return programAndVersion + ", seed " + SeedToText(seed);
}

std::string PbnBoardGame(const TBoardDeal& board, const std::string& date,
                         const std::string& generator, const TDDTable* table) {
    std::string text = MandatoryTags(board, date);
    if (!generator.empty()) text += Tag("Generator", generator);
    if (table == nullptr) return text;
    const TParResult par = ParOf(*table, static_cast<int>(board.Dealer), board.Vulnerable);
    text += Tag("DoubleDummyTricks", table->TagValue());
    text += Tag("OptimumScore", par.OptimumScore());
    text += Tag("ParContract", par.ParContract());
    return text;
}

std::string PbnFileText(const std::vector<TBoardDeal>& boards, const std::string& date,
                        const std::string& generator,
                        const std::vector<std::optional<TDDTable>>& tables) {
    std::string text = PbnHeader();
    for (std::size_t i = 0; i < boards.size(); ++i) {
        const TDDTable* table = i < tables.size() && tables[i] ? &*tables[i] : nullptr;
        if (i > 0) text += kPbnGameSeparator;
        text += PbnBoardGame(boards[i], date, generator, table);
    }
    return text;
}

} // namespace kv
