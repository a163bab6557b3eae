#pragma once
// The command line of kestrovanhalme-deal.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv::cli {

enum class TFormat { Deal, Pbn };

struct TDealOptions {
    std::optional<std::int32_t> Seed;
    long Count = 10;
    std::vector<std::string> TypeTexts;
    std::string File = "PARAMS.SAV";
    std::optional<std::string> SetName;
    std::optional<long> Record;
    TFormat Format = TFormat::Deal;
    std::optional<std::string> Output;
    bool List = false;
    bool DoubleDummy = false;
    bool Help = false;    // --help: show the options and do nothing else
    bool Version = false; // --version: show the version and do nothing else
};

struct TParseResult {
    TDealOptions Options;
    std::string Error; // one line naming the argument; empty when parsing succeeded
};

inline constexpr const char* kUsage =
    "usage: kestrovanhalme-deal [--seed HEX] [--count N] [--type TYPETEXT]... [--file FILE] "
    "[--set NAME | --record N] [--format deal|pbn] [--output FILE] [--list] [--dd] "
    "[--help] [--version]";

inline constexpr long kMaxCount = 100000000;
inline constexpr std::size_t kMaxTypes = 8;

TParseResult ParseDealOptions(const std::vector<std::string>& args);

} // namespace kv::cli
