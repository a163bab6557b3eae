// What the import keeps besides the hands: the other tags in file order with
// "#" resolved, tag values with their escapes and either encoding, the line
// of each game, and hands in the engine's form.
#include "PbnTestUtil.h"

#include "engine/doubledummy/DoubleDummy.h"

#include <gtest/gtest.h>

namespace {

using namespace kv::test;
using TTags = std::vector<std::pair<std::string, std::string>>;

const std::string kDealTag = "[Deal \"" + kDeal + "\"]\n";

TEST(PbnTags, OtherTagsKeptInOrderWithInheritedValues) {
    const auto import =
        ReadText("[Event \"Club\"]\n[Site \"Here\"]\n[Board \"1\"]\n" + kDealTag +
                 "[Generator \"x\"]\n\n[Event \"#\"]\n[Site \"There\"]\n" + kDealTag);
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    ASSERT_EQ(import.Boards.size(), 2u);
    EXPECT_EQ(import.Boards[0].OtherTags,
              (TTags{{"Event", "Club"}, {"Site", "Here"}, {"Generator", "x"}}));
    EXPECT_EQ(import.Boards[1].OtherTags, (TTags{{"Event", "Club"}, {"Site", "There"}}));
    ASSERT_NE(import.Boards[1].Tag("Site"), nullptr);
    EXPECT_EQ(*import.Boards[1].Tag("Site"), "There");
    EXPECT_EQ(import.Boards[1].Tag("Generator"), nullptr)
        << "\"#\" alone copies a tag, nothing else";
    EXPECT_EQ(import.Boards[0].Tag("Board"), nullptr)
        << "the board's own tags are not among the others";
    EXPECT_EQ(import.Boards[0].Tag("Deal"), nullptr);
}

// "#" stands for the last of the previous game's tags of that name, and for
// the value it was read as when that game's tag was itself a "#".
TEST(PbnTags, InheritedValueIsTheLastOfATagGivenTwice) {
    const auto import =
        ReadText(kDealTag + "[Note \"first\"]\n[Note \"last\"]\n[Site \"S\"]\n\n" + kDealTag +
                 "[Note \"#\"]\n[Site \"#\"]\n\n" + kDealTag + "[Site \"#\"]\n");
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    ASSERT_EQ(import.Boards.size(), 3u);
    EXPECT_EQ(import.Boards[1].OtherTags, (TTags{{"Note", "last"}, {"Site", "S"}}));
    EXPECT_EQ(import.Boards[2].OtherTags, (TTags{{"Site", "S"}}));
}

TEST(PbnTags, RepeatedTagsAllKept) {
    const auto import = ReadText(kDealTag + "[Note \"1:one\"]\n[Note \"2:two\"]\n");
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    EXPECT_EQ(import.Boards[0].OtherTags, (TTags{{"Note", "1:one"}, {"Note", "2:two"}}));
}

TEST(PbnTags, EscapesInValues) {
    const auto import = ReadText(R"([Event "say \"hi\", \\ and \2R"])"
                                 "\n" +
                                 kDealTag);
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    EXPECT_EQ(*import.Boards[0].Tag("Event"), R"(say "hi", \ and \2R)");
}

// A quote ends the value only where "]" follows it.
TEST(PbnTags, UnescapedQuotesKeptInTheValue) {
    const auto import =
        ReadText("[Event \"The \"Big\" Night\"]  [Site \"\"Here\"\" ]\n" + kDealTag);
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    EXPECT_EQ(*import.Boards[0].Tag("Event"), "The \"Big\" Night");
    EXPECT_EQ(*import.Boards[0].Tag("Site"), "\"Here\"");
}

TEST(PbnTags, Latin1AndUtf8LinesBothReadAsUtf8) {
    const auto import = ReadText("[Event \"Caf\xE9\"]\n[Site \"Caf\xC3\xA9\"]\n" + kDealTag);
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    EXPECT_EQ(*import.Boards[0].Tag("Event"), "Caf\xC3\xA9");
    EXPECT_EQ(*import.Boards[0].Tag("Site"), "Caf\xC3\xA9");
}

TEST(PbnTags, DoubleDummyTricksStayReadable) {
    const auto import = ReadText(kDealTag + "[DoubleDummyTricks \"0D0D00D0D000D0D00D0D\"]\n");
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    const std::string* value = import.Boards[0].Tag("DoubleDummyTricks");
    ASSERT_NE(value, nullptr);
    kv::TDDTable table;
    EXPECT_TRUE(kv::TableFromTag(*value, table));
}

TEST(PbnTags, EachGameKnowsTheLineOfItsFirstTag) {
    const auto import = ReadText("% PBN 2.1\r\n{ a\r\ncomment }\r\n[Board \"1\"]\r\n" + kDealTag +
                                 "\r\n\r\n; next\r\n" + kDealTag);
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    ASSERT_EQ(import.Boards.size(), 2u);
    EXPECT_EQ(import.Boards[0].Line, 4);
    EXPECT_EQ(import.Boards[1].Line, 9);
}

TEST(PbnTags, HandsInTheEngineFormRanksHighestFirst) {
    const auto import = ReadText("[Deal \"N:2AK.QJ.T9.876543 - - -\"]\n");
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    const kv::TPbnBoard& board = import.Boards[0];
    EXPECT_EQ(board.Known, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_FALSE(board.Complete());
    kv::tHand north;
    for (const auto& [suit, ranks] : std::vector<std::pair<int, std::vector<int>>>{
             {0, {14, 13, 2}}, {1, {12, 11}}, {2, {10, 9}}, {3, {8, 7, 6, 5, 4, 3}}}) {
        for (const int rank : ranks)
            north.Suit(suit).Cards[north.Suit(suit).Count++] = static_cast<std::uint8_t>(rank);
    }
    EXPECT_EQ(board.Deal.Hands[0], north);
    for (std::size_t seat = 1; seat < 4; ++seat)
        EXPECT_EQ(board.Deal.Hands[seat], kv::tHand()) << seat;
}

// The reader gives the boards one by one; a game that cannot be read ends it
// after the boards before it.
TEST(PbnTags, ReaderGivesTheBoardsOneAtATime) {
    std::istringstream in("[Board \"4\"]\n" + kDealTag + "[Event \"E\"]\n\n" + kDealTag +
                          "\n[Board \"x\"]\n" + kDealTag);
    kv::TPbnReader reader(in, "stream.pbn");
    kv::TPbnBoard board;
    ASSERT_TRUE(reader.Next(board));
    EXPECT_EQ(board.Board, 4);
    EXPECT_EQ(board.OtherTags, (TTags{{"Event", "E"}}));
    ASSERT_TRUE(reader.Next(board));
    EXPECT_EQ(board.Board, 2);
    EXPECT_FALSE(reader.Next(board));
    ASSERT_TRUE(reader.Error().has_value());
    EXPECT_EQ(reader.Error()->Message(),
              "stream.pbn, line 7: the Board tag must be a board number from 1 to 2147483647, "
              "not \"x\"");
    EXPECT_FALSE(reader.Next(board));
}

TEST(PbnTags, CompleteWhenAllFourHandsAreGiven) {
    const auto import = ReadText(kDealTag);
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    EXPECT_TRUE(import.Boards[0].Complete());
}

} // namespace
