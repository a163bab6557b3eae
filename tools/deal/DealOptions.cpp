#include "DealOptions.h"

#include "ParamsErrors.h"
#include "SeedText.h"
#include "TypeText.h"

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
        dealOnly_ = true;
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
        dealOnly_ = true;
        if (*text == "deal")
            options_.Format = TFormat::Deal;
        else if (*text == "pbn")
            options_.Format = TFormat::Pbn;
        else
            Fail("--format: '" + *text + "' is neither deal nor pbn");
    }

    void TakeOutput() {
        const auto text = Value("--output");
        if (text && text->empty()) return Fail("--output: the file name is empty");
        if (text) options_.Output = *text;
    }

    void CheckCombinations() {
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
    bool dealOnly_ = false; // --seed, --count, --format or --dd given
};

} // namespace

TParseResult ParseDealOptions(const std::vector<std::string>& args) {
    return TParser(args).Run();
}

} // namespace kv::cli
