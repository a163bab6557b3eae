#include "AnalyseChoices.h"

#include "analysis/RequestText.h"
#include "storage/settings/SettingsStore.h"

#include <algorithm>

namespace kv {
namespace {

using analysis::TDeclarer;

// The ticked items by their names, as the command line lists them.
template <std::size_t N, typename Name>
QString ListText(const std::array<bool, N>& ticked, const Name& name) {
    QStringList items;
    for (std::size_t i = 0; i < N; ++i)
        if (ticked[i]) items << QString::fromStdString(name(i));
    return items.join(QLatin1Char(','));
}

// The stored list ticked, or nothing when it is absent, empty or unreadable.
template <std::size_t N, typename Parse>
std::optional<std::array<bool, N>> StoredList(const TSettingsStore& store, const TSettingDef& def,
                                              const Parse& parse) {
    if (!store.Exists(def)) return std::nullopt;
    const auto parsed = parse(store.ReadString(def).toStdString());
    if (!parsed.Error.empty() || parsed.Value.empty()) return std::nullopt;
    std::array<bool, N> ticked{};
    for (const auto item : parsed.Value)
        ticked[static_cast<std::size_t>(item)] = true;
    return ticked;
}

std::array<bool, kStrains> DefaultStrains(const TTypeList& types) {
    std::array<bool, kStrains> ticked{};
    ticked[0] = true;
    for (int suit : analysis::ForcedFitSuits(types))
        ticked[static_cast<std::size_t>(suit)] = true;
    return ticked;
}

} // namespace

TAnalyseChoices ReadAnalyseChoices(const TSettingsStore& store, const TTypeList& types,
                                   std::int64_t maxCount) {
    TAnalyseChoices choices;
    const int count = store.ReadInt(setting::AnalysisDeals);
    if (count >= 1 && count <= maxCount) choices.Count = count;
    choices.Tricks = store.ReadBool(setting::AnalysisTricks);
    choices.Declarers[static_cast<std::size_t>(TDeclarer::Better)] = true;
    if (const auto stored = StoredList<analysis::kDeclarerChoices>(
            store, setting::AnalysisDeclarers, analysis::ParseDeclarers))
        choices.Declarers = *stored;
    choices.Strains = DefaultStrains(types);
    if (const auto stored =
            StoredList<kStrains>(store, setting::AnalysisDenominations, analysis::ParseStrains))
        choices.Strains = *stored;
    return choices;
}

void WriteAnalyseChoices(TSettingsStore& store, const TAnalyseChoices& choices) {
    store.WriteInt(setting::AnalysisDeals, static_cast<int>(choices.Count));
    store.WriteBool(setting::AnalysisTricks, choices.Tricks);
    store.WriteString(setting::AnalysisDeclarers, ListText(choices.Declarers, [](std::size_t i) {
                          return analysis::DeclarerName(static_cast<TDeclarer>(i));
                      }));
    store.WriteString(setting::AnalysisDenominations, ListText(choices.Strains, [](std::size_t i) {
                          return analysis::StrainName(static_cast<int>(i));
                      }));
}

} // namespace kv
