#include "output/dealtext/PbnExport.h"

#include "engine/SeedText.h"
#include "output/dealtext/DealText.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace kv {
namespace {

constexpr const char* kCrLf = "\r\n";

// The mandatory tags that a board read from a file may give values for; the
// others (Board, Dealer, Vulnerable, Deal) are the board's own fields.
constexpr std::array<std::string_view, 11> kFileMandatory = {
    "Event", "Site",    "Date",     "West",     "North", "East",
    "South", "Scoring", "Declarer", "Contract", "Result"};
// The tags written from what was computed, in place of a file's.
constexpr std::array<std::string_view, 3> kComputed = {"DoubleDummyTricks", "OptimumScore",
                                                       "ParContract"};

// The value with a backslash before each backslash and double quote, as a
// PBN reader undoes it.
std::string Escaped(const std::string& value) {
    std::string text;
    text.reserve(value.size());
    for (const char c : value) {
        if (c == '\\' || c == '"') text += '\\';
        text += c;
    }
    return text;
}

std::string Tag(std::string_view name, const std::string& value) {
    return "[" + std::string(name) + " \"" + Escaped(value) + "\"]" + kCrLf;
}

// The first of the board's own tags of that name, or nullptr.
const std::string* FileTag(const TBoardDeal& board, std::string_view name) {
    const auto found = std::find_if(board.OtherTags.begin(), board.OtherTags.end(),
                                    [&](const auto& tag) { return tag.first == name; });
    return found == board.OtherTags.end() ? nullptr : &found->second;
}

// The tag with the board's own value, `otherwise` when the board has none.
std::string KeptTag(const TBoardDeal& board, std::string_view name,
                    const std::string& otherwise = "") {
    const std::string* value = FileTag(board, name);
    return Tag(name, value ? *value : otherwise);
}

// The fifteen mandatory tags, with the board's own number, dealer and
// vulnerability and the Deal tag from its dealer; the others hold the values
// of a board read from a file, empty (and today's date) for a dealt one.
std::string MandatoryTags(const TBoardDeal& board, const std::string& date) {
    std::string text;
    text += KeptTag(board, "Event");
    text += KeptTag(board, "Site");
    text += KeptTag(board, "Date", date);
    text += Tag("Board", std::to_string(board.Board));
    text += KeptTag(board, "West");
    text += KeptTag(board, "North");
    text += KeptTag(board, "East");
    text += KeptTag(board, "South");
    text += Tag("Dealer", std::string(1, SeatLetter(board.Dealer)));
    text += Tag("Vulnerable", board.Vulnerable);
    text += Tag("Deal", PbnDealValue(board, board.Dealer));
    text += KeptTag(board, "Scoring");
    text += KeptTag(board, "Declarer");
    text += KeptTag(board, "Contract");
    text += KeptTag(board, "Result");
    return text;
}

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The board's other tags in their order, but for the first of each mandatory
// name (written among the mandatory tags) and the tags written anew: the
// Generator when `generator` is, the double-dummy tags when `analysed`.
std::string OtherTags(const TBoardDeal& board, bool generator, bool analysed) {
    std::string text;
    std::array<bool, kFileMandatory.size()> written{};
    for (const auto& [name, value] : board.OtherTags) {
        const auto mandatory = std::find(kFileMandatory.begin(), kFileMandatory.end(), name);
        if (mandatory != kFileMandatory.end()) {
            const auto index = static_cast<std::size_t>(mandatory - kFileMandatory.begin());
            if (!std::exchange(written[index], true)) continue;
        }
        if ((generator && name == "Generator") || (analysed && Among(kComputed, name))) continue;
        text += Tag(name, value);
    }
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
    text += OtherTags(board, !generator.empty(), table != nullptr);
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
