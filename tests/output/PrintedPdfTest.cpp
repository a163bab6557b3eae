// The real print library, run the way the program runs it, writing PDF files
// that are read back: every deal of the run in every layout asked for, boards
// numbered from 1 with the dealer and vulnerability of duplicate boards, the
// ten as asked, and the double-dummy results when asked for.
#include "PdfText.h"
#include "RecordingHost.h"
#include "engine/DealEngine.h"
#include "engine/GenerateDeal.h"
#include "engine/doubledummy/DoubleDummyText.h"
#include "output/dealtext/BoardRotation.h"
#include "output/dealtext/DealText.h"
#include "output/print/PrintLibrary.h"

#include <QDir>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

using TDealHands = std::array<std::array<std::string, 4>, 4>; // N, E, S, W; suits

TDealHands HandsOf(const std::string& dealText) {
    TDealHands hands;
    const std::string body = dealText.substr(9, dealText.size() - 11);
    std::size_t seat = 0, suit = 0;
    for (const char c : body) {
        if (c == ' ')
            ++seat, suit = 0;
        else if (c == '.')
            ++suit;
        else
            hands[seat][suit] += c;
    }
    return hands;
}

const char* TitleOf(int layout) {
    static const char* kTitles[] = {"",
                                    "Hands",
                                    "North Hands",
                                    "East Hands",
                                    "South Hands",
                                    "West Hands",
                                    "North and South Hands"};
    return kTitles[layout];
}

// The seats each layout shows, in the order they are drawn.
std::vector<int> SeatsOf(int layout) {
    switch (layout) {
    case 1:
        return {0, 1, 2, 3};
    case 2:
        return {0};
    case 3:
        return {1};
    case 4:
        return {2};
    case 5:
        return {3};
    default:
        return {0, 2};
    }
}

const QString kDealers[] = {"North", "East", "South", "West"};
const QString kVul[16] = {"None", "N-S",  "E-W",  "Both", "N-S",  "E-W",  "Both", "None",
                          "E-W",  "Both", "None", "N-S",  "Both", "None", "N-S",  "E-W"};

struct PrintedPdf : ::testing::Test {
    QTemporaryDir dir;
    TPrintLibrary library{QStringLiteral(KV_REAL_PRINT_LIB)};
    std::vector<std::string> deals;
    std::vector<TFullDeal> fullDeals;
    QString pdf;

    void SetUp() override {
        ASSERT_EQ(library.Bind(), TBindResult::Bound) << library.ErrorString().toStdString();
        pdf = dir.filePath("run.pdf");
        library.SetOutput({QString(), pdf, QSize(), false});
    }
    void TearDown() override {
        library.ClearDeals();
        library.SetOutput({});
    }

    void AddDeals(int n, std::int32_t seed = 0x1234abcd) {
        TDealEngine engine;
        engine.Random().RandomSeed = seed;
        TTypeList types{THandParam{}};
        TRecordingHost host;
        for (int k = 0; k < n; ++k) {
            const TDealOutcome dealt = GenerateDeal(engine, types, host);
            ASSERT_TRUE(dealt.Dealt());
            const TFullDeal& d = dealt.Deal;
            deals.push_back(DealText(d.North(), d.East(), d.South(), d.West()));
            fullDeals.push_back(d);
            ASSERT_EQ(library.AddDeal(deals.back()), 0);
        }
    }

    std::vector<TPrintedCopy> Print(const std::vector<int>& layouts, char ten, bool colour,
                                    bool flags) {
        for (const int layout : layouts)
            EXPECT_EQ(library.PrintMulti({layout, -1, TitleOf(layout), "",
                                          "Hands dealt by the tests", ten, colour, flags, flags}),
                      0);
        EXPECT_EQ(library.ClearDeals(), 0);
        EXPECT_EQ(library.LastOutputFile(), pdf);
        const QString text = PdfToText(pdf);
        EXPECT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) must be installed";
        return ReadCopies(text);
    }

    // Every held deal once, boards 1.., the hands of the layout as dealt.
    void ExpectCopy(const TPrintedCopy& copy, int layout, bool tenAsDigits) {
        EXPECT_EQ(copy.Title, TitleOf(layout));
        ASSERT_EQ(copy.Boards.size(), deals.size()) << copy.Title.toStdString();
        for (std::size_t b = 0; b < deals.size(); ++b) {
            const TPrintedBoard& board = copy.Boards[b];
            EXPECT_EQ(board.Number, static_cast<int>(b + 1));
            const TDealHands hands = HandsOf(deals[b]);
            const std::vector<int> seats = SeatsOf(layout);
            ASSERT_EQ(board.Hands.size(), seats.size()) << "board " << b + 1;
            for (std::size_t h = 0; h < seats.size(); ++h)
                for (std::size_t suit = 0; suit < 4; ++suit) {
                    const QString& printed = board.Hands[h][suit];
                    EXPECT_EQ(AsDealTextHolding(printed),
                              hands[static_cast<std::size_t>(seats[h])][suit])
                        << "board " << b + 1 << " hand " << h << " suit " << suit;
                    EXPECT_FALSE(printed.contains(tenAsDigits ? u'T' : u'1'))
                        << printed.toStdString();
                }
        }
    }
};

} // namespace

TEST_F(PrintedPdf, EveryDealInEveryLayoutWithTheTenAsTen) {
    AddDeals(16);
    const std::vector<int> layouts{4, 2, 5, 3, 6, 1};
    const auto copies = Print(layouts, '1', true, true);
    ASSERT_EQ(copies.size(), layouts.size());
    for (std::size_t c = 0; c < layouts.size(); ++c)
        ExpectCopy(copies[c], layouts[c], true);
    EXPECT_TRUE(PdfToText(pdf).contains(QStringLiteral("10")));
}

TEST_F(PrintedPdf, DealerAndVulnerabilityOfBoardsOneToSixteen) {
    AddDeals(16);
    const auto copies = Print({1, 4, 6}, 'T', true, true);
    ASSERT_EQ(copies.size(), 3u);
    for (const TPrintedCopy& copy : copies) {
        ASSERT_EQ(copy.Boards.size(), 16u);
        for (std::size_t b = 0; b < 16; ++b) {
            EXPECT_EQ(copy.Boards[b].Dealer, kDealers[b % 4]) << copy.Title.toStdString() << b + 1;
            EXPECT_EQ(copy.Boards[b].Vul, kVul[b]) << copy.Title.toStdString() << b + 1;
        }
    }
}

TEST_F(PrintedPdf, TenAsTee) {
    AddDeals(16);
    const auto copies = Print({1, 3}, 'T', true, true);
    ASSERT_EQ(copies.size(), 2u);
    ExpectCopy(copies[0], 1, false);
    ExpectCopy(copies[1], 3, false);
}

TEST_F(PrintedPdf, WithoutTheFlagsNoDealerOrVulnerability) {
    AddDeals(5);
    const auto copies = Print({1, 5}, 'T', false, false);
    ASSERT_EQ(copies.size(), 2u);
    for (const TPrintedCopy& copy : copies)
        for (const TPrintedBoard& board : copy.Boards) {
            EXPECT_TRUE(board.Dealer.isEmpty());
            EXPECT_TRUE(board.Vul.isEmpty());
        }
    ExpectCopy(copies[1], 5, false);
}

TEST_F(PrintedPdf, HundredDealsRunOverSeveralPagesInOrder) {
    AddDeals(100, 77);
    const auto copies = Print({1, 1, 2}, 'T', true, true);
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_GT(copies[0].Pages, 4);
    EXPECT_LT(copies[0].Pages, 26) << "several boards to a page";
    for (const auto& copy : copies)
        ExpectCopy(copy, copy.Title == "Hands" ? 1 : 2, false);
}

TEST_F(PrintedPdf, SelectorPrintsOneHeldDeal) {
    AddDeals(3);
    EXPECT_EQ(library.PrintMulti({4, 2, "South Hands", "", "b", 'T', true, true, true}), 0);
    EXPECT_EQ(library.PrintMulti({4, 4, "South Hands", "", "b", 'T', true, true, true}), -1);
    EXPECT_EQ(library.PrintMulti({7, -1, "?", "", "b", 'T', true, true, true}), -1);
    library.ClearDeals();
    const auto copies = ReadCopies(PdfToText(pdf));
    ASSERT_EQ(copies.size(), 1u);
    ASSERT_EQ(copies[0].Boards.size(), 1u);
    EXPECT_EQ(copies[0].Boards[0].Number, 2);
    EXPECT_EQ(copies[0].Boards[0].Dealer, "East");
}

TEST_F(PrintedPdf, MalformedDealIsRefused) {
    EXPECT_EQ(library.AddDeal("[Deal \"N:AKQJ.AKQ.AKQ.AKQ\"]"), -1);
    EXPECT_EQ(library.PrintMulti({1, -1, "Hands", "", "b", 'T', true, true, true}), 0);
    EXPECT_EQ(library.ClearDeals(), 0);
    EXPECT_FALSE(QFile::exists(pdf)) << "nothing held, nothing printed";
}

TEST_F(PrintedPdf, SubtitleIsPrintedUnderTheTitle) {
    AddDeals(2);
    EXPECT_EQ(
        library.PrintMulti({2, -1, "North Hands", "Tuesday pairs", "b", 'T', true, true, true}), 0);
    library.ClearDeals();
    EXPECT_TRUE(PdfToText(pdf).contains("North Hands Page 1 of 1\nTuesday pairs\nb\n"));
}

namespace {
// Pixels of a clearly red colour on the first page, rendered small.
int RedPixels(const QString& pdf, const QString& stem) {
    QProcess::execute("pdftoppm",
                      {"-png", "-r", "40", "-f", "1", "-l", "1", "-singlefile", pdf, stem});
    const QImage page(stem + ".png");
    int red = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 100 && c.blue() < 110;
        }
    return page.isNull() ? -1 : red;
}
} // namespace

TEST_F(PrintedPdf, RedSuitsOnlyInColour) {
    AddDeals(8);
    Print({1}, 'T', true, true);
    EXPECT_GT(RedPixels(pdf, dir.filePath("colour")), 200);
    AddDeals(8);
    Print({1}, 'T', false, true);
    EXPECT_EQ(RedPixels(pdf, dir.filePath("black")), 0);
}

TEST_F(PrintedPdf, WithoutAPrinterThePdfGoesToTheDocumentsFolder) {
    if (!QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this system has a printer; the test would print on paper";
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    ASSERT_TRUE(QDir(dir.path()).mkdir("Documents"));
    for (const QString& printer : {QString(), QStringLiteral("No such printer")}) {
        library.SetOutput({printer, QString(), QSize(), false});
        AddDeals(2);
        EXPECT_EQ(library.PrintMulti({1, -1, "Hands", "", "b", 'T', true, true, true}), 0);
        EXPECT_EQ(library.ClearDeals(), 0);
        const QString written = library.LastOutputFile();
        EXPECT_TRUE(written.startsWith(dir.filePath("Documents/hand-records-")))
            << written.toStdString();
        EXPECT_TRUE(written.endsWith(".pdf"));
        EXPECT_EQ(ReadCopies(PdfToText(written)).size(), 1u);
        deals.clear();
    }
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
}

// The grid and par of each board are the numbers of the solver binding, with
// the dealer and vulnerability of the board as the PBN export gives them.
TEST_F(PrintedPdf, DoubleDummyResultsUnderEachBoardOfAllFourHands) {
    AddDeals(18, 0x0dd0dd);
    ASSERT_TRUE(library.SetDoubleDummy(true));
    const auto copies = Print({6, 1, 1}, 'T', true, true);
    ASSERT_EQ(copies.size(), 3u);
    for (const TPrintedBoard& board : copies[0].Boards)
        EXPECT_FALSE(board.HasResults) << "North and South only: no results";
    ExpectCopy(copies[1], 1, false);
    const std::vector<TDDTable> tables = SolveTables(fullDeals);
    for (std::size_t c = 1; c < 3; ++c)
        for (std::size_t b = 0; b < deals.size(); ++b) {
            const TPrintedBoard& printed = copies[c].Boards[b];
            ASSERT_TRUE(printed.HasResults) << "board " << b + 1;
            const TDDTable& table = tables[b];
            for (std::size_t d = 0; d < 4; ++d)
                for (std::size_t s = 0; s < 5; ++s)
                    EXPECT_EQ(printed.Makeable[d][s].toStdString(),
                              MakeableText(table.Tricks[s][d]))
                        << "board " << b + 1 << " declarer " << d << " strain " << s;
            const int board = static_cast<int>(b + 1);
            const TParResult par =
                ParOf(table, static_cast<int>(BoardDealer(board)), BoardVulnerability(board));
            EXPECT_EQ(printed.ParContract.toStdString(), ParContractText(par)) << board;
            EXPECT_EQ(printed.ParScore.toStdString(), ParScoreText(par)) << board;
        }
}

TEST_F(PrintedPdf, ClearDealsSwitchesTheResultsOff) {
    AddDeals(2);
    library.SetDoubleDummy(true);
    auto copies = Print({1}, 'T', true, true);
    ASSERT_EQ(copies.size(), 1u);
    ASSERT_EQ(copies[0].Boards.size(), 2u);
    EXPECT_TRUE(copies[0].Boards[1].HasResults);
    AddDeals(2);
    copies = Print({1}, 'T', true, true);
    ASSERT_EQ(copies.size(), 1u);
    for (const TPrintedBoard& board : copies[0].Boards)
        EXPECT_FALSE(board.HasResults);
}

TEST_F(PrintedPdf, SelectedBoardHasItsOwnResults) {
    AddDeals(3, 99);
    library.SetDoubleDummy(true);
    EXPECT_EQ(library.PrintMulti({1, 3, "Hands", "", "b", 'T', true, true, true}), 0);
    library.ClearDeals();
    const auto copies = ReadCopies(PdfToText(pdf));
    ASSERT_EQ(copies.size(), 1u);
    ASSERT_EQ(copies[0].Boards.size(), 1u);
    const TDDTable table = SolveTable(fullDeals[2]);
    EXPECT_EQ(copies[0].Boards[0].Makeable[2][0].toStdString(), MakeableText(table.Tricks[0][2]));
    const TParResult par = ParOf(table, 2, "All"); // board 3: South deals, all vulnerable
    EXPECT_EQ(copies[0].Boards[0].ParScore.toStdString(), ParScoreText(par));
}

// While the deals are analysed the host's events run; a call of the library
// from one of them is refused and changes nothing.
TEST_F(PrintedPdf, CallsFromEventsDuringTheAnalysisAreRefused) {
    AddDeals(12, 5);
    library.SetDoubleDummy(true);
    bool printing = false, calledWhilePrinting = false;
    int nested = 0;
    QTimer::singleShot(0, [&] {
        calledWhilePrinting = printing;
        nested = library.AddDeal(deals[0]);
    });
    printing = true;
    EXPECT_EQ(library.PrintMulti({1, -1, "Hands", "", "b", 'T', true, true, true}), 0);
    printing = false;
    EXPECT_EQ(library.ClearDeals(), 0);
    EXPECT_TRUE(calledWhilePrinting) << "pending events run during every analysis";
    EXPECT_EQ(nested, -5);
    const auto copies = ReadCopies(PdfToText(pdf));
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].Boards.size(), 12u) << "the refused deal was not added";
}
