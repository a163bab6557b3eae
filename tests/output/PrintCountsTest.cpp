// The print counts in the settings store, and when there is nothing to print.
#include "output/print/PrintCounts.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

using namespace kv;

TEST(PrintCounts, EmptyStoreGivesTheDefaults) {
    QTemporaryDir dir;
    const auto store = TSettingsStore::OpenFile(dir.filePath("s.ini"));
    EXPECT_EQ(ReadPrintCounts(*store), (TPrintCounts{10, 1, 1, 1, 0, 0, 0, true}));
}

TEST(PrintCounts, WestAndEastComeBackIntoTheirOwnCounts) {
    QTemporaryDir dir;
    const auto store = TSettingsStore::OpenFile(dir.filePath("s.ini"));
    const TPrintCounts counts{4, 0, 3, 0, 2, 9, 1, false};
    WritePrintCounts(*store, counts);
    EXPECT_EQ(store->ReadInt(setting::East), 2);
    EXPECT_EQ(store->ReadInt(setting::West), 9);
    EXPECT_EQ(ReadPrintCounts(*store), counts);
}

TEST(PrintCounts, DoubleDummyIsOffByDefaultAndStoredUnderItsOwnName) {
    QTemporaryDir dir;
    const auto store = TSettingsStore::OpenFile(dir.filePath("s.ini"));
    EXPECT_FALSE(ReadPrintCounts(*store).DoubleDummy);
    TPrintCounts counts;
    counts.DoubleDummy = true;
    WritePrintCounts(*store, counts);
    EXPECT_TRUE(store->ReadBool(setting::PrintDoubleDummy));
    EXPECT_EQ(ReadPrintCounts(*store), counts);
    QSettings raw(dir.filePath("s.ini"), QSettings::IniFormat);
    EXPECT_EQ(raw.value("2.1/PrintOptions/DoubleDummy").toInt(), 1);
}

TEST(PrintCounts, NothingToPrint) {
    EXPECT_TRUE((TPrintCounts{0, 1, 1, 1, 1, 1, 1, true}).NothingToPrint());
    EXPECT_TRUE((TPrintCounts{5, 0, 0, 0, 0, 0, 0, true}).NothingToPrint());
    EXPECT_FALSE((TPrintCounts{1, 0, 0, 0, 0, 0, 1, true}).NothingToPrint());
    EXPECT_FALSE((TPrintCounts{1, 0, 0, 0, 1, 0, 0, false}).NothingToPrint());
}

TEST(PrintCounts, LayoutOrderAndTitles) {
    const auto order = CopiesInPrintOrder({1, 11, 12, 13, 14, 15, 16, true});
    const int layouts[] = {4, 2, 5, 3, 6, 1};
    const int copies[] = {11, 12, 14, 15, 13, 16};
    const std::string titles[] = {"South Hands", "North Hands",           "West Hands",
                                  "East Hands",  "North and South Hands", "Hands"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(order[i].Layout, layouts[i]);
        EXPECT_EQ(order[i].Copies, copies[i]);
        EXPECT_EQ(order[i].Title, titles[i]);
    }
}
