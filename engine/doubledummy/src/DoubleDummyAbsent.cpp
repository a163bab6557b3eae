// A build without the dds library (a cross build, or a machine without
// libdds): every request for analysis fails with one clear message, which the
// command-line program reports before it deals anything.
#include "engine/doubledummy/BatchSolve.h"
#include "engine/doubledummy/DoubleDummy.h"

#include <stdexcept>

namespace kv {
namespace {

[[noreturn]] void Unavailable() {
    throw std::runtime_error(
        "double-dummy analysis is not available: this build has no dds library");
}

} // namespace

std::unique_lock<std::mutex> HoldSolver() {
    static std::mutex lock;
    return std::unique_lock<std::mutex>(lock);
}

TParResult ParOf(const TDDTable&, int, const std::string&) {
    Unavailable();
}

TDDTable SolveTable(const TFullDeal&) {
    Unavailable();
}

std::vector<TDDTable> SolveTables(std::span<const TFullDeal>,
                                  const std::function<void(std::size_t)>&) {
    Unavailable();
}

std::vector<int> SolveBoards(std::span<const TSingleBoard>) {
    Unavailable();
}

std::vector<TDDTable> SolveStrainTables(std::span<const THoldings>, std::span<const int>) {
    Unavailable();
}

} // namespace kv
