// The type list model: which types there are after adding, deleting,
// clearing, replacing and a generation that left types out, which one is
// selected, and the frequency total. Guards against off-by-one selections
// at the list's ends, limits crossed, and a total that overflows.
#include "params/TypeListModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
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

// Types tagged 1..count.
TTypeList Numbered(int count) {
    TTypeList types;
    for (int i = 1; i <= count; ++i)
        types.push_back(Tagged(i));
    return types;
}

std::vector<std::int32_t> Tags(const TTypeList& types) {
    std::vector<std::int32_t> tags;
    for (const THandParam& t : types)
        tags.push_back(t.Frequency);
    return tags;
}

// What the generator does to the list: leaves out the types at these indexes.
bool Generated(TTypeListModel& m, std::vector<int> leftOut) {
    const TTypeList before = m.Types();
    for (auto at = leftOut.rbegin(); at != leftOut.rend(); ++at)
        m.Types().erase(m.Types().begin() + *at);
    return m.FollowGeneration(before);
}

struct TChange {
    const char* Name;
    int Count;    // types tagged 1..Count before the change
    int Selected; // selected before the change
    std::function<bool(TTypeListModel&)> Change;
    bool Done;
    std::vector<std::int32_t> TagsAfter;
    int SelectedAfter;
};

const TChange kChanges[] = {
    {"AddAppendsADefaultTypeAndSelectsIt",
     1,
     0,
     [](TTypeListModel& m) { return m.Add(); },
     true,
     {1, 100},
     1},
    {"AddToSevenMakesEight",
     7,
     3,
     [](TTypeListModel& m) { return m.Add(); },
     true,
     {1, 2, 3, 4, 5, 6, 7, 100},
     7},
    {"AddToEightIsRefused",
     8,
     2,
     [](TTypeListModel& m) { return m.Add(); },
     false,
     {1, 2, 3, 4, 5, 6, 7, 8},
     2},
    {"DeleteTheFirstOfThreeSelectsTheFormerSecond",
     3,
     0,
     [](TTypeListModel& m) { return m.DeleteSelected(); },
     true,
     {2, 3},
     0},
    {"DeleteTheMiddleSelectsItsSuccessor",
     3,
     1,
     [](TTypeListModel& m) { return m.DeleteSelected(); },
     true,
     {1, 3},
     1},
    {"DeleteTheLastOfThreeSelectsTheNewLast",
     3,
     2,
     [](TTypeListModel& m) { return m.DeleteSelected(); },
     true,
     {1, 2},
     1},
    {"DeleteTheSecondOfTwoLeavesOne",
     2,
     1,
     [](TTypeListModel& m) { return m.DeleteSelected(); },
     true,
     {1},
     0},
    {"DeleteTheOnlyTypeIsRefused",
     1,
     0,
     [](TTypeListModel& m) { return m.DeleteSelected(); },
     false,
     {1},
     0},
    {"ClearAllLeavesOneDefaultType",
     5,
     3,
     [](TTypeListModel& m) {
         m.ClearAll();
         return true;
     },
     true,
     {100},
     0},
    {"SelectTheLast", 3, 0, [](TTypeListModel& m) { return m.Select(2); }, true, {1, 2, 3}, 2},
    {"SelectPastTheLastIsRefused",
     3,
     1,
     [](TTypeListModel& m) { return m.Select(3); },
     false,
     {1, 2, 3},
     1},
    {"SelectBelowTheFirstIsRefused",
     3,
     1,
     [](TTypeListModel& m) { return m.Select(-1); },
     false,
     {1, 2, 3},
     1},
    {"ReplaceSelectsTheFirst",
     3,
     2,
     [](TTypeListModel& m) {
         return m.Replace({Tagged(7), Tagged(8)});
     },
     true,
     {7, 8},
     0},
    {"ReplaceWithEight",
     1,
     0,
     [](TTypeListModel& m) { return m.Replace(Numbered(8)); },
     true,
     {1, 2, 3, 4, 5, 6, 7, 8},
     0},
    {"ReplaceWithNineIsRefused",
     2,
     1,
     [](TTypeListModel& m) { return m.Replace(Numbered(9)); },
     false,
     {1, 2},
     1},
    {"ReplaceWithNoneIsRefused",
     2,
     1,
     [](TTypeListModel& m) { return m.Replace({}); },
     false,
     {1, 2},
     1},
    {"GenerationLeftNothingOutKeepsTheSelection",
     3,
     2,
     [](TTypeListModel& m) { return Generated(m, {}); },
     false,
     {1, 2, 3},
     2},
    {"GenerationLeftATypeOutSelectsTheFirst",
     3,
     1,
     [](TTypeListModel& m) { return Generated(m, {1}); },
     true,
     {1, 3},
     0},
    {"GenerationLeftTheSelectedLastOut",
     3,
     2,
     [](TTypeListModel& m) { return Generated(m, {2}); },
     true,
     {1, 2},
     0},
    {"GenerationEmptiedTheListWhichComesBack",
     2,
     1,
     [](TTypeListModel& m) {
         return Generated(m, {0, 1});
     },
     false,
     {1, 2},
     1},
};

class TypeListChange : public ::testing::TestWithParam<TChange> {};

TEST_P(TypeListChange, LeavesTheseTypesAndThisSelection) {
    const TChange& row = GetParam();
    TTypeListModel model;
    ASSERT_TRUE(model.Replace(Numbered(row.Count)));
    ASSERT_TRUE(model.Select(row.Selected));
    const TTypeList* list = &model.Types();
    EXPECT_EQ(row.Change(model), row.Done);
    EXPECT_EQ(Tags(model.Types()), row.TagsAfter);
    EXPECT_EQ(model.Selected(), row.SelectedAfter);
    EXPECT_EQ(model.SelectedType(), model.Types().at(row.SelectedAfter));
    EXPECT_EQ(model.CanAdd(), row.TagsAfter.size() < 8);
    EXPECT_EQ(model.CanDelete(), row.TagsAfter.size() > 1);
    EXPECT_EQ(&model.Types(), list) << "the hands window keeps a reference to the list";
}

INSTANTIATE_TEST_SUITE_P(Rows, TypeListChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(TypeListModel, StartsWithOneDefaultTypeSelected) {
    const TTypeListModel model;
    EXPECT_EQ(model.Types(), TTypeList{THandParam{}});
    EXPECT_EQ(model.Selected(), 0);
    EXPECT_EQ(model.TotalFrequency(), 100);
    EXPECT_TRUE(model.CanAdd());
    EXPECT_FALSE(model.CanDelete());
}

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
