#include "Compile.h"

#include <algorithm>
#include <climits>

namespace kv::script {
namespace {

bool IsList(TOp op) {
    return op == TOp::And || op == TOp::Or;
}

template <typename F> void ForChildren(const TProgram& program, const TNode& node, F&& f) {
    if (IsList(node.Op) && node.B >= 0 && node.C == 1) {
        for (int i = 0; i < node.B; ++i)
            f(program.Lists[static_cast<std::size_t>(node.A + i)]);
        return;
    }
    for (const int child : {node.A, node.B, node.C})
        if (child != kNoNode) f(child);
}

// How many parents each node reachable from the roots has.
std::vector<int> ParentCounts(const TProgram& program, const std::vector<int>& roots) {
    std::vector<int> parents(program.Nodes.size(), 0);
    std::vector<bool> seen(program.Nodes.size(), false);
    std::vector<int> stack = roots;
    for (const int root : roots)
        ++parents[static_cast<std::size_t>(root)];
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        if (seen[static_cast<std::size_t>(n)]) continue;
        seen[static_cast<std::size_t>(n)] = true;
        ForChildren(program, program.Nodes[static_cast<std::size_t>(n)], [&](int child) {
            ++parents[static_cast<std::size_t>(child)];
            stack.push_back(child);
        });
    }
    return parents;
}

double StaticCost(const TNode& node) {
    switch (node.Op) {
    case TOp::Const:
        return 0;
    case TOp::Length:
    case TOp::HasCard:
    case TOp::HcpSuit:
    case TOp::CountSuit:
    case TOp::LosersSuit:
    case TOp::ControlsSuit:
    case TOp::Quality:
        return 1;
    case TOp::Shape:
        return 3;
    case TOp::Hcp:
    case TOp::Count:
    case TOp::Losers:
    case TOp::Controls:
        return 4;
    case TOp::Cccc:
        return 10;
    case TOp::Tricks:
        return 1e6;
    default:
        return 1;
    }
}

// Chains of one operator become one list: a && (b && c) is [a, b, c]. A
// named chain used elsewhere too is kept whole, so that it stays remembered.
void Flatten(TProgram& program, const std::vector<int>& parents) {
    for (std::size_t i = 0; i < program.Nodes.size(); ++i) {
        TNode& node = program.Nodes[i];
        if (!IsList(node.Op) || node.C == 1) continue;
        std::vector<int> operands;
        for (const int child : {node.A, node.B}) {
            const TNode& c = program.Nodes[static_cast<std::size_t>(child)];
            if (c.Op == node.Op && parents[static_cast<std::size_t>(child)] == 1) {
                for (int k = 0; k < c.B; ++k)
                    operands.push_back(program.Lists[static_cast<std::size_t>(c.A + k)]);
            } else {
                operands.push_back(child);
            }
        }
        TNode& list = program.Nodes[i];
        list.A = static_cast<int>(program.Lists.size());
        list.B = static_cast<int>(operands.size());
        list.C = 1; // marks the list form
        program.Lists.insert(program.Lists.end(), operands.begin(), operands.end());
    }
}

// Cheapest operands first, where no operand draws random numbers (then the
// order would change which numbers are drawn).
void Order(TProgram& program, const std::vector<bool>& random) {
    std::vector<double> cost(program.Nodes.size(), 0);
    for (std::size_t i = 0; i < program.Nodes.size(); ++i) {
        const TNode& node = program.Nodes[i];
        double sum = StaticCost(node);
        if (node.Op == TOp::Choose) {
            sum += cost[static_cast<std::size_t>(node.A)] +
                   std::max(cost[static_cast<std::size_t>(node.B)],
                            cost[static_cast<std::size_t>(node.C)]);
        } else {
            ForChildren(program, node, [&](int c) { sum += cost[static_cast<std::size_t>(c)]; });
        }
        cost[i] = sum;
        if (!IsList(node.Op) || random[i]) continue;
        const auto first = program.Lists.begin() + node.A;
        std::stable_sort(first, first + node.B, [&](int a, int b) {
            return cost[static_cast<std::size_t>(a)] < cost[static_cast<std::size_t>(b)];
        });
    }
}

std::optional<TCompileFault> CheckLimits(const TProgram& program, const std::vector<int>& roots) {
    const std::size_t n = program.Nodes.size();
    std::vector<int> depth(n, 1);
    std::vector<double> work(n, 1);
    double shared = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TNode& node = program.Nodes[i];
        ForChildren(program, node, [&](int c) {
            const TNode& child = program.Nodes[static_cast<std::size_t>(c)];
            depth[i] = std::max(depth[i], depth[static_cast<std::size_t>(c)] + 1);
            work[i] += child.Memo >= 0 ? 1 : work[static_cast<std::size_t>(c)];
        });
        if (node.Memo >= 0) shared += work[i];
        if (depth[i] > kMaxEvaluationDepth)
            return TCompileFault{static_cast<int>(i), "the expressions are nested too deeply"};
    }
    double total = shared;
    for (const int root : roots)
        total += work[static_cast<std::size_t>(root)];
    if (total > kMaxEvaluationWork)
        return TCompileFault{roots.empty() ? kNoNode : roots.front(),
                             "the expressions are too large to evaluate"};
    return std::nullopt;
}

// The value of an operator on constant operands; nothing for a division by
// zero, which is left to fail where the deal is evaluated.
std::optional<std::int32_t> Fold(TOp op, std::int64_t a, std::int64_t b, std::int64_t c) {
    const auto wrap = [](std::int64_t v) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    };
    switch (op) {
    case TOp::Not:
        return !a;
    case TOp::Negate:
        return wrap(-a);
    case TOp::Add:
        return wrap(a + b);
    case TOp::Sub:
        return wrap(a - b);
    case TOp::Mul:
        return wrap(a * b);
    case TOp::Div:
    case TOp::Mod:
        if (b == 0) return std::nullopt;
        if (a == INT32_MIN && b == -1) return op == TOp::Div ? INT32_MIN : 0;
        return static_cast<std::int32_t>(op == TOp::Div ? a / b : a % b);
    case TOp::Eq:
        return a == b;
    case TOp::Ne:
        return a != b;
    case TOp::Lt:
        return a < b;
    case TOp::Le:
        return a <= b;
    case TOp::Gt:
        return a > b;
    case TOp::Ge:
        return a >= b;
    case TOp::Choose:
        return static_cast<std::int32_t>(a ? b : c);
    default:
        return std::nullopt;
    }
}

// Operators whose operands are all constants become constants, so that a
// deal does not compute what never changes.
void FoldConstants(TProgram& program) {
    auto constant = [&](int n) {
        return n == kNoNode || program.Nodes[static_cast<std::size_t>(n)].Op == TOp::Const;
    };
    auto value = [&](int n) {
        return n == kNoNode ? 0 : program.Nodes[static_cast<std::size_t>(n)].Value;
    };
    for (TNode& node : program.Nodes) {
        if (node.Op == TOp::Const || node.Op < TOp::Not || IsList(node.Op)) continue;
        if (!constant(node.A) || !constant(node.B) || !constant(node.C)) continue;
        if (const std::optional<std::int32_t> v =
                Fold(node.Op, value(node.A), value(node.B), value(node.C))) {
            node.Op = TOp::Const;
            node.Value = *v;
            node.A = node.B = node.C = kNoNode;
        }
    }
}

} // namespace

std::vector<int> Roots(const TScript& script) {
    std::vector<int> roots{script.Condition};
    for (const TAction& action : script.Actions) {
        for (const int node : {action.Expr, action.Expr2})
            if (node != kNoNode) roots.push_back(node);
        for (const TPrintItem& item : action.Items)
            if (item.Node != kNoNode) roots.push_back(item.Node);
    }
    return roots;
}

std::vector<bool> DrawsRandom(const TProgram& program) {
    std::vector<bool> random(program.Nodes.size(), false);
    for (std::size_t i = 0; i < program.Nodes.size(); ++i) {
        const TNode& node = program.Nodes[i];
        bool r = node.Op == TOp::Rnd;
        ForChildren(program, node, [&](int c) { r = r || random[static_cast<std::size_t>(c)]; });
        random[i] = r;
    }
    return random;
}

std::optional<TCompileFault> Compile(TScript& script) {
    TProgram& program = script.Program;
    const std::vector<int> roots = Roots(script);
    FoldConstants(program);
    Flatten(program, ParentCounts(program, roots));
    const std::vector<bool> random = DrawsRandom(program);
    Order(program, random);
    const std::vector<int> parents = ParentCounts(program, roots);
    program.MemoSlots = 0;
    for (std::size_t i = 0; i < program.Nodes.size(); ++i) {
        TNode& node = program.Nodes[i];
        const bool worth = node.Op != TOp::Const && node.Op != TOp::Length;
        node.Memo = parents[i] >= 2 && worth && !random[i] ? program.MemoSlots++ : -1;
    }
    return CheckLimits(program, roots);
}

} // namespace kv::script
