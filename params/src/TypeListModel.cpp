#include "params/TypeListModel.h"

#include <algorithm>
#include <numeric>

namespace kv {

TTypeListModel::TTypeListModel() : types_(1) {}

THandParam& TTypeListModel::SelectedType() {
    return types_.at(static_cast<std::size_t>(selected_));
}

const THandParam& TTypeListModel::SelectedType() const {
    return types_.at(static_cast<std::size_t>(selected_));
}

bool TTypeListModel::Select(int index) {
    if (index < 0 || index >= Count()) return false;
    selected_ = index;
    return true;
}

bool TTypeListModel::Add() {
    if (!CanAdd()) return false;
    types_.emplace_back();
    selected_ = Count() - 1;
    return true;
}

bool TTypeListModel::DeleteSelected() {
    if (!CanDelete()) return false;
    types_.erase(types_.begin() + selected_);
    selected_ = std::min(selected_, Count() - 1);
    return true;
}

void TTypeListModel::ClearAll() {
    types_.assign(1, THandParam{});
    selected_ = 0;
}

// Assigned, not swapped for another vector: Types() keeps its address.
bool TTypeListModel::Replace(TTypeList types) {
    if (types.empty() || static_cast<int>(types.size()) > kMaxTypes) return false;
    types_ = std::move(types);
    selected_ = 0;
    return true;
}

bool TTypeListModel::FollowGeneration(const TTypeList& before) {
    if (types_.empty()) types_ = before.empty() ? TTypeList(1) : before;
    const bool changed = types_.size() != before.size();
    if (changed || selected_ >= Count()) selected_ = 0;
    return changed;
}

void TTypeListModel::SetSelectedFrequency(int frequency) {
    if (selected_ < Count()) types_[static_cast<std::size_t>(selected_)].Frequency = frequency;
}

std::int64_t TTypeListModel::TotalFrequency() const {
    return std::accumulate(types_.begin(), types_.end(), std::int64_t{0},
                           [](std::int64_t sum, const THandParam& t) { return sum + t.Frequency; });
}

} // namespace kv
