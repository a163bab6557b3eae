#pragma once
// Deals the boards of a dealt session, one deal ahead of the last board so
// that the next board shows at once. The deal made in advance is only held:
// the random source is given back the state it had before that deal, so the
// seed the user reads and every other run that deals start where the boards
// shown end. The next board takes the deal made in advance only while the
// source and the types are as they were when it was made; otherwise it is
// dealt anew. A deal that fails leaves the source as it found it.

#include "engine/DealEngine.h"
#include "engine/DealOutcome.h"
#include "engine/RandomSource.h"
#include "output/dealtext/DealSession.h"

#include <functional>
#include <optional>

namespace kv {

class TSessionDealer {
  public:
    // One call of the generator on the types, which may leave types out of
    // the list; nothing when it gave up (after telling the user why) or
    // refused to run.
    using TGenerate = std::function<std::optional<TDealOutcome>(TTypeList& types)>;

    TSessionDealer(TRandomSource& random, TDealSession& session, TGenerate generate);

    // Starts a dealt session at the source's present state with its first
    // board, and deals the next one in advance. False when either deal
    // failed: the session is then empty and the source as it was.
    bool Start(TTypeList& types);
    // Appends the board after the last: the deal made in advance when it
    // still holds, else a new deal. False when no deal was made.
    bool DealNext(TTypeList& types);
    // Deals the board after the last in advance; false when that failed.
    bool DealAhead(TTypeList& types);

    // The deal made in advance, while the next board would take it.
    std::optional<TFullDeal> Ahead(const TTypeList& types) const;

  private:
    struct TAhead {
        TRandomState Before, After;
        TTypeList Types; // as the generator left them
        TDealOutcome Outcome;
    };
    // A deal from the source's present state, with its draws kept.
    std::optional<TDealOutcome> Deal(TTypeList& types);
    void Append(const TDealOutcome& outcome, const TTypeList& types);
    bool AheadHolds(const TTypeList& types) const;

    TRandomSource& random_;
    TDealSession& session_;
    TGenerate generate_;
    std::optional<TAhead> ahead_;
};

} // namespace kv
