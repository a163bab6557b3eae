#pragma once
// Double-dummy tricks for a batch of deals: only the denominations and seats
// that the analysis asks for. The solver behind ITrickSolver is dds; tests
// put a failing one in its place to prove the failure path.

#include "analysis/AnalysisRequest.h"
#include "analysis/DealResult.h"

#include <cstddef>
#include <span>
#include <vector>

namespace kv::analysis {

// The tricks a batch needs: these denominations, with North, South or both declaring.
struct TSolveOrder {
    std::vector<int> Strains; // table order
    bool North = false;
    bool South = false;
    int Seats() const { return (North ? 1 : 0) + (South ? 1 : 0); }
};

// The order for a request: "better of the two" needs both seats.
TSolveOrder OrderOf(const TAnalysisRequest& request);

class ITrickSolver {
  public:
    virtual ~ITrickSolver() = default;
    // The most deals one Solve call takes for `order`.
    virtual std::size_t BatchSize(const TSolveOrder& order) const = 0;
    // Fills the Tricks of every deal for `order`. Throws std::runtime_error
    // whose text starts "double-dummy analysis failed: " when the solver fails;
    // the deals' tricks are then unspecified.
    virtual void Solve(std::span<TDealResult> deals, const TSolveOrder& order) = 0;
};

// Single boards (one declarer in one denomination each, the binding's
// SolveBoards) or tables (all four declarers of the chosen denominations,
// SolveStrainTables). Auto takes single boards: see PathFor.
enum class TSolverPath { Auto, Boards, Tables };

// dds on every core, one call at a time under the process-wide solver lock.
class TDdsSolver : public ITrickSolver {
  public:
    explicit TDdsSolver(TSolverPath path = TSolverPath::Auto) : path_(path) {}
    std::size_t BatchSize(const TSolveOrder& order) const override;
    void Solve(std::span<TDealResult> deals, const TSolveOrder& order) override;
    // The path Auto takes for `order`.
    static TSolverPath PathFor(const TSolveOrder& order);

  private:
    TSolverPath Path(const TSolveOrder& order) const {
        return path_ == TSolverPath::Auto ? PathFor(order) : path_;
    }
    TSolverPath path_;
};

} // namespace kv::analysis
