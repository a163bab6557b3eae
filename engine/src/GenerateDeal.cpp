#include "engine/GenerateDeal.h"

#include "engine/EngineMessages.h"

#include <string>

namespace kv {

// The window's list may change while its events run between attempts. The
// deal is made from the list as the call found it, and the types left out
// are taken out of the window's list only when that is still the same list.
TDealOutcome GenerateDeal(TDealEngine& engine, TTypeList& types, IEngineHost& host) {
    const TTypeList given = types;
    TDealOutcome outcome = engine.Deal(given, [&host] { host.ProcessMessages(); });
    if (given.size() > 1)
        for (std::size_t k = 0; k < outcome.Removed.size(); ++k)
            host.ShowWarning(k == 0 ? msg::kFirstUnsatisfiable : msg::kAnotherUnsatisfiable);
    if (types == given) EraseRemoved(types, outcome);
    if (!outcome.Dealt()) {
        host.ShowWarning(std::string(outcome.Message()));
        if (outcome.Failure == TDealFailure::TooNarrow) host.CloseHandsWindow();
    }
    return outcome;
}

} // namespace kv
