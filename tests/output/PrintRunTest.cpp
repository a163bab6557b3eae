// The calls a print run makes of the print library, in order and with their
// exact arguments (the ten "T" in every deal text, the user's ten symbol in
// the ten character), and what the run leaves behind: settings, status texts.
#include "PrintRunFixture.h"
#include "engine/EngineMessages.h"
#include "engine/GenerateDeal.h"

#include <QSettings>

using namespace kv;
using namespace kv::test;
using Lines = std::vector<std::string>;

namespace {
Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

TEST_F(PrintRunFixture, ThreeDealsTwoSouthCopiesOneAllCopy) {
    TPrintRun run = MakeRun();
    EXPECT_EQ(run.Run(Counts(3, 2, 0, 0, 0, 0, 1)), TPrintOutcome::Printed);
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(3), {PrintLine(4, "South Hands"), PrintLine(4, "South Hands"),
                                           PrintLine(1, "Hands"), "ClearDeals"}));
}

TEST_F(PrintRunFixture, LayoutsInFixedOrderWithCopiesConsecutive) {
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.Run(Counts(2, 1, 2, 1, 3, 1, 2)), TPrintOutcome::Printed);
    const Lines prints = {PrintLine(4, "South Hands"), PrintLine(2, "North Hands"),
                          PrintLine(2, "North Hands"), PrintLine(5, "West Hands"),
                          PrintLine(5, "West Hands"),  PrintLine(5, "West Hands"),
                          PrintLine(3, "East Hands"),  PrintLine(6, "North and South Hands"),
                          PrintLine(1, "Hands"),       PrintLine(1, "Hands")};
    EXPECT_EQ(calls.Take(), Concat(ExpectedAddDeals(2), Concat(prints, {"ClearDeals"})));
}

TEST_F(PrintRunFixture, TenSymbolTenIsTInDealsAndOneInPrintMulti) {
    tenSymbol = QStringLiteral("10");
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.Run(Counts(4, 0, 1, 0, 0, 0, 0)), TPrintOutcome::Printed);
    const Lines got = calls.Take();
    EXPECT_EQ(got, Concat(ExpectedAddDeals(4), {PrintLine(2, "North Hands", '1'), "ClearDeals"}));
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(got[k].size(), 8u + 78u) << got[k];
}

TEST_F(PrintRunFixture, ColourAndCheckBoxReachTheLibrary) {
    colour = false;
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.Run(Counts(1, 0, 0, 1, 0, 0, 0, false)), TPrintOutcome::Printed);
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(1),
                     {PrintLine(6, "North and South Hands", 'T', "0|0|0"), "ClearDeals"}));
}

TEST_F(PrintRunFixture, StatusCountsTheHands) {
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.Run(Counts(12, 1, 0, 0, 0, 0, 0)), TPrintOutcome::Printed);
    ASSERT_EQ(statuses.size(), 12u);
    EXPECT_EQ(statuses.front(), "Generating hand 1");
    EXPECT_EQ(statuses.back(), "Generating hand 12");
}

// A generator failure at deal k: k-1 deals added, then ClearDeals, no printing.
class GeneratorFailsAtDeal : public PrintRunFixture, public ::testing::WithParamInterface<int> {};

TEST_P(GeneratorFailsAtDeal, AddsTheDealsBeforeThenClears) {
    const int k = GetParam();
    tenSymbol = QStringLiteral("10");
    TPrintRun run = MakeRun();
    run.SetStatusSink([&](const QString& s) {
        statuses.push_back(s);
        if (s == QStringLiteral("Generating hand %1").arg(k)) types = {UnsatisfiableType()};
    });
    EXPECT_EQ(run.Run(Counts(5, 1, 1, 1, 0, 0, 0)), TPrintOutcome::GeneratorFailed);
    EXPECT_EQ(calls.Take(), Concat(ExpectedAddDeals(k - 1), {"ClearDeals"}));
    EXPECT_EQ(host.Warnings, std::vector<std::string>{msg::kNoHands});
    EXPECT_EQ(statuses.back(), QStringLiteral("Generating hand %1").arg(k));
    EXPECT_EQ(store->ReadInt(setting::Deals), 5) << "the counts are saved before generating";
}

INSTANTIATE_TEST_SUITE_P(PrintRun, GeneratorFailsAtDeal, ::testing::Values(1, 2, 5));

TEST_F(PrintRunFixture, NoHandsIsNothingToPrint) {
    TPrintRun run = MakeRun();
    EXPECT_EQ(run.Run(Counts(0, 1, 1, 1, 0, 0, 0)), TPrintOutcome::NothingToPrint);
    EXPECT_TRUE(calls.Take().empty());
    EXPECT_FALSE(store->Exists(setting::Deals));
    EXPECT_EQ(host.Yields, 0);
}

TEST_F(PrintRunFixture, NoCopiesIsNothingToPrint) {
    TPrintRun run = MakeRun();
    EXPECT_EQ(run.Run(Counts(5, 0, 0, 0, 0, 0, 0)), TPrintOutcome::NothingToPrint);
    EXPECT_TRUE(calls.Take().empty());
    for (const TSettingDef* def : setting::kAll)
        EXPECT_FALSE(store->Exists(*def)) << def->Name;
}

TEST_F(PrintRunFixture, CountsAreStoredWithTheEastWestPairing) {
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.Run(Counts(7, 3, 4, 5, 2, 0, 6, false)), TPrintOutcome::Printed);
    store->Sync();
    QSettings raw(dir.filePath("store.ini"), QSettings::IniFormat);
    EXPECT_EQ(raw.value("2.1/PrintOptions/Deals").toInt(), 7);
    EXPECT_EQ(raw.value("2.1/PrintOptions/South").toInt(), 3);
    EXPECT_EQ(raw.value("2.1/PrintOptions/North").toInt(), 4);
    EXPECT_EQ(raw.value("2.1/PrintOptions/NorthAndSouth").toInt(), 5);
    EXPECT_EQ(raw.value("2.1/PrintOptions/East").toInt(), 2) << "the West-only count";
    EXPECT_EQ(raw.value("2.1/PrintOptions/West").toInt(), 0) << "the East-only count";
    EXPECT_EQ(raw.value("2.1/PrintOptions/All").toInt(), 6);
    EXPECT_EQ(raw.value("2.1/PrintOptions/DealerAndVul").toInt(), 0);
}

TEST_F(PrintRunFixture, PressDuringARunStartsNoSecondRun) {
    TPrintRun run = MakeRun();
    std::vector<TPrintOutcome> nested;
    host.OnYield = [&] { nested.push_back(run.Run(Counts(2, 1, 0, 0, 0, 0, 0))); };
    ASSERT_EQ(run.Run(Counts(3, 1, 0, 0, 0, 0, 0)), TPrintOutcome::Printed);
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(nested, std::vector<TPrintOutcome>(nested.size(), TPrintOutcome::AlreadyRunning));
    EXPECT_GE(nested.size(), 3u);
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(3), {PrintLine(4, "South Hands"), "ClearDeals"}));
}

TEST_F(PrintRunFixture, ChosenPrinterIsPassedBeforePrinting) {
    const TPrinterChoice printer{QStringLiteral("Club laser"), QString(), QSize(595, 842), true};
    TPrintRun run = MakeRun(&printer);
    ASSERT_EQ(run.Run(Counts(1, 1, 0, 0, 0, 0, 0)), TPrintOutcome::Printed);
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(1), {"SetOutput Club laser||595|842|1",
                                           PrintLine(4, "South Hands"), "ClearDeals"}));
}

TEST_F(PrintRunFixture, LibraryFailureIsReportedAfterClearing) {
    calls.SetPrintResult(-3);
    TPrintRun run = MakeRun();
    EXPECT_EQ(run.Run(Counts(1, 1, 0, 0, 0, 0, 0)), TPrintOutcome::PrintFailed);
    calls.SetPrintResult(0);
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(1), {PrintLine(4, "South Hands"), "ClearDeals"}));
}

TEST_F(PrintRunFixture, GivenGeneratorIsUsed) {
    int generated = 0;
    TPrintRun run({engine, types, host, library, *store, {tenSymbol, colour}, nullptr, [&] {
                       ++generated;
                       TDealOutcome dealt = GenerateDeal(engine, types, host);
                       return dealt.Dealt() ? std::optional(dealt.Deal) : std::nullopt;
                   }});
    ASSERT_EQ(run.Run(Counts(3, 1, 0, 0, 0, 0, 0)), TPrintOutcome::Printed);
    EXPECT_EQ(generated, 3);
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(3), {PrintLine(4, "South Hands"), "ClearDeals"}));
}

// Double-dummy results: asked for and made after the deals are added and
// before the first copy, only when copies of all four hands are printed.
TEST_F(PrintRunFixture, DoubleDummyIsAskedForBeforeTheCopies) {
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.Run(Counts(2, 1, 0, 0, 0, 0, 2, true, true)), TPrintOutcome::Printed);
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(2),
                     {"SetDoubleDummy 1", "AnalyseDeals 2", PrintLine(4, "South Hands"),
                      PrintLine(1, "Hands"), PrintLine(1, "Hands"), "ClearDeals"}));
    EXPECT_EQ(statuses.back(), "Analysing the hands double dummy");
    store->Sync();
    EXPECT_TRUE(store->ReadBool(setting::PrintDoubleDummy));
}

TEST_F(PrintRunFixture, DoubleDummyWithoutAllFourHandsAsksNothing) {
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.Run(Counts(2, 1, 0, 1, 0, 0, 0, true, true)), TPrintOutcome::Printed);
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(2), {PrintLine(4, "South Hands"),
                                           PrintLine(6, "North and South Hands"), "ClearDeals"}));
    EXPECT_EQ(statuses.back(), "Generating hand 2");
}

TEST_F(PrintRunFixture, DoubleDummyIsNotAskedForWhenTheGeneratorGivesUp) {
    types = {UnsatisfiableType()};
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.Run(Counts(2, 0, 0, 0, 0, 0, 1, true, true)), TPrintOutcome::GeneratorFailed);
    EXPECT_EQ(calls.Take(), Lines{"ClearDeals"});
}

TEST(PrintRunWithoutDoubleDummy, LibraryWithoutTheEntryPointPrintsThePlainRecord) {
    TPrintLibrary library{QStringLiteral(KV_RECORD_NODD_LIB)};
    ASSERT_EQ(library.Bind(), TBindResult::Bound);
    EXPECT_FALSE(library.HasDoubleDummy());
    EXPECT_FALSE(library.SetDoubleDummy(true));
    TPrintLibrary full{QStringLiteral(KV_RECORD_LIB)};
    ASSERT_EQ(full.Bind(), TBindResult::Bound);
    EXPECT_TRUE(full.HasDoubleDummy());
    TPrintLibrary unbound{QStringLiteral("no-such-library")};
    EXPECT_FALSE(unbound.HasDoubleDummy());
    EXPECT_FALSE(unbound.SetDoubleDummy(true));
}

// A run that prints nothing gives the random source back as it found it: the
// seed the user reads and the boards of the next run are those of a run that
// never started. A printed run keeps its draws.
struct UnprintedRun {
    const char* Name;
    std::function<void(PrintRunFixture&, TPrintRun&)> Arrange;
    TPrintOutcome Outcome;
};

class RunThatPrintsNothing : public PrintRunFixture,
                             public ::testing::WithParamInterface<UnprintedRun> {};

TEST_P(RunThatPrintsNothing, LeavesTheSeedForTheNextRun) {
    TPrintRun run = MakeRun();
    GetParam().Arrange(*this, run);
    const TRandomState before = engine.Random().State();
    EXPECT_EQ(run.Run(Counts(4, 0, 0, 0, 0, 0, 1, true, true)), GetParam().Outcome);
    EXPECT_TRUE(engine.Random().State() == before);

    calls.SetPrintResult(0);
    types = {THandParam{}};
    TPrintRun again = MakeRun();
    calls.Take();
    ASSERT_EQ(again.Run(Counts(4, 0, 0, 0, 0, 0, 1)), TPrintOutcome::Printed);
    const Lines made = calls.Take();
    EXPECT_EQ(Lines(made.begin(), made.begin() + 4), ExpectedAddDeals(4));
}

INSTANTIATE_TEST_SUITE_P(
    PrintRun, RunThatPrintsNothing,
    ::testing::Values(
        UnprintedRun{"CancelledAnalysis",
                     [](PrintRunFixture&, TPrintRun& run) {
                         run.SetAnalysisProgress([](int done, int) { return done < 2; });
                     },
                     TPrintOutcome::Cancelled},
        UnprintedRun{"GeneratorGivesUpAtTheThirdDeal",
                     [](PrintRunFixture& f, TPrintRun& run) {
                         run.SetStatusSink([&f](const QString& s) {
                             if (s == QStringLiteral("Generating hand 3"))
                                 f.types = {UnsatisfiableType()};
                         });
                     },
                     TPrintOutcome::GeneratorFailed},
        UnprintedRun{"LibraryCannotPrint",
                     [](PrintRunFixture& f, TPrintRun&) { f.calls.SetPrintResult(-3); },
                     TPrintOutcome::PrintFailed}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PrintRunFixture, PrintedRunKeepsItsDraws) {
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.Run(Counts(3, 1, 0, 0, 0, 0, 0)), TPrintOutcome::Printed);
    TDealEngine alone;
    alone.Random().RandomSeed = kSeed;
    TTypeList list{THandParam{}};
    for (int k = 0; k < 3; ++k)
        GenerateDeal(alone, list, host);
    EXPECT_TRUE(engine.Random().State() == alone.Random().State());
}
