#include "params/HandParam.h"

#include <cstddef>

namespace kv {
namespace {

using Eff = std::uint8_t THandParam::*;
using Req = std::int8_t THandParam::*;

struct TRowFields {
    Eff Min, Max;
    Req MinReq, MaxReq;
};

// [side][range], side North = 0, South = 1.
constexpr TRowFields kRows[2][5] = {
    {{&THandParam::NHCPMin, &THandParam::NHCPMax, &THandParam::NHCPMinReq, &THandParam::NHCPMaxReq},
     {&THandParam::NSpadeMin, &THandParam::NSpadeMax, &THandParam::NSpadeMinReq,
      &THandParam::NSpadeMaxReq},
     {&THandParam::NHeartMin, &THandParam::NHeartMax, &THandParam::NHeartMinReq,
      &THandParam::NHeartMaxReq},
     {&THandParam::NDiamondMin, &THandParam::NDiamondMax, &THandParam::NDiamondMinReq,
      &THandParam::NDiamondMaxReq},
     {&THandParam::NClubMin, &THandParam::NClubMax, &THandParam::NClubMinReq,
      &THandParam::NClubMaxReq}},
    {{&THandParam::SHCPMin, &THandParam::SHCPMax, &THandParam::SHCPMinReq, &THandParam::SHCPMaxReq},
     {&THandParam::SSpadeMin, &THandParam::SSpadeMax, &THandParam::SSpadeMinReq,
      &THandParam::SSpadeMaxReq},
     {&THandParam::SHeartMin, &THandParam::SHeartMax, &THandParam::SHeartMinReq,
      &THandParam::SHeartMaxReq},
     {&THandParam::SDiamondMin, &THandParam::SDiamondMax, &THandParam::SDiamondMinReq,
      &THandParam::SDiamondMaxReq},
     {&THandParam::SClubMin, &THandParam::SClubMax, &THandParam::SClubMinReq,
      &THandParam::SClubMaxReq}},
};

const TRowFields& Row(TSide side, TRange range) {
    return kRows[side == TSide::South ? 1 : 0][static_cast<std::size_t>(range)];
}

} // namespace

std::uint8_t& THandParam::Min(TSide s, TRange r) {
    return this->*Row(s, r).Min;
}
std::uint8_t& THandParam::Max(TSide s, TRange r) {
    return this->*Row(s, r).Max;
}
std::int8_t& THandParam::MinReq(TSide s, TRange r) {
    return this->*Row(s, r).MinReq;
}
std::int8_t& THandParam::MaxReq(TSide s, TRange r) {
    return this->*Row(s, r).MaxReq;
}
std::uint8_t THandParam::Min(TSide s, TRange r) const {
    return this->*Row(s, r).Min;
}
std::uint8_t THandParam::Max(TSide s, TRange r) const {
    return this->*Row(s, r).Max;
}
std::int8_t THandParam::MinReq(TSide s, TRange r) const {
    return this->*Row(s, r).MinReq;
}
std::int8_t THandParam::MaxReq(TSide s, TRange r) const {
    return this->*Row(s, r).MaxReq;
}

} // namespace kv
