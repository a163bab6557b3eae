#include "DealOptions.h"

#include "OptionTable.h"

#include <set>

namespace kv::cli {
namespace {

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
    void Fail(const std::string& text) {
        if (error_.empty()) error_ = text;
    }

    void Take(const std::string& arg) {
        const TOption* option = FindOption(arg);
        if (option == nullptr) return TakeFile(arg);
        given_.insert(option);
        if (option->Files != nullptr) files_ = option->Files;
        if (!option->TakesValue()) return Fail(option->Take(options_, {}));
        if (i_ + 1 >= args_.size()) return Fail(arg + ": a value is missing");
        Fail(option->Take(options_, args_[++i_]));
    }

    // An argument that is no option is a file of the option before it that takes files.
    void TakeFile(const std::string& arg) {
        if (files_ == nullptr || arg.starts_with("--")) return Fail(arg + ": unknown argument");
        (options_.*files_).push_back(arg);
    }

    // How many of the options of `modes` were given (each once however often).
    int GivenCount(unsigned modes) const {
        int n = 0;
        for (const TOption* option : given_)
            n += (option->Modes & modes) != 0;
        return n;
    }

    bool Given(unsigned modes) const { return GivenCount(modes) > 0; }
    bool Given(std::string_view name) const { return given_.contains(FindOption(name)); }

    // What --analyse and --merge take and refuse; the format follows the mode.
    void CheckAnalysis() {
        const TFormat f = options_.Format;
        const bool analysisFormat = f == TFormat::Text || f == TFormat::Json || f == TFormat::Csv;
        const bool analysing = options_.Analyse || options_.Merge;
        const bool formatGiven = Given("--format");
        if (options_.Analyse && options_.Merge)
            Fail("--analyse and --merge: give only one of them");
        else if (options_.Merge && options_.MergeFiles.empty())
            Fail("--merge: name the summary files to merge");
        else if (options_.Merge &&
                 (Given(kChoosing | kAnalysing) || options_.DoubleDummy || options_.List))
            Fail("--merge: the summaries hold their seed, count and types; give only the files");
        else if (options_.Merge && f == TFormat::Csv)
            Fail("--format: merged summaries are written as text or json");
        else if (!options_.Analyse && Given(kAnalysing))
            Fail(OptionNames(kAnalysing, " and ") + ": only with --analyse");
        else if (options_.Analyse && (options_.DoubleDummy || options_.List))
            Fail("--analyse: analyses the deals itself; it takes no --dd or --list");
        else if (analysing && formatGiven && !analysisFormat)
            Fail("--format: an analysis is written as text, json or csv");
        else if (!analysing && analysisFormat)
            Fail("--format: text, json and csv are for --analyse and --merge");
        else if (analysing && !formatGiven)
            options_.Format = TFormat::Text;
    }

    // Deals read from a file are not dealt: nothing that chooses deals goes with them.
    void CheckInput() {
        if (!options_.Input) return;
        if (Given(kChoosing))
            Fail("--input: the deals come from the file; it takes no " +
                 OptionNames(kChoosing, " or "));
        else if (options_.List || options_.Analyse || options_.Merge)
            Fail("--input: writes the file's deals; it takes no --list, --analyse or --merge");
    }

    // A script chooses its own deals and prints them itself: the hand-type
    // options do not go with it, and --shard needs no --analyse.
    void CheckScript() {
        if (!options_.Script) {
            if (Given(kScripting))
                Fail(OptionNames(kScripting, " and ") + ": only with --script");
            else if (options_.Format == TFormat::Lin)
                Fail("--format: lin is for --script");
            return;
        }
        if (Given(kTypes) || options_.List || options_.Merge)
            Fail("--script: deals the script's deals; it takes no " + OptionNames(kTypes, ", ") +
                 ", --list or --merge");
        else if (options_.Input &&
                 (Given(kChoosing) || Given(kScripting) || Given("--shard") || options_.Analyse))
            Fail("--script with --input: keeps the file's deals; it takes no --seed, --count, "
                 "--generate, --threads, --shard or --analyse");
        else if (options_.Analyse)
            Fail("--script: --analyse is not available with scripts yet");
        else if (options_.FormatGiven &&
                 (options_.Format == TFormat::Text || options_.Format == TFormat::Json ||
                  options_.Format == TFormat::Csv))
            Fail("--format: a script's deals are written as deal, pbn or lin");
    }

    void CheckCombinations() {
        CheckScript();
        if (!error_.empty() || options_.Script) return;
        CheckAnalysis();
        if (error_.empty()) CheckInput();
        if (!error_.empty()) return;
        const std::string listTakesNo = "--list: lists the file's sets; it takes no ";
        if (GivenCount(kTypes) > 1)
            Fail(OptionNames(kTypes, " and ") + ": give only one of them");
        else if (options_.List && Given(kTypes))
            Fail(listTakesNo + OptionNames(kTypes, " or "));
        else if (options_.List && Given(kDealing))
            Fail(listTakesNo + OptionNames(kDealing, " or "));
    }

    const std::vector<std::string>& args_;
    std::size_t i_ = 0;
    TDealOptions options_;
    std::string error_;
    std::set<const TOption*> given_;
    // Where an argument that is no option goes: the files of the last option
    // given that takes files.
    std::vector<std::string> TDealOptions::*files_ = nullptr;
};

} // namespace

TParseResult ParseDealOptions(const std::vector<std::string>& args) {
    return TParser(args).Run();
}

} // namespace kv::cli
