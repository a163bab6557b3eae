#pragma once
// A double-dummy solver for tests that solves only as many deals as the test
// allows, so that a test decides when an analysis ends; and the table a panel
// shows, read back.

#include "ui/hands/src/DoubleDummyAnalyser.h"
#include "ui/hands/src/DoubleDummyPanel.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace kv::test {

class TSolverGate {
  public:
    // Lets `n` more deals through (all of them from now on when n < 0).
    void Allow(int n) {
        const std::lock_guard<std::mutex> guard(lock_);
        allowed_ = n < 0 || allowed_ < 0 ? -1 : allowed_ + n;
        changed_.notify_all();
    }
    int Started() const { return started_; }
    int Solved() const { return solved_; }

    TDoubleDummyAnalyser::TSolver Solver() {
        return [this](const TFullDeal& deal) {
            ++started_;
            {
                std::unique_lock<std::mutex> guard(lock_);
                changed_.wait(guard, [this] { return allowed_ != 0; });
                if (allowed_ > 0) --allowed_;
            }
            const TDDTable table = SolveTable(deal);
            ++solved_;
            return table;
        };
    }

  private:
    std::mutex lock_;
    std::condition_variable changed_;
    int allowed_ = 0;
    std::atomic<int> started_{0}, solved_{0};
};

inline TDDTable PanelTable(const TDoubleDummyPanel& panel) {
    TDDTable table;
    for (int s = 0; s < kStrains; ++s)
        for (int d = 0; d < kDeclarers; ++d)
            table.Tricks[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)] =
                panel.CellText(s, d).isEmpty() ? -1 : panel.CellText(s, d).toInt();
    return table;
}

inline bool PanelIsEmpty(const TDoubleDummyPanel& panel) {
    for (int s = 0; s < kStrains; ++s)
        for (int d = 0; d < kDeclarers; ++d)
            if (!panel.CellText(s, d).isEmpty()) return false;
    return true;
}

} // namespace kv::test
