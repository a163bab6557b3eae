#pragma once
// Dealing as the program's windows need it: one deal from the engine, with
// the user told of every type found to admit no deal and of a failure, and
// the types left out taken out of the window's list for good.

#include "engine/DealEngine.h"
#include "engine/EngineHost.h"

namespace kv {

// Lets the host's events run at every attempt. When the list held more than
// one type, each type left out is announced ("There are no hands satisfying
// one of the sets..." for the first, "Another set..." for the others); a
// failure is announced, and after too many attempts the hands window closes.
// The outcome's type is an index into `types` as it was before the call;
// the deal comes from that list even when the host's events change `types`
// during the call.
TDealOutcome GenerateDeal(TDealEngine& engine, TTypeList& types, IEngineHost& host);

} // namespace kv
