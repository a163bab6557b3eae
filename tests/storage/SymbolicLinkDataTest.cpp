// The target of a Windows symbolic link, read from its reparse data: the print
// name or the substitute name in Win32 form, and nothing for data that is not a
// whole symbolic link. The data are built here field by field, as the system
// lays them out.
#include "storage/paramsfile/src/SymbolicLinkData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using kv::detail::kSymbolicLinkTag;
using kv::detail::SymbolicLinkName;
using TBytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kMountPointTag = 0xA0000003;
constexpr std::uint32_t kRelativeFlag = 1;

void PutLittle(TBytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutName(TBytes& bytes, const std::u16string& name) {
    for (const char16_t c : name)
        PutLittle(bytes, c, 2);
}

struct TLinkCase {
    const char* Name;
    std::uint32_t Tag;
    std::u16string Substitute;
    std::u16string Print;
    std::uint32_t Flags = 0;
    int PrintLengthChange = 0; // added to the print name's recorded length
    std::size_t Cut = 0;       // bytes taken off the end
    std::optional<std::u16string> Expected;
};

// The substitute name first, then the print name, as Windows stores them.
TBytes ReparseData(const TLinkCase& c) {
    const auto substituteLength = static_cast<std::uint32_t>(2 * c.Substitute.size());
    const auto printLength = static_cast<std::uint32_t>(2 * c.Print.size());
    TBytes bytes;
    PutLittle(bytes, c.Tag, 4);
    PutLittle(bytes, 12 + substituteLength + printLength, 2); // data after the first 8 bytes
    PutLittle(bytes, 0, 2);
    PutLittle(bytes, 0, 2);
    PutLittle(bytes, substituteLength, 2);
    PutLittle(bytes, substituteLength, 2);
    PutLittle(bytes, printLength + c.PrintLengthChange, 2);
    PutLittle(bytes, c.Flags, 4);
    PutName(bytes, c.Substitute);
    PutName(bytes, c.Print);
    bytes.resize(bytes.size() - c.Cut);
    return bytes;
}

class SymbolicLinkData : public ::testing::TestWithParam<TLinkCase> {};

TEST_P(SymbolicLinkData, TargetIsReadFromTheReparseData) {
    EXPECT_EQ(SymbolicLinkName(ReparseData(GetParam())), GetParam().Expected);
}

const TLinkCase kCases[] = {
    {"AbsoluteLinkGivesItsPrintName", kSymbolicLinkTag, u"\\??\\C:\\data\\db.sav",
     u"C:\\data\\db.sav", 0, 0, 0, u"C:\\data\\db.sav"},
    {"RelativeLinkGivesItsPrintName", kSymbolicLinkTag, u"..\\db.sav", u"..\\db.sav", kRelativeFlag,
     0, 0, u"..\\db.sav"},
    {"WithoutPrintNameTheSubstituteLosesItsPrefix", kSymbolicLinkTag, u"\\??\\C:\\db.sav", u"", 0,
     0, 0, u"C:\\db.sav"},
    {"NetworkSubstituteBecomesAUncPath", kSymbolicLinkTag, u"\\??\\UNC\\server\\share\\db.sav", u"",
     0, 0, 0, u"\\\\server\\share\\db.sav"},
    {"RelativeSubstituteStaysAsItIs", kSymbolicLinkTag, u"db.sav", u"", kRelativeFlag, 0, 0,
     u"db.sav"},
    {"MountPointIsNotALink", kMountPointTag, u"\\??\\C:\\data", u"C:\\data", 0, 0, 0, std::nullopt},
    {"NoNamesAtAll", kSymbolicLinkTag, u"", u"", 0, 0, 0, std::nullopt},
    {"HeaderCutShort", kSymbolicLinkTag, u"", u"", 0, 0, 1, std::nullopt},
    {"PrintNameEndsExactlyAtTheEnd", kSymbolicLinkTag, u"x", u"y", 0, 0, 0, u"y"},
    {"PrintNameEndsOneByteBeyondTheEnd", kSymbolicLinkTag, u"x", u"y", 0, 0, 1, std::nullopt},
    {"PrintNameOfEvenLength", kSymbolicLinkTag, u"x", u"yz", 0, -2, 0, u"y"},
    {"PrintNameOfOddLength", kSymbolicLinkTag, u"x", u"yz", 0, -1, 0, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Windows, SymbolicLinkData, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
