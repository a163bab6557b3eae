#include "PbnBoardTags.h"

#include "PbnFormatError.h"
#include "PbnText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <utility>

namespace kv::pbn {
namespace {

std::string_view Trimmed(std::string_view value) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!value.empty() && blank(value.front()))
        value.remove_prefix(1);
    while (!value.empty() && blank(value.back()))
        value.remove_suffix(1);
    return value;
}

bool Unknown(std::string_view value) {
    return value.empty() || value == "?";
}

std::string Upper(std::string_view value) {
    std::string text(value);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

std::optional<int> ReadBoardNumber(std::string_view value, long line) {
    const std::string_view text = Trimmed(value);
    if (Unknown(text)) return std::nullopt;
    long long number = 0;
    bool digits = true;
    for (const char c : text) {
        digits = digits && c >= '0' && c <= '9' && number <= std::numeric_limits<int>::max();
        if (digits) number = number * 10 + (c - '0');
    }
    if (!digits || number < 1 || number > std::numeric_limits<int>::max())
        throw EPbnFormat{line, "the Board tag must be a board number from 1 to " +
                                   std::to_string(std::numeric_limits<int>::max()) + ", not " +
                                   Quoted(value)};
    return static_cast<int>(number);
}

std::optional<TSeat> ReadDealer(std::string_view value, long line) {
    const std::string text = Upper(Trimmed(value));
    if (Unknown(text)) return std::nullopt;
    const std::size_t seat = std::string_view("NESW").find(text);
    if (text.size() != 1 || seat == std::string_view::npos)
        throw EPbnFormat{line, "the Dealer tag must be N, E, S or W, not " + Quoted(value)};
    return static_cast<TSeat>(seat);
}

std::optional<std::string> ReadVulnerable(std::string_view value, long line) {
    static const std::array<std::pair<const char*, const char*>, 7> kValues = {{
        {"NONE", "None"},
        {"LOVE", "None"},
        {"-", "None"},
        {"NS", "NS"},
        {"EW", "EW"},
        {"ALL", "All"},
        {"BOTH", "All"},
    }};
    const std::string text = Upper(Trimmed(value));
    if (Unknown(text)) return std::nullopt;
    const auto found = std::find_if(kValues.begin(), kValues.end(),
                                    [&](const auto& entry) { return text == entry.first; });
    if (found == kValues.end())
        throw EPbnFormat{line,
                         "the Vulnerable tag must be None, NS, EW or All, not " + Quoted(value)};
    return found->second;
}

} // namespace kv::pbn
