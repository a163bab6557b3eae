#pragma once
// Every value of the settings store: its key, name, kind and default.

namespace kv {

enum class TSettingKey { Root, ViewOptions, PrintOptions, Dimensions, AnalysisOptions };
enum class TSettingKind { Integer, Boolean, String };

struct TSettingDef {
    TSettingKey Key;
    const char* Name;
    TSettingKind Kind;
    int IntDefault;            // integers and booleans
    const char* StringDefault; // strings
};

namespace setting {

using K = TSettingKey;
using T = TSettingKind;

inline constexpr TSettingDef WarnOnNewTypes{K::Root, "WarnOnNewTypes", T::Boolean, 1, nullptr};
inline constexpr TSettingDef TenSymbol{K::Root, "TenSymbol", T::String, 0, "T"};
inline constexpr TSettingDef HandToView{K::ViewOptions, "HandToView", T::String, 0, "Both"};
inline constexpr TSettingDef SortSuitsByRank{K::ViewOptions, "SortSuitsByRank", T::Boolean, 0,
                                             nullptr};
// The hands window's double-dummy table: shown or not.
inline constexpr TSettingDef ViewDoubleDummy{K::ViewOptions, "DoubleDummy", T::Boolean, 0, nullptr};
// The size of the hands window's cards, in percent of their own 71 x 96 pixels.
inline constexpr TSettingDef CardSize{K::ViewOptions, "CardSize", T::Integer, 100, nullptr};
inline constexpr TSettingDef ColorPrinting{K::PrintOptions, "ColorPrinting", T::Boolean, 1,
                                           nullptr};
inline constexpr TSettingDef Deals{K::PrintOptions, "Deals", T::Integer, 10, nullptr};
inline constexpr TSettingDef South{K::PrintOptions, "South", T::Integer, 1, nullptr};
inline constexpr TSettingDef North{K::PrintOptions, "North", T::Integer, 1, nullptr};
inline constexpr TSettingDef NorthAndSouth{K::PrintOptions, "NorthAndSouth", T::Integer, 1,
                                           nullptr};
// Stored under the opposite compass names: `East` holds the West-only count
// and `West` the East-only count, for reading and writing alike.
inline constexpr TSettingDef East{K::PrintOptions, "East", T::Integer, 0, nullptr};
inline constexpr TSettingDef West{K::PrintOptions, "West", T::Integer, 0, nullptr};
inline constexpr TSettingDef All{K::PrintOptions, "All", T::Integer, 0, nullptr};
inline constexpr TSettingDef DealerAndVul{K::PrintOptions, "DealerAndVul", T::Boolean, 1, nullptr};
// "Show &double-dummy results": the grid and par under each board of the
// all-four-hands layout.
inline constexpr TSettingDef PrintDoubleDummy{K::PrintOptions, "DoubleDummy", T::Boolean, 0,
                                              nullptr};
inline constexpr TSettingDef ReadFileFormWidth{K::Dimensions, "ReadFileFormWidth", T::Integer, 341,
                                               nullptr};
inline constexpr TSettingDef ReadFileFormHeight{K::Dimensions, "ReadFileFormHeight", T::Integer,
                                                206, nullptr};
inline constexpr TSettingDef CopyFormWidth{K::Dimensions, "CopyFormWidth", T::Integer, 442,
                                           nullptr};
inline constexpr TSettingDef CopyFormHeight{K::Dimensions, "CopyFormHeight", T::Integer, 309,
                                            nullptr};
// The last choices of the "Analyse Hands" dialog. The lists are written as
// the command line takes them ("N,S,NS", "NT,S,H"); no denominations stored
// means notrump and the suits in which the types force a fit.
inline constexpr TSettingDef AnalysisDeals{K::AnalysisOptions, "Deals", T::Integer, 500, nullptr};
inline constexpr TSettingDef AnalysisTricks{K::AnalysisOptions, "DoubleDummy", T::Boolean, 1,
                                            nullptr};
inline constexpr TSettingDef AnalysisDeclarers{K::AnalysisOptions, "Declarers", T::String, 0, "NS"};
inline constexpr TSettingDef AnalysisDenominations{K::AnalysisOptions, "Denominations", T::String,
                                                   0, ""};

inline constexpr const TSettingDef* kAll[] = {
    &WarnOnNewTypes,
    &TenSymbol,
    &HandToView,
    &SortSuitsByRank,
    &ViewDoubleDummy,
    &CardSize,
    &ColorPrinting,
    &Deals,
    &South,
    &North,
    &NorthAndSouth,
    &East,
    &West,
    &All,
    &DealerAndVul,
    &PrintDoubleDummy,
    &ReadFileFormWidth,
    &ReadFileFormHeight,
    &CopyFormWidth,
    &CopyFormHeight,
    &AnalysisDeals,
    &AnalysisTricks,
    &AnalysisDeclarers,
    &AnalysisDenominations,
};

} // namespace setting
} // namespace kv
