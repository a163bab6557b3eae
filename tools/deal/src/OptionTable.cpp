#include "OptionTable.h"

#include "engine/SeedText.h"
#include "storage/paramsfile/ParamsErrors.h"
#include "storage/paramsfile/TypeText.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace kv::cli {
namespace {

std::optional<long> WholeNumber(const std::string& text, long lo, long hi) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
        return std::nullopt;
    return value;
}

// A text that is not a number where one belongs is as bad as any other.
bool IsTypeText(const std::string& text) {
    THandParam type;
    try {
        return TypeFromText(type, text);
    } catch (const EConvertError&) {
        return false;
    }
}

template <bool TDealOptions::*Flag> std::string Set(TDealOptions& options, const std::string&) {
    options.*Flag = true;
    return {};
}

// The analysis reads these texts and names what is wrong with them.
template <std::string TDealOptions::*Text>
std::string Copy(TDealOptions& options, const std::string& value) {
    options.*Text = value;
    return {};
}

std::string TakeSeed(TDealOptions& options, const std::string& value) {
    options.Seed = SeedFromText(value);
    return options.Seed ? "" : "--seed: '" + value + "' is not 1 to 8 hexadecimal digits";
}

std::string TakeCount(TDealOptions& options, const std::string& value) {
    const auto n = WholeNumber(value, 1, kMaxCount);
    if (!n) return "--count: '" + value + "' is not a whole number from 1 to 100000000";
    options.Count = *n;
    options.CountGiven = true;
    return {};
}

std::string TakeType(TDealOptions& options, const std::string& value) {
    if (options.TypeTexts.size() == kMaxTypes) return "--type: at most 8 types";
    if (!IsTypeText(value)) return "--type: '" + value + "' is not a valid type text";
    options.TypeTexts.push_back(value);
    return {};
}

std::string TakeSet(TDealOptions& options, const std::string& value) {
    options.SetName = value;
    return {};
}

std::string TakeRecord(TDealOptions& options, const std::string& value) {
    options.Record = WholeNumber(value, 1, 2147483647);
    return options.Record ? "" : "--record: '" + value + "' is not a record number (1 or more)";
}

std::string TakeFormat(TDealOptions& options, const std::string& value) {
    static constexpr std::pair<std::string_view, TFormat> kFormats[] = {
        {"deal", TFormat::Deal}, {"pbn", TFormat::Pbn},   {"lin", TFormat::Lin},
        {"text", TFormat::Text}, {"json", TFormat::Json}, {"csv", TFormat::Csv}};
    options.FormatGiven = true;
    for (const auto& [name, format] : kFormats)
        if (value == name) {
            options.Format = format;
            return {};
        }
    return "--format: '" + value + "' is not deal, pbn, lin, text, json or csv";
}

std::string TakeScript(TDealOptions& options, const std::string& value) {
    if (value.empty()) return "--script: the file name is empty";
    options.Script = value;
    return {};
}

std::string TakeGenerate(TDealOptions& options, const std::string& value) {
    options.Generate = WholeNumber(value, 1, kMaxGenerate);
    return options.Generate ? ""
                            : "--generate: '" + value + "' is not a whole number from 1 to " +
                                  std::to_string(kMaxGenerate);
}

std::string TakeThreads(TDealOptions& options, const std::string& value) {
    const auto n = WholeNumber(value, 1, kMaxThreads);
    if (!n)
        return "--threads: '" + value + "' is not a whole number from 1 to " +
               std::to_string(kMaxThreads);
    options.Threads = static_cast<int>(*n);
    return {};
}

std::string TakeInput(TDealOptions& options, const std::string& value) {
    if (value.empty()) return "--input: the file name is empty";
    options.Input = value;
    return {};
}

std::string TakeOutput(TDealOptions& options, const std::string& value) {
    if (value.empty()) return "--output: the file name is empty";
    options.Output = value;
    return {};
}

using O = TDealOptions;

const std::array kOptions = {
    TOption{"--seed", "HEX", kDealing | kChoosing, TakeSeed,
            "1 to 8 hexadecimal digits; without it the seed comes from the\n"
            "clock and is printed to standard error"},
    TOption{"--count", "N", kDealing | kChoosing, TakeCount, "deals to make (default 10)"},
    TOption{"--type", "TYPETEXT", kChoosing | kTypes, TakeType,
            "a 72-character type text as stored in parameter files; up to 8"},
    TOption{"--file", "FILE", kNoMode, Copy<&O::File>, "the parameter file (default PARAMS.SAV)"},
    TOption{"--set", "NAME", kChoosing | kTypes, TakeSet, "the types of a stored set, by name"},
    TOption{"--record", "N", kChoosing | kTypes, TakeRecord,
            "the types of a stored set, by record number"},
    TOption{"--list", "", kNoMode, Set<&O::List>,
            "print the file's sets: record, number of types, name"},
    TOption{"--input", "PBNFILE", kNoMode, TakeInput,
            "the deals of a PBN file instead of dealt ones, with their\n"
            "board numbers, dealers, vulnerabilities and other tags"},
    TOption{"--format", "deal|pbn", kDealing, TakeFormat,
            "one line per deal, or a PBN 2.1 export file"},
    TOption{"--output", "FILE", kNoMode, TakeOutput, "write into FILE, whole or not at all"},
    TOption{"--dd", "", kDealing, Set<&O::DoubleDummy>, "double-dummy analysis of every deal"},
    TOption{"--analyse", "", kNoMode, Set<&O::Analyse>,
            "what the deals make: the make table, points, fits, type mix\n"
            "(default 500 deals)"},
    TOption{"--shape", "", kAnalysing, Set<&O::Shape>,
            "with --analyse: points, fits and type mix only, no solver"},
    TOption{"--declarer", "LIST", kAnalysing, Copy<&O::Declarers>,
            "with --analyse: N, S or NS (the better of the two); default NS"},
    TOption{"--strains", "LIST", kAnalysing, Copy<&O::Strains>,
            "with --analyse: NT,S,H,D,C; default NT and the forced fits"},
    TOption{"--shard", "K/N", kAnalysing, Copy<&O::Shard>,
            "with --analyse: only deals K, K+N, ... (every deal is dealt)"},
    TOption{"--format", "text|json|csv", kNoMode, TakeFormat,
            "how an analysis is written (default text)"},
    TOption{"--merge", "FILE...", kNoMode, Set<&O::Merge>,
            "merge the JSON summaries of a run's shards", &O::MergeFiles},
    TOption{"--script", "FILE", kNoMode, TakeScript,
            "the deals of a script in the language of Debian's dealer,\n"
            "printed by its actions as dealer prints them, the run's\n"
            "statistics on standard error; its produce (or --count) deals"},
    TOption{"--generate", "N", kScripting, TakeGenerate,
            "with --script: at most N tries in all (default the script's\n"
            "generate, or 10000000)"},
    TOption{"--threads", "N", kScripting, TakeThreads,
            "with --script: threads to deal on (default every core); the\n"
            "deals are the same for any number"},
    TOption{"--shard", "K/N", kAnalysing, Copy<&O::Shard>,
            "with --script: only the K-th of N parts of the deals; the\n"
            "parts in order make the whole run"},
    TOption{"--format", "deal|pbn|lin", kNoMode, TakeFormat,
            "with --script: our deal lines, PBN or BBO's .lin instead\n"
            "of the actions; with --input, the file's boards that meet\n"
            "the script"},
    TOption{"--help", "", kNoMode, Set<&O::Help>, "show this help"},
    TOption{"--version", "", kNoMode, Set<&O::Version>, "show the version and the licence"},
};

} // namespace

std::span<const TOption> OptionTable() {
    return kOptions;
}

const TOption* FindOption(std::string_view name) {
    for (const TOption& option : kOptions)
        if (option.Name == name) return &option;
    return nullptr;
}

std::string OptionNames(unsigned modes, std::string_view lastJoin) {
    std::vector<std::string_view> names;
    for (const TOption& option : kOptions)
        if ((option.Modes & modes) != 0 && std::ranges::find(names, option.Name) == names.end())
            names.push_back(option.Name);
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? lastJoin : ", ";
        text += names[i];
    }
    return text;
}

} // namespace kv::cli
