#include "engine/doubledummy/DoubleDummy.h"
#include "script/Evaluator.h"

namespace kv::script {

// The solver's table orders: strains notrump, spades, hearts, diamonds,
// clubs; declarers North, South, East, West.
TTrickTable SolveTricks(const TDealMasks& deal) {
    const TDDTable table = SolveTable(FullDealOf(deal));
    constexpr std::array<int, kSeats> kDeclarer = {0, 2, 1, 3}; // N E S W in the solver's order
    TTrickTable tricks{};
    for (int seat = 0; seat < kSeats; ++seat)
        for (int strain = 0; strain < 5; ++strain)
            tricks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(strain)] =
                static_cast<std::int8_t>(
                    table.Tricks[static_cast<std::size_t>(strain == 4 ? 0 : strain + 1)]
                                [static_cast<std::size_t>(
                                    kDeclarer[static_cast<std::size_t>(seat)])]);
    return tricks;
}

} // namespace kv::script
