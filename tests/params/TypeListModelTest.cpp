// The type list model: which types there are after adding, deleting,
// clearing, replacing and a generation that left types out, which one is
// selected, and the frequency total. Guards against off-by-one selections
// at the list's ends, limits crossed, and a total that overflows.
#include "params/TypeListModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

using namespace kv;

namespace {

// A type told apart from the others by its frequency; Tagged(100) is the
// default type.
THandParam Tagged(std::int32_t frequency) {
    THandParam type;
    type.Frequency = frequency;
    return type;
}

// Types tagged first, first + 1, ...
TTypeList Numbered(int count, int first = 1) {
    TTypeList types;
    for (int i = 0; i < count; ++i)
        types.push_back(Tagged(first + i));
    return types;
}

std::vector<std::int32_t> Tags(const TTypeList& types) {
    std::vector<std::int32_t> tags;
    for (const THandParam& t : types)
        tags.push_back(t.Frequency);
    return tags;
}

enum class TOp { Add, Delete, ClearAll, Select, Replace, Generate };

// One change. Select takes the index; Replace the number of new types, tagged
// 11, 12, ...; Generate leaves out the types from the index on (none for -1),
// as the generator does when it finds no hand for them.
bool Apply(TTypeListModel& m, TOp op, int arg) {
    switch (op) {
    case TOp::Add:
        return m.Add();
    case TOp::Delete:
        return m.DeleteSelected();
    case TOp::ClearAll:
        m.ClearAll();
        return true;
    case TOp::Select:
        return m.Select(arg);
    case TOp::Replace:
        return m.Replace(Numbered(arg, 11));
    case TOp::Generate:
        break;
    }
    const TTypeList before = m.Types();
    if (arg >= 0) m.Types().erase(m.Types().begin() + arg, m.Types().end());
    return m.FollowGeneration(before);
}

struct TChange {
    const char* Name;
    int Count;    // types tagged 1..Count before the change
    int Selected; // selected before the change
    TOp Op;
    int Arg;
    bool Done;
    std::vector<std::int32_t> TagsAfter;
    int SelectedAfter;
};

const TChange kChanges[] = {
    {"AddAppendsADefaultTypeAndSelectsIt", 1, 0, TOp::Add, 0, true, {1, 100}, 1},
    {"AddToSevenMakesEight", 7, 3, TOp::Add, 0, true, {1, 2, 3, 4, 5, 6, 7, 100}, 7},
    {"AddToEightIsRefused", 8, 2, TOp::Add, 0, false, {1, 2, 3, 4, 5, 6, 7, 8}, 2},
    {"DeleteTheFirstOfThreeSelectsTheFormerSecond", 3, 0, TOp::Delete, 0, true, {2, 3}, 0},
    {"DeleteTheMiddleSelectsItsSuccessor", 3, 1, TOp::Delete, 0, true, {1, 3}, 1},
    {"DeleteTheLastOfThreeSelectsTheNewLast", 3, 2, TOp::Delete, 0, true, {1, 2}, 1},
    {"DeleteTheSecondOfTwoLeavesOne", 2, 1, TOp::Delete, 0, true, {1}, 0},
    {"DeleteTheOnlyTypeIsRefused", 1, 0, TOp::Delete, 0, false, {1}, 0},
    {"ClearAllLeavesOneDefaultType", 5, 3, TOp::ClearAll, 0, true, {100}, 0},
    {"SelectTheLast", 3, 0, TOp::Select, 2, true, {1, 2, 3}, 2},
    {"SelectPastTheLastIsRefused", 3, 1, TOp::Select, 3, false, {1, 2, 3}, 1},
    {"SelectBelowTheFirstIsRefused", 3, 1, TOp::Select, -1, false, {1, 2, 3}, 1},
    {"ReplaceSelectsTheFirst", 3, 2, TOp::Replace, 2, true, {11, 12}, 0},
    {"ReplaceWithEight", 1, 0, TOp::Replace, 8, true, {11, 12, 13, 14, 15, 16, 17, 18}, 0},
    {"ReplaceWithNineIsRefused", 2, 1, TOp::Replace, 9, false, {1, 2}, 1},
    {"ReplaceWithNoneIsRefused", 2, 1, TOp::Replace, 0, false, {1, 2}, 1},
    {"GenerationLeftNothingOutKeepsTheSelection", 3, 2, TOp::Generate, -1, false, {1, 2, 3}, 2},
    {"GenerationLeftTypesOutSelectsTheFirst", 3, 1, TOp::Generate, 2, true, {1, 2}, 0},
    {"GenerationLeftTheSelectedTypeOut", 3, 2, TOp::Generate, 1, true, {1}, 0},
    {"GenerationEmptiedTheListWhichComesBack", 2, 1, TOp::Generate, 0, false, {1, 2}, 1},
};

class TypeListChange : public ::testing::TestWithParam<TChange> {};

TEST_P(TypeListChange, LeavesTheseTypesAndThisSelection) {
    const TChange& row = GetParam();
    TTypeListModel model;
    ASSERT_TRUE(model.Replace(Numbered(row.Count)));
    ASSERT_TRUE(model.Select(row.Selected));
    const TTypeList* list = &model.Types();
    EXPECT_EQ(Apply(model, row.Op, row.Arg), row.Done);
    EXPECT_EQ(Tags(model.Types()), row.TagsAfter);
    EXPECT_EQ(model.Selected(), row.SelectedAfter);
    EXPECT_EQ(model.SelectedType(), model.Types().at(row.SelectedAfter));
    EXPECT_EQ(model.CanAdd(), row.TagsAfter.size() < 8);
    EXPECT_EQ(model.CanDelete(), row.TagsAfter.size() > 1);
    EXPECT_EQ(&model.Types(), list) << "the hands window keeps a reference to the list";
}

INSTANTIATE_TEST_SUITE_P(Rows, TypeListChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TTotal {
    const char* Name;
    std::vector<std::int32_t> Frequencies;
    int Selected;
    int Typed; // the frequency box's number for the selected type
    std::int64_t Total;
};

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

const TTotal kTotals[] = {
    {"ThreeTypes", {100, 50, 850}, 1, 50, 1000},
    {"AnEmptiedBoxCountsZero", {100, 50, 850}, 1, 0, 950},
    {"TheBoxSetsTheSelectedTypeOnly", {100, 50, 850}, 2, 1, 151},
    {"LargestFrequenciesFromAFileDoNotOverflow", {kMax, kMax, 7}, 2, 7, 4294967301},
    {"NegativeFrequenciesFromAFileDoNotOverflow", {kMin, 100}, 1, 0, -2147483648LL},
};

class FrequencyTotal : public ::testing::TestWithParam<TTotal> {};

TEST_P(FrequencyTotal, SumsEveryTypeWithTheBoxsNumber) {
    const TTotal& row = GetParam();
    TTypeListModel model;
    TTypeList types;
    for (const std::int32_t f : row.Frequencies)
        types.push_back(Tagged(f));
    ASSERT_TRUE(model.Replace(types));
    ASSERT_TRUE(model.Select(row.Selected));
    model.SetSelectedFrequency(row.Typed);
    EXPECT_EQ(model.SelectedType().Frequency, row.Typed);
    EXPECT_EQ(model.TotalFrequency(), row.Total);
}

INSTANTIATE_TEST_SUITE_P(Rows, FrequencyTotal, ::testing::ValuesIn(kTotals),
                         [](const auto& info) { return std::string(info.param.Name); });

// Between the generator's work and FollowGeneration the selection may point
// past the list: the box's changes then reach no type.
TEST(TypeListModel, ASelectionTheGeneratorLeftBehindTakesNoFrequency) {
    TTypeListModel model;
    ASSERT_TRUE(model.Replace(Numbered(3)));
    ASSERT_TRUE(model.Select(2));
    model.Types().pop_back();
    model.SetSelectedFrequency(500);
    EXPECT_EQ(Tags(model.Types()), (std::vector<std::int32_t>{1, 2}));
    EXPECT_THROW(model.SelectedType(), std::out_of_range);
}

} // namespace
