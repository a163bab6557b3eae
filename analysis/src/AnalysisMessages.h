#pragma once
// The messages of the analysis of many deals, shared by the window, the
// command line and the tests that assert them.

namespace kv::analysis::msg {

inline constexpr const char* kCountRange = "The number of deals must be from 1 to 100000000.";
inline constexpr const char* kNoTypes = "There are no hand types to analyse.";
inline constexpr const char* kNoDeclarer = "Choose at least one declarer.";
inline constexpr const char* kNoStrain = "Choose at least one denomination.";
// Followed by the faulty text in quotes and a full stop.
inline constexpr const char* kBadDeclarer = "A declarer must be N, S or NS, not ";
inline constexpr const char* kBadStrain = "A denomination must be NT, S, H, D or C, not ";
inline constexpr const char* kTwiceDeclarer = "A declarer is listed twice: ";
inline constexpr const char* kTwiceStrain = "A denomination is listed twice: ";
inline constexpr const char* kBadShard = "A shard must be K/N with K from 1 to N, not ";
inline constexpr const char* kBadContract =
    "A contract must be a level 1 to 7, a denomination and a declarer, "
    "such as 4S:S, 3NT:N or 6H:NS, not ";
inline constexpr const char* kCompareUnsolved =
    "Both contracts to compare must be among the declarers and denominations analysed.";
inline constexpr const char* kCompareNeedsTricks =
    "Contracts can be compared only in a double-dummy analysis.";

inline constexpr const char* kSolverFailed = "double-dummy analysis failed: ";
// Follows kSolverFailed when the solver gave no or impossible trick counts.
inline constexpr const char* kTricksMissing = "a deal came back without its tricks";

// Merging summaries.
inline constexpr const char* kNothingToMerge = "There are no summaries to merge.";
inline constexpr const char* kMergeFormat = "Cannot merge summaries of different file formats.";
inline constexpr const char* kMergeSeed = "Cannot merge summaries made with different seeds: ";
inline constexpr const char* kMergeCount =
    "Cannot merge summaries made with different numbers of deals: ";
inline constexpr const char* kMergeTypes = "Cannot merge summaries made with different hand types.";
inline constexpr const char* kMergeKind =
    "Cannot merge a shape-and-points summary with a double-dummy one.";
inline constexpr const char* kMergeDeclarers =
    "Cannot merge summaries made for different declarers: ";
inline constexpr const char* kMergeStrains =
    "Cannot merge summaries made for different denominations: ";
inline constexpr const char* kMergeCompare =
    "Cannot merge summaries that compare different contracts.";
inline constexpr const char* kMergeShardCount =
    "Cannot merge summaries split into different numbers of shards: ";
inline constexpr const char* kMergeShardTwice = "Cannot merge a shard twice: ";
// After "Shards 2, 4 of 5 are".
inline constexpr const char* kShardsMissing = " missing: the merged summary is partial.";

} // namespace kv::analysis::msg

namespace kv::analysis::msg {

inline constexpr const char* kMergeCsv =
    "A merge gives a summary, not deals: choose the text or JSON format.";
// Preceded by the file's name and ": ".
inline constexpr const char* kUnreadable = "cannot be read";
inline constexpr const char* kTooLarge =
    "not an analysis summary: it is larger than 16 MB, which no summary reaches";

} // namespace kv::analysis::msg

namespace kv::analysis::msg {

// The analysis of given boards.
inline constexpr const char* kNoBoards = "There are no boards to analyse.";
// After the boards named ("Board 3 does", "Boards 3 and 7 do").
inline constexpr const char* kHandsMissing = " not give all four hands: ";
inline constexpr const char* kLeftOutOne = "it is left out of the analysis.";
inline constexpr const char* kLeftOutMany = "they are left out of the analysis.";
inline constexpr const char* kNothingLeft = "there is nothing to analyse.";
// After "Board <n>".
inline constexpr const char* kNotWholeDeal =
    " does not hold each of the 52 cards once: it cannot be analysed.";

} // namespace kv::analysis::msg
