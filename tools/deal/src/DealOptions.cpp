#include "DealOptions.h"

#include "engine/SeedText.h"
#include "storage/paramsfile/ParamsErrors.h"
#include "storage/paramsfile/TypeText.h"

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

class TParser {
  public:
    explicit TParser(const std::vector<std::string>& args) : args_(args) {}

    TParseResult Run() {
        for (i_ = 0; i_ < args_.size() && error_.empty(); ++i_)
            Take(args_[i_]);
        if (error_.empty()) CheckCombinations();
        return {options_, error_};
    }

  private:
    void Fail(const std::string& text) { error_ = text; }

    std::optional<std::string> Value(const std::string& name) {
        if (i_ + 1 >= args_.size()) {
            Fail(name + ": a value is missing");
            return std::nullopt;
        }
        return args_[++i_];
    }

    void Take(const std::string& arg) {
        if (arg == "--list")
            options_.List = true;
        else if (arg == "--help")
            options_.Help = true;
        else if (arg == "--version")
            options_.Version = true;
        else if (arg == "--dd")
            options_.DoubleDummy = dealOnly_ = true;
        else if (arg == "--seed")
            TakeSeed();
        else if (arg == "--count")
            TakeCount();
        else if (arg == "--type")
            TakeType();
        else if (arg == "--file")
            TakeString(arg, options_.File);
        else if (arg == "--set")
            TakeSet();
        else if (arg == "--record")
            TakeRecord();
        else if (arg == "--format")
            TakeFormat();
        else if (arg == "--output")
            TakeOutput();
        else if (arg == "--input")
            TakeInput();
        else if (arg == "--analyse")
            options_.Analyse = true;
        else if (arg == "--shape")
            options_.Shape = analysisOnly_ = true;
        else if (arg == "--declarer")
            TakeAnalysisText(arg, options_.Declarers);
        else if (arg == "--strains")
            TakeAnalysisText(arg, options_.Strains);
        else if (arg == "--shard")
            TakeAnalysisText(arg, options_.Shard);
        else if (arg == "--merge")
            options_.Merge = true;
        else if (arg == "--script")
            TakeScript();
        else if (arg == "--generate")
            TakeLimit(arg, options_.Generate, kMaxGenerate);
        else if (arg == "--threads")
            TakeThreads();
        else if (options_.Merge && !arg.starts_with("--"))
            options_.MergeFiles.push_back(arg);
        else
            Fail(arg + ": unknown argument");
    }

    void TakeSeed() {
        const auto text = Value("--seed");
        if (!text) return;
        options_.Seed = SeedFromText(*text);
        dealOnly_ = true;
        if (!options_.Seed) Fail("--seed: '" + *text + "' is not 1 to 8 hexadecimal digits");
    }

    void TakeCount() {
        const auto text = Value("--count");
        if (!text) return;
        const auto n = WholeNumber(*text, 1, kMaxCount);
        if (!n) return Fail("--count: '" + *text + "' is not a whole number from 1 to 100000000");
        options_.Count = *n;
        options_.CountGiven = dealOnly_ = true;
    }

    // A text that is not a number where one belongs is as bad as any other.
    static bool IsTypeText(const std::string& text) {
        THandParam type;
        try {
            return TypeFromText(type, text);
        } catch (const EConvertError&) {
            return false;
        }
    }

    void TakeType() {
        const auto text = Value("--type");
        if (!text) return;
        if (options_.TypeTexts.size() == kMaxTypes) return Fail("--type: at most 8 types");
        if (!IsTypeText(*text)) return Fail("--type: '" + *text + "' is not a valid type text");
        options_.TypeTexts.push_back(*text);
    }

    void TakeString(const std::string& name, std::string& into) {
        const auto text = Value(name);
        if (text) into = *text;
    }

    void TakeSet() {
        const auto text = Value("--set");
        if (text) options_.SetName = *text;
    }

    void TakeRecord() {
        const auto text = Value("--record");
        if (!text) return;
        options_.Record = WholeNumber(*text, 1, 2147483647);
        if (!options_.Record) Fail("--record: '" + *text + "' is not a record number (1 or more)");
    }

    void TakeFormat() {
        const auto text = Value("--format");
        if (!text) return;
        dealOnly_ = formatGiven_ = true;
        if (*text == "deal")
            options_.Format = TFormat::Deal;
        else if (*text == "pbn")
            options_.Format = TFormat::Pbn;
        else if (*text == "text")
            options_.Format = TFormat::Text;
        else if (*text == "json")
            options_.Format = TFormat::Json;
        else if (*text == "csv")
            options_.Format = TFormat::Csv;
        else if (*text == "lin")
            options_.Format = TFormat::Lin;
        else
            Fail("--format: '" + *text + "' is not deal, pbn, lin, text, json or csv");
        options_.FormatGiven = true;
    }

    void TakeScript() {
        const auto text = Value("--script");
        if (text && text->empty()) return Fail("--script: the file name is empty");
        if (text) options_.Script = *text;
    }

    void TakeLimit(const std::string& name, std::optional<long>& into, long most) {
        const auto text = Value(name);
        if (!text) return;
        into = WholeNumber(*text, 1, most);
        if (!into)
            Fail(name + ": '" + *text + "' is not a whole number from 1 to " +
                 std::to_string(most));
    }

    void TakeThreads() {
        std::optional<long> threads;
        TakeLimit("--threads", threads, kMaxThreads);
        if (threads) options_.Threads = static_cast<int>(*threads);
    }

    // A script chooses its own deals and prints them itself: the hand-type
    // options do not go with it, and --shard needs no --analyse.
    void CheckScript() {
        if (!options_.Script) {
            if (options_.Generate || options_.Threads)
                Fail("--generate and --threads: only with --script");
            else if (options_.Format == TFormat::Lin)
                Fail("--format: lin is for --script");
            return;
        }
        const bool types = !options_.TypeTexts.empty() || options_.SetName || options_.Record ||
                           options_.List || options_.Merge;
        if (types)
            Fail("--script: deals the script's deals; it takes no --type, --set, --record, --list "
                 "or --merge");
        else if (options_.Input && (options_.Seed || options_.CountGiven || options_.Generate ||
                                    !options_.Shard.empty() || options_.Analyse))
            Fail("--script with --input: keeps the file's deals; it takes no --seed, --count, "
                 "--generate, --shard or --analyse");
        else if (options_.Analyse)
            Fail("--script: --analyse is not available with scripts yet");
        else if (options_.FormatGiven &&
                 (options_.Format == TFormat::Text || options_.Format == TFormat::Json ||
                  options_.Format == TFormat::Csv))
            Fail("--format: a script's deals are written as deal, pbn or lin");
    }

    void TakeInput() {
        const auto text = Value("--input");
        if (text && text->empty()) return Fail("--input: the file name is empty");
        if (text) options_.Input = *text;
    }

    void TakeOutput() {
        const auto text = Value("--output");
        if (text && text->empty()) return Fail("--output: the file name is empty");
        if (text) options_.Output = *text;
    }

    // The texts are read by the analysis, which names what is wrong with them.
    void TakeAnalysisText(const std::string& name, std::string& into) {
        const auto text = Value(name);
        if (text) into = *text;
        analysisOnly_ = true;
    }

    // What --analyse and --merge take and refuse; the format follows the mode.
    void CheckAnalysis() {
        const TFormat f = options_.Format;
        const bool analysisFormat = f == TFormat::Text || f == TFormat::Json || f == TFormat::Csv;
        const bool analysing = options_.Analyse || options_.Merge;
        if (options_.Analyse && options_.Merge)
            Fail("--analyse and --merge: give only one of them");
        else if (options_.Merge && options_.MergeFiles.empty())
            Fail("--merge: name the summary files to merge");
        else if (options_.Merge && (options_.CountGiven || options_.Seed || analysisOnly_ ||
                                    options_.DoubleDummy || options_.List))
            Fail("--merge: the summaries hold their seed, count and types; give only the files");
        else if (options_.Merge && f == TFormat::Csv)
            Fail("--format: merged summaries are written as text or json");
        else if (!options_.Analyse && analysisOnly_)
            Fail("--shape, --declarer, --strains and --shard: only with --analyse");
        else if (options_.Analyse && (options_.DoubleDummy || options_.List))
            Fail("--analyse: analyses the deals itself; it takes no --dd or --list");
        else if (analysing && formatGiven_ && !analysisFormat)
            Fail("--format: an analysis is written as text, json or csv");
        else if (!analysing && analysisFormat)
            Fail("--format: text, json and csv are for --analyse and --merge");
        else if (analysing && !formatGiven_)
            options_.Format = TFormat::Text;
    }

    // Deals read from a file are not dealt: nothing that chooses deals goes with them.
    void CheckInput() {
        if (!options_.Input) return;
        const bool chooses = options_.Seed || options_.CountGiven || !options_.TypeTexts.empty() ||
                             options_.SetName || options_.Record;
        if (chooses)
            Fail("--input: the deals come from the file; it takes no --seed, --count, --type, "
                 "--set or --record");
        else if (options_.List || options_.Analyse || options_.Merge)
            Fail("--input: writes the file's deals; it takes no --list, --analyse or --merge");
    }

    void CheckCombinations() {
        CheckScript();
        if (!error_.empty() || options_.Script) return;
        CheckAnalysis();
        if (error_.empty()) CheckInput();
        if (!error_.empty()) return;
        const int sources = !options_.TypeTexts.empty() + options_.SetName.has_value() +
                            options_.Record.has_value();
        if (sources > 1)
            Fail("--type, --set and --record: give only one of them");
        else if (options_.List && sources > 0)
            Fail("--list: lists the file's sets; it takes no --type, --set or --record");
        else if (options_.List && dealOnly_)
            Fail("--list: lists the file's sets; it takes no --seed, --count, --format or --dd");
    }

    const std::vector<std::string>& args_;
    std::size_t i_ = 0;
    TDealOptions options_;
    std::string error_;
    bool dealOnly_ = false;     // --seed, --count, --format or --dd given
    bool formatGiven_ = false;  // --format given
    bool analysisOnly_ = false; // --shape, --declarer, --strains or --shard given
};

} // namespace

TParseResult ParseDealOptions(const std::vector<std::string>& args) {
    return TParser(args).Run();
}

} // namespace kv::cli
