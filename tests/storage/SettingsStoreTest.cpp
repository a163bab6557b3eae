// The settings store: defaults for absent values, booleans as 0 and 1, and
// the key layout that other copies of the program read.
#include "storage/settings/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;

namespace {
struct StoreFixture : ::testing::Test {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("store.ini")); }
};
} // namespace

TEST_F(StoreFixture, EmptyStoreGivesEveryDefault) {
    auto store = TSettingsStore::OpenFile(path());
    EXPECT_TRUE(store->ReadBool(setting::WarnOnNewTypes));
    EXPECT_EQ(store->ReadString(setting::TenSymbol), "T");
    EXPECT_EQ(store->ReadString(setting::HandToView), "Both");
    EXPECT_FALSE(store->ReadBool(setting::SortSuitsByRank));
    EXPECT_TRUE(store->ReadBool(setting::ColorPrinting));
    const int counts[] = {store->ReadInt(setting::Deals), store->ReadInt(setting::South),
                          store->ReadInt(setting::North), store->ReadInt(setting::NorthAndSouth),
                          store->ReadInt(setting::East),  store->ReadInt(setting::West),
                          store->ReadInt(setting::All)};
    EXPECT_EQ(std::vector<int>(std::begin(counts), std::end(counts)),
              (std::vector<int>{10, 1, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(store->ReadBool(setting::DealerAndVul));
    EXPECT_EQ(store->ReadInt(setting::ReadFileFormWidth), 341);
    EXPECT_EQ(store->ReadInt(setting::ReadFileFormHeight), 206);
    EXPECT_EQ(store->ReadInt(setting::CopyFormWidth), 442);
    EXPECT_EQ(store->ReadInt(setting::CopyFormHeight), 309);
    EXPECT_EQ(store->ReadInt(setting::AnalysisDeals), 500);
    EXPECT_TRUE(store->ReadBool(setting::AnalysisTricks));
    EXPECT_EQ(store->ReadString(setting::AnalysisDeclarers), "NS");
    EXPECT_EQ(store->ReadString(setting::AnalysisDenominations), "");
    for (const TSettingDef* def : setting::kAll)
        EXPECT_FALSE(store->Exists(*def)) << def->Name;
}

TEST_F(StoreFixture, ValuesLandUnderTheirKeysAndBooleansAreIntegers) {
    {
        auto store = TSettingsStore::OpenFile(path());
        store->WriteBool(setting::WarnOnNewTypes, false);
        store->WriteString(setting::HandToView, QStringLiteral("North"));
        store->WriteBool(setting::ColorPrinting, true);
        store->WriteInt(setting::CopyFormWidth, 500);
        store->WriteString(setting::AnalysisDeclarers, QStringLiteral("N,NS"));
    }
    QSettings raw(path(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("2.1/WarnOnNewTypes").toString(), "0");
    EXPECT_EQ(raw.value("2.1/ViewOptions/HandToView").toString(), "North");
    EXPECT_EQ(raw.value("2.1/PrintOptions/ColorPrinting").toString(), "1");
    EXPECT_EQ(raw.value("2.1/Dimensions/CopyFormWidth").toInt(), 500);
    EXPECT_EQ(raw.value("2.1/AnalysisOptions/Declarers").toString(), "N,NS");
}

TEST_F(StoreFixture, AnyNonZeroReadsAsTrue) {
    {
        QSettings raw(path(), QSettings::IniFormat);
        raw.setValue("2.1/ViewOptions/SortSuitsByRank", 7);
        raw.setValue("2.1/TenSymbol", "X");
    }
    auto store = TSettingsStore::OpenFile(path());
    EXPECT_TRUE(store->ReadBool(setting::SortSuitsByRank));
    EXPECT_EQ(store->ReadString(setting::TenSymbol), "X");
}
