#include "script/DealStages.h"

#include "Compile.h"

#include <algorithm>

namespace kv::script {
namespace {

constexpr int kSamples = 1024;

// The seats each node reads, as bits; all four for tricks().
std::vector<unsigned> SeatMasks(const TProgram& program) {
    std::vector<unsigned> masks(program.Nodes.size(), 0);
    for (std::size_t i = 0; i < program.Nodes.size(); ++i) {
        const TNode& node = program.Nodes[i];
        unsigned mask = 0;
        switch (node.Op) {
        case TOp::Length:
        case TOp::Hcp:
        case TOp::HcpSuit:
        case TOp::Count:
        case TOp::CountSuit:
        case TOp::Losers:
        case TOp::LosersSuit:
        case TOp::Controls:
        case TOp::ControlsSuit:
        case TOp::Cccc:
        case TOp::Quality:
        case TOp::Shape:
        case TOp::HasCard:
            mask = 1u << node.Seat;
            break;
        case TOp::Tricks:
            mask = 15;
            break;
        default:
            break;
        }
        auto child = [&](int c) { mask |= masks[static_cast<std::size_t>(c)]; };
        if ((node.Op == TOp::And || node.Op == TOp::Or) && node.C == 1) {
            for (int k = 0; k < node.B; ++k)
                child(program.Lists[static_cast<std::size_t>(node.A + k)]);
        } else {
            for (const int c : {node.A, node.B, node.C})
                if (c != kNoNode) child(c);
        }
        masks[i] = mask;
    }
    return masks;
}

std::vector<int> Terms(const TProgram& program, int root) {
    const TNode& node = program.Nodes[static_cast<std::size_t>(root)];
    if (node.Op != TOp::And) return {root};
    return {program.Lists.begin() + node.A, program.Lists.begin() + node.A + node.B};
}

// Whether each term holds on each sample deal: [term][sample].
std::vector<std::vector<bool>>
Passes(const TScript& script, const THandTables& tables, const std::vector<int>& terms,
       const std::function<void(TRandomStream&, TDealMasks&)>& sample) {
    std::vector<std::vector<bool>> passes(terms.size(), std::vector<bool>(kSamples));
    TEvaluator evaluator(script.Program, tables);
    TRandomStream random(0x5EA7F1257ull);
    for (int s = 0; s < kSamples; ++s) {
        TDealMasks deal;
        sample(random, deal);
        evaluator.SetDeal(deal, &random);
        for (std::size_t t = 0; t < terms.size(); ++t)
            passes[t][static_cast<std::size_t>(s)] = evaluator.Holds(terms[t]);
    }
    return passes;
}

// The nodes a term reaches: what testing it costs at most.
std::vector<double> Costs(const TProgram& program, const std::vector<int>& terms) {
    std::vector<double> costs;
    for (const int term : terms) {
        std::vector<bool> seen(program.Nodes.size(), false);
        std::vector<int> stack{term};
        double count = 0;
        while (!stack.empty()) {
            const int n = stack.back();
            stack.pop_back();
            if (seen[static_cast<std::size_t>(n)]) continue;
            seen[static_cast<std::size_t>(n)] = true;
            ++count;
            const TNode& node = program.Nodes[static_cast<std::size_t>(n)];
            if ((node.Op == TOp::And || node.Op == TOp::Or) && node.C == 1) {
                for (int k = 0; k < node.B; ++k)
                    stack.push_back(program.Lists[static_cast<std::size_t>(node.A + k)]);
            } else {
                for (const int c : {node.A, node.B, node.C})
                    if (c != kNoNode) stack.push_back(c);
            }
        }
        costs.push_back(count);
    }
    return costs;
}

// A term that nearly always holds is tested last: early it would cost on
// every deal and spare little.
constexpr double kDeferAbove = 0.95;
// Dealing a seat costs about as much as testing this many nodes.
constexpr double kSeatCost = 10;

// The expected work of testing the terms at their stages on the samples:
// each seat dealt (but the last of the order, which takes the rest) and
// each node of a term tested, until a term fails.
double Work(const TDealStages& stages, const std::vector<int>& terms,
            const std::vector<double>& costs, const std::vector<std::vector<bool>>& passes) {
    std::vector<std::size_t> index(terms.size());
    double work = 0;
    for (int s = 0; s < kSamples; ++s) {
        for (std::size_t k = 0; k < stages.Tests.size(); ++k) {
            if (k > 0 && k < stages.Order.size()) work += kSeatCost;
            bool failed = false;
            for (const int term : stages.Tests[k]) {
                const std::size_t t = static_cast<std::size_t>(
                    std::find(terms.begin(), terms.end(), term) - terms.begin());
                if (t == terms.size()) { // the whole condition, tested at once
                    for (std::size_t u = 0; u < terms.size() && !failed; ++u) {
                        work += costs[u];
                        failed = !passes[u][static_cast<std::size_t>(s)];
                    }
                } else {
                    work += costs[t];
                    failed = !passes[t][static_cast<std::size_t>(s)];
                }
                if (failed) break;
            }
            if (failed) break;
        }
    }
    return work;
}

} // namespace

TDealStages PlanStages(const TScript& script, const THandTables& tables, unsigned dealt,
                       const std::vector<int>& shuffled,
                       const std::function<void(TRandomStream&, TDealMasks&)>& sample) {
    const TProgram& program = script.Program;
    const std::vector<unsigned> masks = SeatMasks(program);
    const std::vector<int> terms = Terms(program, script.Condition);
    unsigned read = masks[static_cast<std::size_t>(script.Condition)] & ~dealt;
    TDealStages stages;
    // Seats the condition reads, each chosen to fail most samples soonest;
    // when rnd() is drawn the terms are tested in the order written, at the end.
    const bool staged = !DrawsRandom(program)[static_cast<std::size_t>(script.Condition)];
    const std::vector<std::vector<bool>> passes =
        staged ? Passes(script, tables, terms, sample) : std::vector<std::vector<bool>>{};
    unsigned have = dealt;
    while (read != 0) {
        int best = -1;
        int fewest = kSamples + 1;
        for (const int seat : shuffled) {
            if (!(read >> seat & 1u)) continue;
            int pass = kSamples;
            if (staged) {
                std::vector<bool> all(kSamples, true);
                for (std::size_t t = 0; t < terms.size(); ++t)
                    if ((masks[static_cast<std::size_t>(terms[t])] & ~(have | 1u << seat)) == 0)
                        for (int s = 0; s < kSamples; ++s)
                            all[static_cast<std::size_t>(s)] =
                                all[static_cast<std::size_t>(s)] &&
                                passes[t][static_cast<std::size_t>(s)];
                pass = static_cast<int>(std::count(all.begin(), all.end(), true));
            }
            if (pass < fewest) {
                fewest = pass;
                best = seat;
            }
        }
        stages.Order.push_back(best);
        have |= 1u << best;
        read &= ~(1u << best);
    }
    stages.ReadSeats = static_cast<int>(stages.Order.size());
    for (const int seat : shuffled)
        if (std::find(stages.Order.begin(), stages.Order.end(), seat) == stages.Order.end())
            stages.Order.push_back(seat);
    stages.Tests.resize(static_cast<std::size_t>(stages.ReadSeats) + 1);
    if (!staged) {
        stages.Tests.back() = {script.Condition};
        return stages;
    }
    const std::vector<double> costs = Costs(program, terms);
    std::vector<double> rank(terms.size());
    for (std::size_t t = 0; t < terms.size(); ++t) {
        const double pass =
            static_cast<double>(std::count(passes[t].begin(), passes[t].end(), true)) / kSamples;
        unsigned need = masks[static_cast<std::size_t>(terms[t])] & ~dealt;
        std::size_t k = 0;
        while (need != 0)
            need &= ~(1u << stages.Order[k++]);
        if (pass >= kDeferAbove) k = stages.Tests.size() - 1;
        stages.Tests[k].push_back(static_cast<int>(t));
        rank[t] = costs[t] / std::max(1 - pass, 1e-3);
    }
    // Within a stage, the terms that reject most for their cost first.
    for (std::vector<int>& stage : stages.Tests) {
        std::stable_sort(stage.begin(), stage.end(), [&](int a, int b) {
            return rank[static_cast<std::size_t>(a)] < rank[static_cast<std::size_t>(b)];
        });
        for (int& t : stage)
            t = terms[static_cast<std::size_t>(t)];
    }
    // Testing everything once every seat read is dealt (the terms in the
    // compiled order, cheapest first) can cost less: then that.
    TDealStages whole = stages;
    for (std::vector<int>& stage : whole.Tests)
        stage.clear();
    whole.Tests.back() = {script.Condition};
    return Work(whole, terms, costs, passes) <= Work(stages, terms, costs, passes) ? whole : stages;
}

} // namespace kv::script
