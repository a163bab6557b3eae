// The print run as the dialog shows it: it closes after printing, stays open
// after a generator failure, refuses a second run and defers Cancel.
#include "PrintFormFixture.h"
#include "engine/EngineMessages.h"
#include "ui/common/DesktopSeam.h"

#include <QCheckBox>
#include <QFile>
#include <QStatusBar>

using namespace kv;
using namespace kv::test;
using Lines = std::vector<std::string>;

namespace {
Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The dialog hands its printer choice (here the default one) to the library
// before the first copy.
const std::string kDefaultOutput = "SetOutput ||0|0|0";
} // namespace

TEST_F(PrintFormFixture, ThreeDealsTwoSouthOneAllThenCloses) {
    SetCounts(3, 2, 0, 0, 0, 0, 1);
    PressPrint();
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(3),
                     {kDefaultOutput, PrintLine(4, "South Hands"), PrintLine(4, "South Hands"),
                      PrintLine(1, "Hands"), "ClearDeals"}));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(PrintFormFixture, DoubleDummyBoxAsksTheLibraryForResults) {
    SetCounts(2, 0, 0, 0, 0, 0, 1);
    Find<QCheckBox>("DoubleDummyBox")->setChecked(true);
    PressPrint();
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(2), {kDefaultOutput, "SetDoubleDummy 1", "AnalyseDeals 2",
                                           PrintLine(1, "Hands"), "ClearDeals"}));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PrintFormFixture, WestAndEastCountsSurviveReopening) {
    SetCounts(1, 0, 0, 0, 2, 0, 0);
    PressPrint();
    EXPECT_EQ(store->ReadInt(setting::East), 2);
    EXPECT_EQ(store->ReadInt(setting::West), 0);
    OpenForm();
    EXPECT_EQ(Box(5)->value(), 2);
    EXPECT_EQ(Box(6)->value(), 0);
}

TEST_F(PrintFormFixture, TenSymbolTenPrintsTheTenCharacterOne) {
    tenSymbol = QStringLiteral("10");
    OpenForm(); // the dialog takes the options when it is made
    SetCounts(2, 0, 0, 1, 0, 0, 0);
    PressPrint();
    EXPECT_EQ(calls.Take(),
              Concat(ExpectedAddDeals(2),
                     {kDefaultOutput, PrintLine(6, "North and South Hands", '1'), "ClearDeals"}));
}

TEST_F(PrintFormFixture, GeneratorFailureLeavesTheDialogOpen) {
    SetCounts(5, 1, 0, 0, 0, 0, 0);
    bool broken = false;
    // Hand 3 is dealt from the list as its call found it; hand 4 from this one.
    host.OnYield = [&] {
        if (!broken && Find<QStatusBar>("StatusBar1")->currentMessage() == "Generating hand 3")
            types = {UnsatisfiableType()}, broken = true;
    };
    PressPrint();
    EXPECT_EQ(calls.Take(), Concat(ExpectedAddDeals(3), {"ClearDeals"}));
    EXPECT_EQ(host.Warnings, std::vector<std::string>{msg::kNoHands});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Find<QStatusBar>("StatusBar1")->currentMessage(), "Generating hand 4");
    EXPECT_EQ(store->ReadInt(setting::Deals), 5);
    EXPECT_TRUE(Find("PrintBtn")->isEnabled());
}

TEST_F(PrintFormFixture, PrintDuringARunIsRefused) {
    SetCounts(3, 1, 0, 0, 0, 0, 0);
    int disabledYields = 0;
    host.OnYield = [&] {
        disabledYields += !Find("PrintBtn")->isEnabled() && !Find("PrinterSetupBtn")->isEnabled();
        PressPrint();
    };
    PressPrint();
    EXPECT_EQ(disabledYields, host.Yields);
    EXPECT_EQ(calls.Take(), Concat(ExpectedAddDeals(3),
                                   {kDefaultOutput, PrintLine(4, "South Hands"), "ClearDeals"}));
}

TEST_F(PrintFormFixture, CancelDuringARunClosesAfterIt) {
    tenSymbol = QStringLiteral("10");
    OpenForm(); // the dialog takes the options when it is made
    SetCounts(3, 0, 1, 0, 0, 0, 0);
    bool visibleAfterCancel = false;
    host.OnYield = [&] {
        Find<QPushButton>("CancelBtn")->click();
        visibleAfterCancel = form->isVisible();
    };
    PressPrint();
    EXPECT_TRUE(visibleAfterCancel) << "the run is not stopped";
    EXPECT_FALSE(form->isVisible());
    const Lines got = calls.Take();
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[4], PrintLine(2, "North Hands", '1'));
    EXPECT_EQ(got[5], "ClearDeals");
}

TEST_F(PrintFormFixture, CancelDuringAFailingRunClosesAfterIt) {
    SetCounts(3, 1, 0, 0, 0, 0, 0);
    types = {UnsatisfiableType()};
    host.OnYield = [&] { Find<QPushButton>("CancelBtn")->click(); };
    PressPrint();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(calls.Take(), Lines{"ClearDeals"});
}

TEST_F(PrintFormFixture, LibraryFailureIsReported) {
    calls.SetPrintResult(-3);
    SetCounts(1, 1, 0, 0, 0, 0, 0);
    PressPrint();
    calls.SetPrintResult(0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, "The hands could not be printed.");
    EXPECT_TRUE(form->isVisible());
}

// After a PDF is written: the main window's status line says where it went,
// and the message offers to open it, or its folder, with the desktop's viewer.
struct TOfferRow {
    const char* Name;
    int Choice; // 0 Open, 1 Open Folder, 2 Close
};

class PrintFormPdf : public ::testing::TestWithParam<TOfferRow> {};

TEST_P(PrintFormPdf, MainWindowIsToldWhereThePdfWentAndTheFileIsOffered) {
    TRecordedMessages messages;
    TRecordedDesktop desktop;
    TMessageSeam::SetNextChoices({GetParam().Choice});
    QTemporaryDir dir;
    auto store = TSettingsStore::OpenFile(dir.filePath("s.ini"));
    TPrintLibrary library{QStringLiteral(KV_REAL_PRINT_LIB)};
    ASSERT_EQ(library.Bind(), TBindResult::Bound);
    TDealEngine engine;
    TTypeList types{THandParam{}};
    TRecordingHost host;
    QString ten = QStringLiteral("T");
    TPrinterChoice printer{QString(), dir.filePath("club night.pdf"), QSize(), false};
    QStringList status;
    TPrintForm form({{engine, types, host, library, *store, ten, true},
                     &printer,
                     [&](const QString& s) { status << s; }});
    form.show();
    form.findChild<QPushButton*>("PrintBtn")->click();
    const QString shown = QDir::toNativeSeparators(printer.OutputFile);
    EXPECT_EQ(status, QStringList{"Hand records saved as " + shown});
    EXPECT_TRUE(QFile::exists(printer.OutputFile));
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Print");
    EXPECT_EQ(messages.Shown()[0].Text, "The hand records were saved as\n" + shown);
    const QStringList expected[] = {{printer.OutputFile}, {dir.path()}, {}};
    EXPECT_EQ(desktop.Opened(), expected[GetParam().Choice]);
}

INSTANTIATE_TEST_SUITE_P(Offer, PrintFormPdf,
                         ::testing::Values(TOfferRow{"Open", 0}, TOfferRow{"OpenFolder", 1},
                                           TOfferRow{"Close", 2}),
                         [](const ::testing::TestParamInfo<TOfferRow>& info) {
                             return info.param.Name;
                         });
