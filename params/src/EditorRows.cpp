#include "params/EditorRows.h"

namespace kv {
namespace {

constexpr std::array<std::string_view, kEditorRowCount> kPrefixes{
    "SHCP", "SSpade", "SHeart", "SDiamond", "SClub",
    "NHCP", "NSpade", "NHeart", "NDiamond", "NClub"};

// Control suffixes; a handler finds its row by dropping the suffix.
constexpr std::array<std::string_view, 3> kSuffixes{"MinBtn", "Track", "MaxBtn"};

} // namespace

std::string_view RowPrefix(TEditorRow row) {
    return kPrefixes[static_cast<std::size_t>(RowIndex(row))];
}

std::optional<TEditorRow> RowFromPrefix(std::string_view prefix) {
    for (TEditorRow row : kAllEditorRows)
        if (RowPrefix(row) == prefix) return row;
    return std::nullopt;
}

std::optional<TEditorRow> RowFromControlName(std::string_view name) {
    for (std::string_view suffix : kSuffixes)
        if (name.size() > suffix.size() && name.ends_with(suffix))
            return RowFromPrefix(name.substr(0, name.size() - suffix.size()));
    return std::nullopt;
}

} // namespace kv
