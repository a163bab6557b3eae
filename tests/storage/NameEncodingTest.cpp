// Set names: Windows-1252 bytes in the file, UTF-8 in the program, converted
// both ways without loss; a character the code page lacks is refused, never
// replaced; the name field holds 0 to 255 bytes and ignores what lies past them.
#include "storage/paramsfile/Cp1252.h"
#include "storage/paramsfile/ParamsErrors.h"
#include "storage/paramsfile/SetRecord.h"
#include "storage/paramsfile/TypeText.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(NameEncoding, AsciiIsUnchanged) {
    EXPECT_EQ(Utf8ToCp1252("Weak Two 6-10"), "Weak Two 6-10");
    EXPECT_EQ(Cp1252ToUtf8("Weak Two 6-10"), "Weak Two 6-10");
}

TEST(NameEncoding, LatinAndWindowsOnlyCharactersMapToTheirBytes) {
    EXPECT_EQ(Utf8ToCp1252("Caf\xC3\xA9"), "Caf\xE9"); // é
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), "\x80");   // €
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C"
                           "x"
                           "\xE2\x80\x9D"),
              "\x93x\x94");                                                      // “x”
    EXPECT_EQ(Utf8ToCp1252("\xC5\xB8"), "\x9F");                                 // Ÿ
    EXPECT_EQ(Utf8ToCp1252("\xC3\xBF"), "\xFF");                                 // ÿ
    EXPECT_EQ(Cp1252ToUtf8("\x80\x8A\x99"), "\xE2\x82\xAC\xC5\xA0\xE2\x84\xA2"); // € Š ™
}

TEST(NameEncoding, EveryByteDecodesAndEncodesBack) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_FALSE(NameEncodingProblem(Cp1252ToUtf8(all)).has_value());
}

TEST(NameEncoding, UndefinedBytesDecodeToTheirControlCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(NameEncoding, CharacterOutsideTheCodePageIsRefusedWithItsName) {
    const std::string omega = "Tri\xCE\xA9";
    const auto problem = NameEncodingProblem(omega);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(*problem, "The name contains the character '\xCE\xA9' (U+03A9), which parameter "
                        "files cannot hold. Please pick another name.");
    try {
        Utf8ToCp1252(omega);
        FAIL() << "expected ENameError";
    } catch (const ENameError& e) {
        EXPECT_EQ(e.what(), *problem);
    }
}

TEST(NameEncoding, C1ControlThatTheCodePageUsesForAnotherCharacterIsRefused) {
    // U+0080: the byte 0x80 means the euro sign, so U+0080 has no byte.
    EXPECT_THROW(Utf8ToCp1252("\xC2\x80"), ENameError);
}

TEST(NameEncoding, CharacterBeyondTheBasicPlaneIsRefused) {
    const auto problem = NameEncodingProblem("\xF0\x9F\x82\xA1"); // playing card ace of spades
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("(U+1F0A1)"), std::string::npos);
}

TEST(NameEncoding, InvalidUtf8IsRefused) {
    const std::string expected = "The name is not valid text. Please pick another name.";
    for (const char* bad :
         {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\x80", "\xFF"})
        EXPECT_EQ(NameEncodingProblem(bad), expected) << bad;
}

// --- The name field of a set record. -------------------------------------------

TEST(RecordName, EmptyNameHasLengthZero) {
    TSetRecord r{};
    r[0] = 7;
    SetRecordName(r, "");
    EXPECT_EQ(r[0], 0);
    EXPECT_EQ(RecordName(r), "");
}

TEST(RecordName, NameOf255CharactersIsStoredWhole) {
    TSetRecord r{};
    const std::string name(254, 'n');
    SetRecordName(r, name + "\xC3\xA9");
    EXPECT_EQ(r[0], 255);
    EXPECT_EQ(r[255], 0xE9);
    EXPECT_EQ(RecordName(r), name + "\xC3\xA9");
}

TEST(RecordName, LongerNameIsCutTo255Characters) {
    TSetRecord r{};
    std::string name;
    for (int i = 0; i < 300; ++i)
        name += "\xC3\xA9"; // 300 characters, 600 UTF-8 bytes
    SetRecordName(r, name);
    EXPECT_EQ(r[0], 255);
    EXPECT_EQ(r[kInUseOffset], 0) << "the name must not run into the in-use flag";
    EXPECT_EQ(RecordName(r), name.substr(0, 510));
}

TEST(RecordName, BytesPastTheLengthAreIgnoredAndKept) {
    TSetRecord r{};
    SetRecordName(r, "Longer name");
    SetRecordName(r, "Short");
    EXPECT_EQ(RecordName(r), "Short");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[6]), 6), "r name");
}

TEST(RecordName, UnstorableNameLeavesTheRecordUnchanged) {
    TSetRecord r{};
    SetRecordName(r, "Old");
    const TSetRecord before = r;
    EXPECT_THROW(SetRecordName(r, "New \xE2\x99\xA0"), ENameError); // ♠
    EXPECT_EQ(r, before);
}

TEST(NewSetRecord, HoldsNameFlagAndSlotsInOrder) {
    THandParam a, b;
    b.Frequency = 50;
    const THandParam types[] = {a, b};
    const TSetRecord r = NewSetRecord("Two", types);
    EXPECT_EQ(RecordName(r), "Two");
    EXPECT_EQ(r[kInUseOffset], 1);
    EXPECT_EQ(SlotText(r, 0), TypeToText(a));
    EXPECT_EQ(SlotText(r, 1), TypeToText(b));
    for (std::size_t slot = 2; slot < kSlotCount; ++slot)
        EXPECT_EQ(SlotText(r, slot), "");
    EXPECT_EQ(r[kFirstSlotOffset + 2 * kSlotSize], 0);
}

TEST(NewSetRecord, KeepsAtMostEightTypes) {
    std::vector<THandParam> types(9);
    for (std::size_t i = 0; i < types.size(); ++i)
        types[i].Frequency = static_cast<int>(i + 1);
    const TSetRecord r = NewSetRecord("Nine", types);
    EXPECT_EQ(SlotText(r, 7), TypeToText(types[7]));
    EXPECT_EQ(r.back(), TypeToText(types[7]).back()) << "slot 8 ends the record";
}

// What the Read dialog and the command line take from a set: empty slots and
// types of frequency 0 are left out, the rest keep their slot order.
TEST(TypesOfSet, SlotOrderWithoutEmptySlotsOrFrequencyZero) {
    THandParam first, zero, last;
    first.Frequency = 50;
    zero.Frequency = 0;
    last.Frequency = 1;
    last.SHCPMin = 12;
    const THandParam types[] = {first, THandParam{}, zero, last};
    TSetRecord r = NewSetRecord("Four", types);
    SetSlotText(r, 1, "");
    EXPECT_EQ(TypesOfSet(r), (std::vector<THandParam>{first, last}));
}

TEST(SlotText, NeverReadsPastItsOwnSlot) {
    TSetRecord r{};
    const std::size_t at = kFirstSlotOffset;
    r[at] = 200;
    for (std::size_t i = 1; i <= 72; ++i)
        r[at + i] = 'a';
    r[at + 73] = 'b'; // first byte of slot 2
    EXPECT_EQ(SlotText(r, 0), std::string(72, 'a'));
    EXPECT_THROW(SlotText(r, 8), std::out_of_range);
}

// Saving compares names with only a-z folded: both ends of the range fold, the
// characters just outside it and every other byte stay as they are.
TEST(NameCase, OnlyAsciiLettersFold) {
    const struct {
        const char* In;
        const char* Out;
    } rows[] = {
        {"a", "A"},
        {"z", "Z"},
        {"A", "A"},
        {"Z", "Z"},
        {"`", "`"},
        {"{", "{"},
        {"@", "@"},
        {"[", "["},
        {"\xC3\xA9", "\xC3\xA9"},
        {"azAZ 09", "AZAZ 09"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(kv::AsciiUpper(row.In), row.Out) << row.In;
}
