#include "output/dealtext/DealSession.h"

namespace kv {

void TDealSession::StartDealt(std::int32_t seed) {
    boards_.clear();
    types_.clear();
    current_ = 0;
    kept_ = 0;
    seed_ = seed;
    source_.clear();
}

void TDealSession::StartImported(std::vector<TBoardDeal> boards, std::string source) {
    boards_ = std::move(boards);
    types_.clear();
    current_ = 0;
    kept_ = boards_.size();
    seed_.reset();
    source_ = std::move(source);
}

void TDealSession::Append(const TFullDeal& deal, TBoardType type) {
    if (!Dealt()) return;
    boards_.push_back(RotationBoard(deal, static_cast<int>(boards_.size()) + 1));
    types_.push_back(type);
    current_ = boards_.size() - 1;
}

TBoardType TDealSession::TypeOf(std::size_t index) const {
    return index < types_.size() ? types_[index] : TBoardType{};
}

bool TDealSession::Back() {
    if (boards_.empty() || current_ == 0) return false;
    --current_;
    return true;
}

bool TDealSession::Forward() {
    if (AtLast()) return false;
    ++current_;
    return true;
}

bool TDealSession::GoTo(std::size_t index) {
    if (index >= boards_.size()) return false;
    current_ = index;
    return true;
}

std::optional<std::size_t> TDealSession::IndexOfBoard(int board) const {
    for (std::size_t i = 0; i < boards_.size(); ++i)
        if (boards_[i].Board == board) return i;
    return std::nullopt;
}

} // namespace kv
