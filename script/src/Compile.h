#pragma once
// Turns the parsed tree into the form the dealing loop evaluates: chains of
// && and || become lists tried cheapest first, shared named expressions get
// memo slots, and the limits that keep any text's evaluation bounded are
// checked.

#include "script/Script.h"

#include <optional>

namespace kv::script {

// The DAG's depth and evaluation work that a script may not exceed.
inline constexpr int kMaxEvaluationDepth = 1000;
inline constexpr double kMaxEvaluationWork = 1e7;

// Compiles the script's program in place; a fault (too deep, too much work)
// as text and the node it concerns.
struct TCompileFault {
    int Node = kNoNode;
    std::string Text;
};
std::optional<TCompileFault> Compile(TScript& script);

// The roots of a script: its condition and every expression of its actions.
std::vector<int> Roots(const TScript& script);

// Whether evaluating the node may draw random numbers (rnd), so that it can
// be neither reordered nor remembered. One entry per node.
std::vector<bool> DrawsRandom(const TProgram& program);

} // namespace kv::script
