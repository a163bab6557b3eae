#pragma once
// The command line of kestrovanhalme-deal.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv::cli {

// Deal and Pbn for dealt deals (Lin too for a script's); Text, Json and Csv
// for an analysis or a merge.
enum class TFormat { Deal, Pbn, Text, Json, Csv, Lin };

struct TDealOptions {
    std::optional<std::int32_t> Seed;
    long Count = 10;
    std::vector<std::string> TypeTexts;
    std::string File = "PARAMS.SAV";
    std::optional<std::string> SetName;
    std::optional<long> Record;
    TFormat Format = TFormat::Deal;
    std::optional<std::string> Output;
    // --input FILE: the deals of a PBN file instead of dealt ones.
    std::optional<std::string> Input;
    bool List = false;
    bool DoubleDummy = false;
    // --analyse: the tricks (or with --shape, shape and points only) of
    // Count deals, for the declarers and denominations given as typed (the
    // analysis reads them; empty: North-South's better and notrump with the
    // suits the types force a fit in), only the shard's deals.
    bool Analyse = false;
    bool Shape = false;
    std::string Declarers;
    std::string Strains;
    std::string Shard;
    bool CountGiven = false;
    // --merge FILE...: the analysis summaries of the shards of one run.
    bool Merge = false;
    std::vector<std::string> MergeFiles;
    bool Help = false;    // --help: show the options and do nothing else
    bool Version = false; // --version: show the version and do nothing else
    // --script FILE: the deals of a dealer script instead of hand types; its
    // actions print them unless --format is given (FormatGiven).
    std::optional<std::string> Script;
    std::optional<long> Generate; // --generate N: at most N tries, for the script's generate
    std::optional<int> Threads;   // --threads N: default every core
    bool FormatGiven = false;
};

struct TParseResult {
    TDealOptions Options;
    std::string Error; // one line naming the argument; empty when parsing succeeded
};

// Written by hand, for its grouping; it names every option of the option table.
inline constexpr const char* kUsage =
    "usage: kestrovanhalme-deal [--seed HEX] [--count N] [--type TYPETEXT]... [--file FILE] "
    "[--set NAME | --record N] [--input PBNFILE] [--format deal|pbn] [--output FILE] [--list] "
    "[--dd] "
    "[--analyse [--shape] [--declarer N|S|NS] [--strains NT,S,...] [--shard K/N] "
    "[--format text|json|csv]] [--merge FILE...] [--help] [--version]\n"
    "       kestrovanhalme-deal --script FILE.dlr [--seed HEX] [--count N] [--generate N] "
    "[--threads N] [--shard K/N] [--input PBNFILE] [--format deal|pbn|lin] [--dd] [--output FILE]";

inline constexpr long kMaxCount = 100000000;
inline constexpr long kMaxGenerate = 2000000000;
inline constexpr int kMaxThreads = 256;
inline constexpr std::size_t kMaxTypes = 8;

TParseResult ParseDealOptions(const std::vector<std::string>& args);

} // namespace kv::cli
