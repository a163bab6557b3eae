#pragma once
// One hand type: South's and North's bounds and the type's relative frequency.
//
// Every bound is held twice. The *effective* bound is the one in force: the
// editor shows it and the generator reads nothing else. The *requested* bound
// is what the user last set with the editor, or a marker meaning "no request"
// (-1 below a minimum; 14 for suits or 38 for HCP above a maximum). The editor
// derives all effective bounds from the requested ones.

#include <array>
#include <cstdint>
#include <vector>

namespace kv {

enum class TSide { North, South };
// The five rows of one hand, in the order of the record and the editor.
enum class TRange { HCP, Spade, Heart, Diamond, Club };

inline constexpr std::array<TSide, 2> kSidesInRecordOrder{TSide::North, TSide::South};
inline constexpr std::array<TRange, 5> kAllRanges{TRange::HCP, TRange::Spade, TRange::Heart,
                                                  TRange::Diamond, TRange::Club};
inline constexpr std::array<TRange, 4> kSuitRanges{TRange::Spade, TRange::Heart, TRange::Diamond,
                                                   TRange::Club};

inline constexpr int kMaxHCP = 37;
inline constexpr int kMaxLength = 13;
inline constexpr int kNoMinRequest = -1;
inline constexpr int kNoSuitMaxRequest = 14;
inline constexpr int kNoHCPMaxRequest = 38;

constexpr int RangeTop(TRange r) {
    return r == TRange::HCP ? kMaxHCP : kMaxLength;
}
constexpr int NoMaxRequest(TRange r) {
    return r == TRange::HCP ? kNoHCPMaxRequest : kNoSuitMaxRequest;
}

class THandParam {
  public:
    std::uint8_t NHCPMin = 0, NHCPMax = kMaxHCP;
    std::uint8_t NSpadeMin = 0, NSpadeMax = kMaxLength;
    std::uint8_t NHeartMin = 0, NHeartMax = kMaxLength;
    std::uint8_t NDiamondMin = 0, NDiamondMax = kMaxLength;
    std::uint8_t NClubMin = 0, NClubMax = kMaxLength;
    std::int8_t NHCPMinReq = kNoMinRequest, NHCPMaxReq = kNoHCPMaxRequest;
    std::int8_t NSpadeMinReq = kNoMinRequest, NSpadeMaxReq = kNoSuitMaxRequest;
    std::int8_t NHeartMinReq = kNoMinRequest, NHeartMaxReq = kNoSuitMaxRequest;
    std::int8_t NDiamondMinReq = kNoMinRequest, NDiamondMaxReq = kNoSuitMaxRequest;
    std::int8_t NClubMinReq = kNoMinRequest, NClubMaxReq = kNoSuitMaxRequest;

    std::uint8_t SHCPMin = 0, SHCPMax = kMaxHCP;
    std::uint8_t SSpadeMin = 0, SSpadeMax = kMaxLength;
    std::uint8_t SHeartMin = 0, SHeartMax = kMaxLength;
    std::uint8_t SDiamondMin = 0, SDiamondMax = kMaxLength;
    std::uint8_t SClubMin = 0, SClubMax = kMaxLength;
    std::int8_t SHCPMinReq = kNoMinRequest, SHCPMaxReq = kNoHCPMaxRequest;
    std::int8_t SSpadeMinReq = kNoMinRequest, SSpadeMaxReq = kNoSuitMaxRequest;
    std::int8_t SHeartMinReq = kNoMinRequest, SHeartMaxReq = kNoSuitMaxRequest;
    std::int8_t SDiamondMinReq = kNoMinRequest, SDiamondMaxReq = kNoSuitMaxRequest;
    std::int8_t SClubMinReq = kNoMinRequest, SClubMaxReq = kNoSuitMaxRequest;

    std::int32_t Frequency = 100;

    // Indexed access to the same fields, for code that walks hands and rows.
    std::uint8_t& Min(TSide side, TRange range);
    std::uint8_t& Max(TSide side, TRange range);
    std::int8_t& MinReq(TSide side, TRange range);
    std::int8_t& MaxReq(TSide side, TRange range);
    std::uint8_t Min(TSide side, TRange range) const;
    std::uint8_t Max(TSide side, TRange range) const;
    std::int8_t MinReq(TSide side, TRange range) const;
    std::int8_t MaxReq(TSide side, TRange range) const;

    friend bool operator==(const THandParam&, const THandParam&) = default;
};

// The hand types the generator chooses from, in the order of the main
// window's tabs.
using TTypeList = std::vector<THandParam>;

} // namespace kv
