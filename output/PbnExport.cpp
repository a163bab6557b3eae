#include "PbnExport.h"

#include "BoardRotation.h"
#include "DealText.h"

namespace kv {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string Tag(const std::string& name, const std::string& value)
{
    return "[" + name + " \"" + value + "\"]" + kCrLf;
}

const tHand& HandOf(const TPbnGame& game, int seat)
{
    switch (seat % 4) {
    case 0: return game.North;
    case 1: return game.East;
    case 2: return game.South;
    default: return game.West;
    }
}

} // namespace

std::string PbnHeader() { return std::string("% PBN 2.1") + kCrLf + "% EXPORT" + kCrLf; }

std::string PbnDealValue(const TPbnGame& game, TSeat first)
{
    const int start = static_cast<int>(first);
    std::string value(1, SeatLetter(first));
    value += ':';
    for (int i = 0; i < 4; ++i) {
        if (i > 0) value += ' ';
        value += HandText(HandOf(game, start + i));
    }
    return value;
}

std::string PbnGame(const TPbnGame& game, const std::string& date)
{
    const TSeat dealer = BoardDealer(game.Board);
    std::string text;
    text += Tag("Event", "");
    text += Tag("Site", "");
    text += Tag("Date", date);
    text += Tag("Board", std::to_string(game.Board));
    text += Tag("West", "");
    text += Tag("North", "");
    text += Tag("East", "");
    text += Tag("South", "");
    text += Tag("Dealer", std::string(1, SeatLetter(dealer)));
    text += Tag("Vulnerable", BoardVulnerability(game.Board));
    text += Tag("Deal", PbnDealValue(game, dealer));
    text += Tag("Scoring", "");
    text += Tag("Declarer", "");
    text += Tag("Contract", "");
    text += Tag("Result", "");
    for (const auto& [name, value] : game.ExtraTags) text += Tag(name, value);
    return text;
}

} // namespace kv
