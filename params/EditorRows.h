#pragma once
// The ten rows of the parameter editor and what each one edits.
//
// A row is a Min button, a track bar and a Max button whose object names share
// the row's prefix: "SHCP" gives SHCPMinBtn, SHCPTrack and SHCPMaxBtn.

#include "params/HandParam.h"

#include <array>
#include <optional>
#include <string_view>

namespace kv {

// South's five rows, then North's, each hand HCP first and then the suits in
// the order spades, hearts, diamonds, clubs.
enum class TEditorRow {
    SHCP,
    SSpade,
    SHeart,
    SDiamond,
    SClub,
    NHCP,
    NSpade,
    NHeart,
    NDiamond,
    NClub
};

inline constexpr int kEditorRowCount = 10;
inline constexpr std::array<TEditorRow, kEditorRowCount> kAllEditorRows{
    TEditorRow::SHCP,     TEditorRow::SSpade, TEditorRow::SHeart, TEditorRow::SDiamond,
    TEditorRow::SClub,    TEditorRow::NHCP,   TEditorRow::NSpade, TEditorRow::NHeart,
    TEditorRow::NDiamond, TEditorRow::NClub};

// The two buttons of a row: the pressed one says which bound the thumb edits.
enum class TBound { Min, Max };

constexpr int RowIndex(TEditorRow row) {
    return static_cast<int>(row);
}
constexpr TSide RowSide(TEditorRow row) {
    return RowIndex(row) < 5 ? TSide::South : TSide::North;
}
constexpr TRange RowRange(TEditorRow row) {
    return static_cast<TRange>(RowIndex(row) % 5);
}
constexpr bool IsHCPRow(TEditorRow row) {
    return RowRange(row) == TRange::HCP;
}
constexpr TEditorRow EditorRow(TSide side, TRange range) {
    return static_cast<TEditorRow>((side == TSide::South ? 0 : 5) + static_cast<int>(range));
}

// Highest thumb position of a row: 37 for HCP rows, 13 for suit rows.
constexpr int RowTop(TEditorRow row) {
    return RangeTop(RowRange(row));
}
// The tag of a Max button that holds no request: 38 for HCP rows, 14 for suit rows.
constexpr int RowNoMaxRequest(TEditorRow row) {
    return NoMaxRequest(RowRange(row));
}

// The object-name prefix of a row ("SHCP", "SSpade", ... "NClub").
std::string_view RowPrefix(TEditorRow row);

// The row whose prefix is given, or nothing for an unknown prefix.
std::optional<TEditorRow> RowFromPrefix(std::string_view prefix);

// The row of a control named prefix + "MinBtn", "Track" or "MaxBtn"; nothing for other names.
std::optional<TEditorRow> RowFromControlName(std::string_view name);

} // namespace kv
