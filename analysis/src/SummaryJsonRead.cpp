// Reading a summary file back for a merge. Every count is checked against the
// number of deals, so that a damaged or hand-edited file is refused rather than
// merged into wrong numbers. "partial" and "makes" are derived and not read.
#include "SummaryJson.h"

#include "Json.h"
#include "analysis/RequestText.h"
#include "engine/SeedText.h"
#include "storage/paramsfile/ParamsErrors.h"
#include "storage/paramsfile/TypeText.h"

#include <numeric>

namespace kv::analysis {
namespace {

constexpr const char* kNotSummary = "not an analysis summary: ";
constexpr std::int64_t kMaxShards = 1000000;
// The largest summary holds a shard number for each of a million shards and
// fewer than a thousand other values.
constexpr std::size_t kMaxValues = kMaxShards + 1000;

class TReader {
  public:
    explicit TReader(const TJson& root) : root_(root) {}

    TSummaryRead Run() {
        TSummaryRead out;
        if (root_.Object() == nullptr) return Failed("the file holds no JSON object");
        if (!Header() || !Request() || !Shards() || !Counts()) return Failed(error_);
        out.Summary = std::move(summary_);
        return out;
    }

  private:
    TSummaryRead Failed(const std::string& what) { return {TSummary{}, kNotSummary + what}; }

    bool Fail(const std::string& what) {
        if (error_.empty()) error_ = what;
        return false;
    }

    const TJson* Need(const TJson& object, const char* name) {
        const TJson* member = object.Member(name);
        if (member == nullptr) Fail(std::string("'") + name + "' is missing");
        return member;
    }

    bool Number(const TJson& object, const char* name, std::int64_t lo, std::int64_t hi,
                std::int64_t& out) {
        const TJson* member = Need(object, name);
        if (member == nullptr) return false;
        if (member->Number() == nullptr || *member->Number() < lo || *member->Number() > hi)
            return Fail(std::string("'") + name + "' must be a whole number from " +
                        std::to_string(lo) + " to " + std::to_string(hi));
        out = *member->Number();
        return true;
    }

    bool Text(const TJson& object, const char* name, std::string& out) {
        const TJson* member = Need(object, name);
        if (member == nullptr) return false;
        if (member->String() == nullptr)
            return Fail(std::string("'") + name + "' must be a string");
        out = *member->String();
        return true;
    }

    // A list of strings joined by commas.
    bool TextList(const char* name, std::vector<std::string>& out) {
        const TJson* member = Need(root_, name);
        if (member == nullptr) return false;
        if (member->Array() == nullptr)
            return Fail(std::string("'") + name + "' must be a list of strings");
        for (const TJson& item : *member->Array()) {
            if (item.String() == nullptr)
                return Fail(std::string("'") + name + "' must be a list of strings");
            out.push_back(*item.String());
        }
        return true;
    }

    bool Header() {
        std::string format;
        std::int64_t version = 0;
        if (!Text(root_, "format", format)) return false;
        if (format != "kestrovanhalme-analysis") return Fail("the format is '" + format + "'");
        return Number(root_, "version", 1, 1, version);
    }

    bool Request();
    bool Types();
    bool Lists();
    bool Compare();
    bool Shards();
    bool Counts();
    bool CompareCounts();
    template <typename C>
    bool CountList(const TJson& object, const char* name, C& counts, std::size_t size);

    const TJson& root_;
    TSummary summary_;
    TAnalysisRequest request_;
    std::string error_;
};

bool TReader::Request() {
    std::string seed, kind;
    if (!Text(root_, "seed", seed)) return false;
    const auto parsed = SeedFromText(seed);
    if (!parsed || seed.size() != 8) return Fail("'seed' must be 8 hexadecimal digits");
    request_.Seed = *parsed;
    if (!Number(root_, "count", 1, kMaxAnalysisCount, request_.Count) || !Types()) return false;
    if (!Text(root_, "analysis", kind)) return false;
    if (kind != "shape" && kind != "tricks")
        return Fail("'analysis' must be \"shape\" or \"tricks\"");
    request_.Kind = kind == "tricks" ? TAnalysisKind::Tricks : TAnalysisKind::ShapeAndPoints;
    if (!Lists() || !Compare()) return false;
    const std::string fault = RequestFault(request_);
    if (!fault.empty()) return Fail(fault);
    summary_ = EmptySummary(request_);
    return true;
}

bool TReader::Types() {
    std::vector<std::string> texts;
    if (!TextList("types", texts)) return false;
    if (texts.empty() || texts.size() > 8) return Fail("'types' must hold 1 to 8 type texts");
    for (const std::string& text : texts) {
        THandParam type;
        try {
            if (!TypeFromText(type, text)) return Fail("'" + text + "' is not a type text");
        } catch (const EConvertError&) {
            return Fail("'" + text + "' is not a type text");
        }
        request_.Types.push_back(type);
    }
    return true;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ",") + item;
    return text;
}

bool TReader::Lists() {
    std::vector<std::string> declarers, strains;
    if (!TextList("declarers", declarers) || !TextList("strains", strains)) return false;
    if (request_.Kind != TAnalysisKind::Tricks) {
        if (!declarers.empty() || !strains.empty())
            return Fail("a shape summary lists no declarers or denominations");
        return true;
    }
    const auto d = ParseDeclarers(Joined(declarers));
    const auto s = ParseStrains(Joined(strains));
    if (!d.Error.empty() || !s.Error.empty()) return Fail(d.Error.empty() ? s.Error : d.Error);
    request_.Declarers = d.Value, request_.Strains = s.Value;
    return true;
}

bool TReader::Compare() {
    const TJson* compare = Need(root_, "compare");
    if (compare == nullptr || compare->IsNull()) return compare != nullptr;
    std::string a, b;
    const TJson* vulnerable = compare->Member("vulnerable");
    if (!Text(*compare, "a", a) || !Text(*compare, "b", b)) return false;
    if (vulnerable == nullptr || vulnerable->Bool() == nullptr)
        return Fail("'vulnerable' must be true or false");
    const auto ca = ParseContract(a), cb = ParseContract(b);
    if (!ca.Error.empty() || !cb.Error.empty()) return Fail(ca.Error.empty() ? cb.Error : ca.Error);
    request_.Compare = TCompareSpec{ca.Value, cb.Value, *vulnerable->Bool()};
    return true;
}

bool TReader::Shards() {
    const TJson* shards = Need(root_, "shards");
    std::int64_t of = 0;
    if (shards == nullptr || !Number(*shards, "of", 1, kMaxShards, of)) return false;
    const TJson* counted = Need(*shards, "counted");
    if (counted == nullptr || counted->Array() == nullptr || counted->Array()->empty())
        return Fail("'counted' must list the shards counted");
    summary_.Key.ShardCount = static_cast<int>(of);
    summary_.Shards.clear();
    for (const TJson& k : *counted->Array()) {
        const std::int64_t last = summary_.Shards.empty() ? 0 : summary_.Shards.back();
        if (k.Number() == nullptr || *k.Number() <= last || *k.Number() > of)
            return Fail("'counted' must list shards from 1 to " + std::to_string(of) +
                        " in ascending order");
        summary_.Shards.push_back(static_cast<int>(*k.Number()));
    }
    return true;
}

template <typename C>
bool TReader::CountList(const TJson& object, const char* name, C& counts, std::size_t size) {
    const TJson* member = Need(object, name);
    if (member == nullptr) return false;
    const TJson::TArray* items = member->Array();
    if (items == nullptr || items->size() != size)
        return Fail(std::string("'") + name + "' must hold " + std::to_string(size) + " counts");
    const std::string unequal =
        std::string("the counts of '") + name + "' do not add up to the deals";
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::int64_t* n = (*items)[i].Number();
        if (n == nullptr || *n < 0 || *n > summary_.Deals) return Fail(unequal);
        counts[i] = *n;
        sum += *n;
    }
    return sum == summary_.Deals || Fail(unequal);
}

bool TReader::Counts() {
    if (!Number(root_, "deals", 0, summary_.Expected(), summary_.Deals)) return false;
    if (!CountList(root_, "typeDeals", summary_.TypeDeals, summary_.TypeDeals.size()) ||
        !CountList(root_, "pointsNS", summary_.NSPoints, summary_.NSPoints.size()) ||
        !CountList(root_, "pointsNorth", summary_.NorthPoints, summary_.NorthPoints.size()) ||
        !CountList(root_, "pointsSouth", summary_.SouthPoints, summary_.SouthPoints.size()) ||
        !CountList(root_, "longestFit", summary_.LongestFit, summary_.LongestFit.size()))
        return false;
    const TJson* tricks = Need(root_, "tricks");
    if (tricks == nullptr) return false;
    if (tricks->Array() == nullptr || tricks->Array()->size() != summary_.Tricks.size())
        return Fail("'tricks' must hold one entry for each denomination and declarer");
    for (std::size_t i = 0; i < summary_.Tricks.size(); ++i) {
        TTrickCounts& t = summary_.Tricks[i];
        const TJson& entry = (*tricks->Array())[i];
        std::string strain, declarer;
        if (!Text(entry, "strain", strain) || !Text(entry, "declarer", declarer)) return false;
        if (strain != StrainName(t.Strain) || declarer != DeclarerName(t.Declarer))
            return Fail("'tricks' must hold one entry for each denomination and declarer");
        if (!CountList(entry, "deals", t.Deals, t.Deals.size())) return false;
    }
    return CompareCounts();
}

bool TReader::CompareCounts() {
    const TJson* compare = Need(root_, "compareDeals");
    if (compare == nullptr) return false;
    TCompareTally& t = summary_.Compare;
    const std::int64_t deals = summary_.Deals;
    if (!Number(*compare, "aBetter", 0, deals, t.ABetter) ||
        !Number(*compare, "bBetter", 0, deals, t.BBetter) ||
        !Number(*compare, "equal", 0, deals, t.Equal) ||
        !Number(*compare, "impsForA", -24 * deals, 24 * deals, t.ImpsForA))
        return false;
    const std::int64_t compared = summary_.Key.Compare ? deals : 0;
    if (t.Deals() != compared || (compared == 0 && t.ImpsForA != 0))
        return Fail("the counts of 'compareDeals' do not add up to the deals");
    return true;
}

} // namespace

TSummaryRead SummaryFromJson(std::string_view text) {
    const TJsonParse parsed = ParseJson(text, kMaxValues);
    if (!parsed.Error.empty()) return {TSummary{}, kNotSummary + parsed.Error};
    return TReader(parsed.Value).Run();
}

} // namespace kv::analysis
