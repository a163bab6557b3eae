#include "GenerateDeal.h"

#include "EngineMessages.h"

#include <string>

namespace kv {

TDealOutcome GenerateDeal(TDealEngine& engine, TTypeList& types, IEngineHost& host) {
    TDealOutcome outcome = engine.Deal(types, [&host] { host.ProcessMessages(); });
    if (types.size() > 1)
        for (std::size_t k = 0; k < outcome.Removed.size(); ++k)
            host.ShowWarning(k == 0 ? msg::kFirstUnsatisfiable : msg::kAnotherUnsatisfiable);
    EraseRemoved(types, outcome);
    if (!outcome.Dealt()) {
        host.ShowWarning(std::string(outcome.Message()));
        if (outcome.Failure == TDealFailure::TooNarrow) host.CloseHandsWindow();
    }
    return outcome;
}

} // namespace kv
