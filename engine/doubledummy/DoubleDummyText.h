#pragma once
// Double-dummy results as people read them on the screen and on paper: the
// level each declarer makes in each denomination, and the par contracts and
// score with suit symbols. Texts are UTF-8.

#include "engine/doubledummy/DoubleDummy.h"

#include <string>

namespace kv {

// Column headings in table order: "NT", then the spade, heart, diamond and
// club symbols.
const char* StrainHeading(int strain);
// Row headings in table order: "N", "S", "E", "W".
const char* DeclarerLetter(int declarer);

// The highest level a declarer makes with `tricks` tricks: "1" to "7", or an
// en dash below seven tricks.
std::string MakeableText(int tricks);

// The par contracts with their results, "NS 4♠=", "N 3NT+1" or "EW 5♦x-1",
// several joined by "; "; "Passed out" when the par is to pass.
std::string ParContractText(const TParResult& par);
// The par score from the declaring side: "+620", "-100", or "0" when passed out.
std::string ParScoreText(const TParResult& par);
// The side that the par score goes to, with it: "NS +620", "EW +300"; "0"
// when passed out.
std::string ParGainText(const TParResult& par);
// The contracts and the gain on one line: "NS 1♥+2, NS +140",
// "EW 4♠x-2, NS +300", or "Passed out".
std::string ParText(const TParResult& par);

} // namespace kv
