// Which characters reach a terminal escaped: each edge of each escaped range
// from both sides, and bytes that are not UTF-8.
#include "tools/deal/src/TerminalText.h"

#include <gtest/gtest.h>

namespace {

struct TCase {
    const char* Name;
    std::string Text;
    std::string Printed;
};

std::ostream& operator<<(std::ostream& os, const TCase& c) {
    return os << c.Name;
}

class Printable : public ::testing::TestWithParam<TCase> {};

TEST_P(Printable, EscapesWhatATerminalWouldActOnOrHide) {
    EXPECT_EQ(kv::cli::Printable(GetParam().Text), GetParam().Printed);
}

INSTANTIATE_TEST_SUITE_P(
    TerminalText, Printable,
    ::testing::Values(TCase{"Nul", std::string(1, '\0'), "\\x00"}, TCase{"Unit1F", "\x1F", "\\x1F"},
                      TCase{"Space", " ", " "}, TCase{"Tilde", "~", "~"},
                      TCase{"Delete", "\x7F", "\\x7F"}, TCase{"Backslash", "\\", "\\\\"},
                      TCase{"C1First", "\xC2\x80", "\\u0080"},
                      TCase{"C1Last", "\xC2\x9F", "\\u009F"},
                      TCase{"NoBreakSpace", "\xC2\xA0", "\xC2\xA0"},
                      TCase{"ArabicMark", "\xD8\x9C", "\\u061C"},
                      TCase{"HairSpace", "\xE2\x80\x8A", "\xE2\x80\x8A"},
                      TCase{"ZeroWidthSpace", "\xE2\x80\x8B", "\\u200B"},
                      TCase{"RightToLeftMark", "\xE2\x80\x8F", "\\u200F"},
                      TCase{"Hyphen", "\xE2\x80\x90", "\xE2\x80\x90"},
                      TCase{"OnePointLeader", "\xE2\x80\xA7", "\xE2\x80\xA7"},
                      TCase{"LineSeparator", "\xE2\x80\xA8", "\\u2028"},
                      TCase{"RightToLeftOverride", "\xE2\x80\xAE", "\\u202E"},
                      TCase{"NarrowNoBreakSpace", "\xE2\x80\xAF", "\xE2\x80\xAF"},
                      TCase{"MathSpace", "\xE2\x81\x9F", "\xE2\x81\x9F"},
                      TCase{"WordJoiner", "\xE2\x81\xA0", "\\u2060"},
                      TCase{"PopIsolate", "\xE2\x81\xA9", "\\u2069"},
                      TCase{"InhibitSwapping", "\xE2\x81\xAA", "\xE2\x81\xAA"},
                      TCase{"ByteOrderMark", "\xEF\xBB\xBF", "\\uFEFF"},
                      TCase{"FourByteCharacter", "\xF0\x9F\x82\xA1", "\xF0\x9F\x82\xA1"},
                      TCase{"LoneContinuationByte", "a\x80z", "a\\x80z"},
                      TCase{"OverlongSlash", "\xC0\xAF", "\\xC0\\xAF"},
                      TCase{"OverlongThreeBytes", "\xE0\x80\xAF", "\\xE0\\x80\\xAF"},
                      TCase{"Surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
                      TCase{"AboveTheLastCodePoint", "\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
                      TCase{"CutShort", "\xE2\x82", "\\xE2\\x82"},
                      TCase{"EscapeSequenceInText", "a\x1B[31mred", "a\\x1B[31mred"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
