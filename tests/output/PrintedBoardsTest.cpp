// The real print library with boards of their own and with the analysis
// made on request: board numbers, dealers and vulnerabilities as given,
// hands left out printed as not given, the progress of the analysis told
// board by board, a stopped analysis that leaves no file, and PDF files that
// appear only whole and never take another file's place.
#include "PdfText.h"
#include "RecordingHost.h"
#include "engine/DealEngine.h"
#include "engine/GenerateDeal.h"
#include "engine/doubledummy/DoubleDummyText.h"
#include "output/dealtext/DealText.h"
#include "output/dealtext/PbnExport.h"
#include "output/print/PrintLibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

struct PrintedBoards : ::testing::Test {
    QTemporaryDir dir;
    TPrintLibrary library{QStringLiteral(KV_REAL_PRINT_LIB)};
    QString pdf;

    void SetUp() override {
        ASSERT_EQ(library.Bind(), TBindResult::Bound) << library.ErrorString().toStdString();
        ASSERT_TRUE(library.HasBoards());
        pdf = dir.filePath("boards.pdf");
        library.SetOutput({QString(), pdf, QSize(), false});
    }
    void TearDown() override {
        library.ClearDeals();
        library.SetOutput({});
    }

    static std::vector<TFullDeal> Deals(int n, std::int32_t seed) {
        TDealEngine engine;
        engine.Random().RandomSeed = seed;
        TTypeList types{THandParam{}};
        TRecordingHost host;
        std::vector<TFullDeal> deals;
        for (int k = 0; k < n; ++k) {
            deals.push_back(GenerateDeal(engine, types, host).Deal);
        }
        return deals;
    }

    void Add(const TBoardDeal& board) {
        ASSERT_EQ(library.AddBoard(BoardDealText(board), board.Board,
                                   static_cast<int>(board.Dealer),
                                   VulnerabilityIndex(board.Vulnerable)),
                  0);
    }

    QStringList Files() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST_F(PrintedBoards, BoardsArePrintedWithTheirOwnNumberDealerAndVulnerability) {
    const std::vector<TFullDeal> deals = Deals(2, 17);
    TBoardDeal first = RotationBoard(deals[0], 17);
    first.Dealer = TSeat::West; // not the rotation's North
    first.Vulnerable = "EW";    // not the rotation's None
    Add(first);
    Add(RotationBoard(deals[1], 4));
    ASSERT_EQ(library.PrintMulti({1, -1, "Hands", "", "b", 'T', true, true, true}), 0);
    ASSERT_EQ(library.ClearDeals(), 0);
    const auto copies = ReadCopies(PdfToText(pdf));
    ASSERT_EQ(copies.size(), 1u);
    ASSERT_EQ(copies[0].Boards.size(), 2u);
    EXPECT_EQ(copies[0].Boards[0].Number, 17);
    EXPECT_EQ(copies[0].Boards[0].Dealer, "West");
    EXPECT_EQ(copies[0].Boards[0].Vul, "E-W");
    EXPECT_EQ(copies[0].Boards[1].Number, 4);
    EXPECT_EQ(copies[0].Boards[1].Dealer, "West");
    EXPECT_EQ(copies[0].Boards[1].Vul, "Both");
    const std::string south = HandText(deals[0].Hands[2]);
    EXPECT_EQ(AsDealTextHolding(copies[0].Boards[0].Hands[2][0]), south.substr(0, south.find('.')));
}

TEST_F(PrintedBoards, AHandLeftOutIsPrintedAsNotGiven) {
    TBoardDeal board = RotationBoard(Deals(1, 3)[0], 1);
    board.Known = {true, false, true, false};
    board.Deal.Hands[1] = board.Deal.Hands[3] = tHand();
    Add(board);
    library.SetDoubleDummy(true);
    ASSERT_EQ(library.PrintMulti({1, -1, "Hands", "", "b", 'T', true, true, true}), 0);
    ASSERT_EQ(library.PrintMulti({3, -1, "East Hands", "", "b", 'T', true, true, true}), 0);
    ASSERT_EQ(library.ClearDeals(), 0);
    const QString text = PdfToText(pdf);
    EXPECT_EQ(text.count(QStringLiteral("Hand not given")), 3) << text.toStdString();
}

TEST_F(PrintedBoards, AMalformedBoardIsRefused) {
    const TBoardDeal board = RotationBoard(Deals(1, 3)[0], 1);
    const std::string text = BoardDealText(board);
    EXPECT_EQ(library.AddBoard(text, 0, 0, 0), -1);                  // board 0
    EXPECT_EQ(library.AddBoard(text, 1, 4, 0), -1);                  // no fifth seat
    EXPECT_EQ(library.AddBoard(text, 1, 0, 4), -1);                  // no fifth vulnerability
    EXPECT_EQ(library.AddBoard("[Deal \"N:- - - -\"]", 1, 0, 0), 0); // nothing given is fine
    EXPECT_EQ(library.AddDeal("[Deal \"N:- - - -\"]"), -1); // AddDeal takes whole deals only
}

TEST_F(PrintedBoards, TheAnalysisIsToldBoardByBoardAndPrintedWithEachBoardsPar) {
    const std::vector<TFullDeal> deals = Deals(3, 0x77);
    std::vector<TBoardDeal> boards;
    for (int k = 0; k < 3; ++k) {
        boards.push_back(RotationBoard(deals[std::size_t(k)], 9 + k));
        boards.back().Dealer = TSeat::South;
        boards.back().Vulnerable = "All";
        Add(boards.back());
    }
    ASSERT_TRUE(library.SetDoubleDummy(true));
    std::vector<int> told;
    EXPECT_EQ(library.AnalyseDeals([&told](int done, int total) {
        EXPECT_EQ(total, 3);
        if (told.empty() || told.back() != done) told.push_back(done);
        return true;
    }),
              TAnalysisOutcome::Analysed);
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), 3);
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    ASSERT_EQ(library.PrintMulti({1, -1, "Hands", "", "b", 'T', true, true, true}), 0);
    ASSERT_EQ(library.ClearDeals(), 0);
    const auto copies = ReadCopies(PdfToText(pdf));
    ASSERT_EQ(copies.size(), 1u);
    ASSERT_EQ(copies[0].Boards.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const TParResult par = ParOf(SolveTable(deals[k]), 2, "All");
        EXPECT_EQ(copies[0].Boards[k].ParScore.toStdString(), ParScoreText(par)) << k;
        EXPECT_EQ(copies[0].Boards[k].ParContract.toStdString(), ParContractText(par)) << k;
    }
}

TEST_F(PrintedBoards, AStoppedAnalysisPrintsNothingAndLeavesNoFile) {
    for (const TFullDeal& deal : Deals(4, 0x51))
        Add(RotationBoard(deal, 1));
    ASSERT_TRUE(library.SetDoubleDummy(true));
    int calls = 0;
    EXPECT_EQ(library.AnalyseDeals([&calls](int, int) { return ++calls < 2; }),
              TAnalysisOutcome::Cancelled);
    EXPECT_EQ(library.ClearDeals(), 0);
    EXPECT_TRUE(library.LastOutputFile().isEmpty());
    EXPECT_TRUE(Files().isEmpty()) << Files().join(' ').toStdString();
}

TEST_F(PrintedBoards, TheChosenFileIsReplacedWholeAndNoTemporaryFileIsLeft) {
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older file");
    old.close();
    Add(RotationBoard(Deals(1, 9)[0], 1));
    ASSERT_EQ(library.PrintMulti({4, -1, "South Hands", "", "b", 'T', true, true, true}), 0);
    // While the document is open the older file is still there, whole.
    QFile during(pdf);
    ASSERT_TRUE(during.open(QIODevice::ReadOnly));
    EXPECT_EQ(during.readAll(), "an older file");
    during.close();
    ASSERT_EQ(library.ClearDeals(), 0);
    EXPECT_EQ(Files(), QStringList{"boards.pdf"});
    EXPECT_EQ(ReadCopies(PdfToText(pdf)).size(), 1u);
}

TEST_F(PrintedBoards, DocumentsWithoutAChosenFileNeverShareAName) {
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    ASSERT_TRUE(QDir(dir.path()).mkdir("Documents"));
    // A file-only output: the library's own name in the documents folder.
    library.SetOutput({QStringLiteral("No such printer"), QString(), QSize(), false});
    QStringList written;
    for (int run = 0; run < 3; ++run) {
        Add(RotationBoard(Deals(1, run)[0], 1));
        ASSERT_EQ(library.PrintMulti({4, -1, "South Hands", "", "b", 'T', true, true, true}), 0);
        ASSERT_EQ(library.ClearDeals(), 0);
        written << library.LastOutputFile();
    }
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    EXPECT_EQ(written.size(), 3);
    EXPECT_EQ(QSet<QString>(written.begin(), written.end()).size(), 3)
        << written.join(' ').toStdString();
    EXPECT_EQ(QDir(dir.filePath("Documents")).entryList(QDir::Files | QDir::Hidden).size(), 3);
}
