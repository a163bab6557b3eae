#include "DealHelp.h"

#include "DealOptions.h"
#include "OptionTable.h"
#include "ProgramVersion.h"

namespace kv::cli {
namespace {

// The name and value fill a column of 18; a longer one is followed by two spaces.
constexpr std::size_t kColumn = 18;

// "  --seed HEX        1 to 8 hexadecimal digits; ...", each further line of
// the help under the first.
std::string OptionLines(const TOption& option) {
    std::string head(option.Name);
    if (!option.Value.empty()) head += " " + std::string(option.Value);
    head += head.size() < kColumn ? std::string(kColumn - head.size(), ' ') : "  ";
    std::string text = "  " + head;
    std::string_view help = option.Help;
    for (std::size_t end = help.find('\n'); end != std::string_view::npos; end = help.find('\n')) {
        text += std::string(help.substr(0, end)) + "\n" + std::string(kColumn + 2, ' ');
        help.remove_prefix(end + 1);
    }
    return text + std::string(help) + "\n";
}

} // namespace

std::string HelpText() {
    std::string text =
        std::string(kUsage) +
        "\n\n"
        "Deals random bridge deals that meet hand types, with the same engine, types and\n"
        "seeds as the desktop program, or that meet a script in the language of Debian's\n"
        "dealer.\n\n";
    for (const TOption& option : OptionTable())
        text += OptionLines(option);
    return text + "\nExit status: 0 on success, 1 when the run fails, 2 for a bad argument or a\n"
                  "script that cannot be read, 130 after Ctrl+C stopped a script's run.\n";
}

std::string VersionText() {
    return std::string("kestrovanhalme-deal ") + kProgramVersion + "\nLicense: " + kProgramLicense +
           "\n";
}

} // namespace kv::cli
