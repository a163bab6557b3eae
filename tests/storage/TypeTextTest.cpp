// The 72-character type text: the exact encoding of every field, the round trip
// of every value the parser can produce, and the texts it must reject or fail on.
#include "storage/paramsfile/TypeText.h"
#include "storage/paramsfile/ParamsErrors.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

constexpr const char* kDefaultText =
    "10470D0D0D0D1049102510251025102510470D0D0D0D1049102510251025102500000064";

// The default text with the characters from position first (numbered from 1) replaced.
std::string WithField(int first, const std::string& value) {
    std::string text = kDefaultText;
    text.replace(static_cast<std::size_t>(first - 1), value.size(), value);
    return text;
}

// A type whose every field differs from the default, to see that parsing writes all 41.
THandParam Scrambled() {
    THandParam t;
    for (TSide side : kSidesInRecordOrder)
        for (TRange r : kAllRanges) {
            t.Min(side, r) = 3;
            t.Max(side, r) = 9;
            t.MinReq(side, r) = 5;
            t.MaxReq(side, r) = 7;
        }
    t.Frequency = 12345;
    return t;
}

} // namespace

TEST(TypeText, DefaultTypeEncodesToTheReferenceText) {
    EXPECT_EQ(TypeToText(THandParam{}), kDefaultText);
    EXPECT_EQ(TypeToText(THandParam{}).size(), kTypeTextLength);
}

TEST(TypeText, DefaultTextDecodesToAllFortyOneDefaults) {
    THandParam t = Scrambled();
    ASSERT_TRUE(TypeFromText(t, kDefaultText));
    EXPECT_EQ(t, THandParam{});
}

TEST(TypeText, FrequencyIsEightUpperCaseHexDigits) {
    THandParam t;
    t.Frequency = 999;
    EXPECT_EQ(TypeToText(t).substr(64), "000003E7");
    t.Frequency = -1;
    EXPECT_EQ(TypeToText(t).substr(64), "FFFFFFFF") << "two's complement";
    THandParam back;
    ASSERT_TRUE(TypeFromText(back, TypeToText(t)));
    EXPECT_EQ(back.Frequency, -1);
}

TEST(TypeText, SouthComesFirstAndEveryFieldHasItsPlace) {
    THandParam t;
    t.SHCPMin = 12, t.SHCPMax = 21;
    t.SSpadeMin = 5, t.SClubMax = 10;
    t.SHCPMinReq = 12, t.SClubMaxReq = 10;
    t.NHCPMin = 0, t.NHCPMax = 7;
    t.NHeartMin = 1, t.NDiamondMax = 11;
    t.NSpadeMinReq = 3, t.NHCPMaxReq = 37;
    t.Frequency = 0x1234ABCD;
    // South: HCP 2231, suits 5D0D0D0A, requested 2349 1025 1025 1025 1021.
    const std::string south = "22315D0D0D0A23491025102510251021";
    // North: HCP 1017, suits 0D1D0B0D, requested 1048 1425 1025 1025 1025.
    const std::string north = "10170D1D0B0D10481425102510251025";
    EXPECT_EQ(TypeToText(t), south + north + "1234ABCD");
    THandParam back;
    ASSERT_TRUE(TypeFromText(back, TypeToText(t)));
    EXPECT_EQ(back, t);
}

TEST(TypeText, NoRequestMarkersSurviveARoundTrip) {
    THandParam t;
    t.SHCPMinReq = -1, t.SHCPMaxReq = 38, t.NSpadeMaxReq = 14, t.NClubMinReq = -1;
    t.SHeartMaxReq = 13, t.NHCPMinReq = 0;
    const std::string text = TypeToText(t);
    EXPECT_EQ(text.substr(12, 4), "1049");
    EXPECT_EQ(text.substr(50, 2), "25");
    THandParam back = Scrambled();
    ASSERT_TRUE(TypeFromText(back, text));
    EXPECT_EQ(back.SHCPMinReq, -1);
    EXPECT_EQ(back.SHCPMaxReq, 38);
    EXPECT_EQ(back.NSpadeMaxReq, 14);
    EXPECT_EQ(back.NClubMinReq, -1);
    EXPECT_EQ(back, t);
}

TEST(TypeText, LowerCaseHexadecimalIsAccepted) {
    std::string text = kDefaultText;
    for (char& c : text)
        if (c == 'D') c = 'd';
    THandParam t = Scrambled();
    ASSERT_TRUE(TypeFromText(t, text));
    EXPECT_EQ(t, THandParam{});
}

TEST(TypeText, RequestedBoundsAndFrequencyAreNotTested) {
    // Requested minimum 38 above requested maximum -1, frequency 0: all accepted.
    THandParam t;
    ASSERT_TRUE(TypeFromText(t, WithField(13, "4910").substr(0, 64) + "00000000"));
    EXPECT_EQ(t.SHCPMinReq, 38);
    EXPECT_EQ(t.SHCPMaxReq, -1);
    EXPECT_EQ(t.Frequency, 0);
}

// Decimal fields below the offset give bytes 246..255 (unsigned comparison);
// they are written back exactly as they were read.
TEST(TypeText, HcpFieldsBelowTheOffsetRoundTrip) {
    THandParam t;
    ASSERT_TRUE(TypeFromText(t, WithField(1, "0505")));
    EXPECT_EQ(t.SHCPMin, 251);
    EXPECT_EQ(t.SHCPMax, 251);
    EXPECT_EQ(TypeToText(t), WithField(1, "0505"));
    ASSERT_TRUE(TypeFromText(t, WithField(13, "0099")));
    EXPECT_EQ(t.SHCPMinReq, -11);
    EXPECT_EQ(t.SHCPMaxReq, 88);
    EXPECT_EQ(TypeToText(t), WithField(13, "0099"));
}

// --- Rejected texts: false, and the object keeps every field. -----------------

class TypeTextRejects : public ::testing::Test {
  protected:
    void ExpectRejected(const std::string& text) {
        THandParam t = Scrambled();
        EXPECT_FALSE(TypeFromText(t, text)) << text;
        EXPECT_EQ(t, Scrambled()) << "a rejected text must not change the type";
    }
};

TEST_F(TypeTextRejects, TextOfSeventyOneCharacters) {
    ExpectRejected(std::string(kDefaultText, 71));
}
TEST_F(TypeTextRejects, TextOfSeventyThreeCharacters) {
    ExpectRejected(std::string(kDefaultText) + "0");
}
TEST_F(TypeTextRejects, EmptyText) {
    ExpectRejected("");
}
TEST_F(TypeTextRejects, SouthHcpMinimumAboveMaximum) {
    ExpectRejected(WithField(1, "3020"));
}
TEST_F(TypeTextRejects, NorthHcpMinimumAboveMaximum) {
    ExpectRejected(WithField(33, "3020"));
}
TEST_F(TypeTextRejects, SouthSpadeMinimumAboveMaximum) {
    ExpectRejected(WithField(5, "D0"));
}
TEST_F(TypeTextRejects, SouthClubMinimumAboveMaximum) {
    ExpectRejected(WithField(11, "54"));
}
TEST_F(TypeTextRejects, NorthHeartMinimumAboveMaximum) {
    ExpectRejected(WithField(39, "10"));
}
TEST_F(TypeTextRejects, NorthDiamondMinimumAboveMaximum) {
    ExpectRejected(WithField(41, "b3"));
}
// "09" is the byte 255 as a minimum: above 37 as an unsigned byte.
TEST_F(TypeTextRejects, HcpMinimumBelowOffsetComparesUnsigned) {
    ExpectRejected(WithField(1, "09"));
}

TEST(TypeText, EqualMinimumAndMaximumAreAccepted) {
    THandParam t;
    ASSERT_TRUE(TypeFromText(t, WithField(1, "2222")));
    EXPECT_EQ(t.SHCPMin, 12);
    ASSERT_TRUE(TypeFromText(t, WithField(37, "77")));
    EXPECT_EQ(t.NSpadeMin, 7);
    EXPECT_EQ(t.NSpadeMax, 7);
}

// --- Conversion errors: a field that is not a number at all. -------------------

TEST(TypeTextConversion, LetterInDecimalFieldThrows) {
    THandParam t = Scrambled();
    try {
        TypeFromText(t, WithField(13, "1x"));
        FAIL() << "expected EConvertError";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1x' is not a valid integer value");
    }
    EXPECT_EQ(t, Scrambled());
}

TEST(TypeTextConversion, SignInDecimalFieldThrows) {
    THandParam t;
    EXPECT_THROW(TypeFromText(t, WithField(1, "-1")), EConvertError);
    EXPECT_THROW(TypeFromText(t, WithField(1, " 9")), EConvertError);
}

TEST(TypeTextConversion, NonHexadecimalSuitBoundThrows) {
    THandParam t;
    try {
        TypeFromText(t, WithField(6, "G"));
        FAIL() << "expected EConvertError";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'G' is not a valid hexadecimal value");
    }
}

TEST(TypeTextConversion, NonHexadecimalFrequencyThrows) {
    THandParam t;
    EXPECT_THROW(TypeFromText(t, WithField(65, "0000006Z")), EConvertError);
}

TEST(TypeTextConversion, AllFieldsAreParsedBeforeAnyTest) {
    // HCP minimum above maximum, and a letter in the last field: the letter wins.
    THandParam t;
    EXPECT_THROW(TypeFromText(t, WithField(1, "3020").substr(0, 71) + "q"), EConvertError);
}

TEST(TypeTextConversion, ByteAboveAsciiIsQuotedAsText) {
    THandParam t;
    try {
        TypeFromText(t, WithField(1, "\xE9"
                                     "0"));
        FAIL() << "expected EConvertError";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'\xC3\xA9"
                               "0' is not a valid integer value");
    }
}

// --- Values that have no form in the text are refused, not written malformed. --

TEST(TypeTextEncoding, HcpBoundAboveTwoDigitsIsRefused) {
    THandParam t;
    t.SHCPMax = 90;
    try {
        TypeToText(t);
        FAIL() << "expected EConvertError";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "SHCPMax holds 90, which a type text cannot store");
    }
}

TEST(TypeTextEncoding, SuitBoundAboveOneHexDigitIsRefused) {
    THandParam t;
    t.NClubMax = 16;
    EXPECT_THROW(TypeToText(t), EConvertError);
    t.NClubMax = 15;
    EXPECT_EQ(TypeToText(t).substr(43, 1), "F");
}

TEST(TypeTextEncoding, RequestedBoundOutsideItsFieldIsRefused) {
    THandParam t;
    t.NHCPMinReq = -12;
    EXPECT_THROW(TypeToText(t), EConvertError);
    t.NHCPMinReq = 89;
    EXPECT_THROW(TypeToText(t), EConvertError);
    t.NHCPMinReq = 88;
    EXPECT_EQ(TypeToText(t).substr(44, 2), "99");
}
