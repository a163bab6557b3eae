#pragma once
// Deals as text in the notation of the PBN Deal tag, North first:
// [Deal "N:<north> <east> <south> <west>"], each hand four holdings in the
// order spades, hearts, diamonds, clubs joined by full stops, ranks highest
// first. With the ten written "T" a deal text is always 78 characters.

#include "engine/Cards.h"

#include <string>

namespace kv {

// The ranks of one suit, highest first: A K Q J, the ten symbol, 9 .. 2.
// A void is the empty string.
std::string HoldingText(const tSuit& suit, const std::string& tenSymbol = "T");

// Four holdings joined by full stops.
std::string HandText(const tHand& hand, const std::string& tenSymbol = "T");

std::string DealText(const tHand& north, const tHand& east, const tHand& south, const tHand& west,
                     const std::string& tenSymbol = "T");

} // namespace kv
