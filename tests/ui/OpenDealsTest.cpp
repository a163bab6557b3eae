// "&Open Deals (PBN)...": a file made at test time by Debian's dealer opens
// as a session in the hands window, board for board; files that cannot be
// read give one message naming the file and the line, and nothing is shown
// or kept from them.
#include "ui/hands/OpenDeals.h"
#include "HandsTestSupport.h"
#include "PeerTools.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/common/MessageSeam.h"
#include "ui/hands/src/DoubleDummyAnalyser.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

constexpr const char *kNorth = "AKQJ.AKQ.AKQ.AKQ", *kEast = "T98.JT98.JT98.JT",
                     *kSouth = "765.765.765.9876", *kWest = "432.432.432.5432";

std::string DealTag(const std::string& value) {
    return "[Deal \"" + value + "\"]\n";
}
std::string Whole() {
    return std::string("N:") + kNorth + " " + kEast + " " + kSouth + " " + kWest;
}

struct THostileRow {
    const char* Name;
    std::string Text;
    std::string Message; // after "<file>, "
};

void PrintTo(const THostileRow& row, std::ostream* out) {
    *out << row.Name;
}

class HostileFile : public ::testing::TestWithParam<THostileRow> {};

// Opens `path` through the main window's action as the user would, and
// closes the hands window at once if it opened; what the window then held.
struct TOpened {
    bool Shown = false;
    std::size_t Boards = 0;
    std::vector<QString> Captions;
};

TOpened Open(THandsWindow& w, const QString& path) {
    TScriptedFileDialogs dialogs({path});
    TOpened opened;
    QWidget parent;
    OpenDealsFile(&parent, *w.Form);
    if (w.Form->isVisible()) {
        opened.Shown = true;
        opened.Boards = w.Form->Session().Count();
        for (std::size_t k = 0; k < opened.Boards; ++k) {
            opened.Captions.push_back(w.Find<QLabel>("BoardLabel")->text() + " " +
                                      w.Find<QLabel>("DealerLabel")->text());
            QTest::mouseClick(w.Find<QPushButton>("NextHandBtn"), Qt::LeftButton);
        }
        w.Form->reject();
    }
    EXPECT_EQ(dialogs.Requests().size(), 1u);
    if (!dialogs.Requests().empty()) {
        EXPECT_EQ(dialogs.Requests()[0].Kind, TFileDialogKind::Open);
        EXPECT_EQ(dialogs.Requests()[0].Title, "Open Deals (PBN)");
        EXPECT_EQ(dialogs.Requests()[0].Filter, "PBN files|*.pbn|All files|*");
    }
    return opened;
}

} // namespace

TEST(OpenDeals, AFileFromDealerOpensBoardForBoard) {
    TRecordedMessages messages;
    const std::string dealer = PackageFile("dealer", "/(games|bin)/dealer$");
    TRunFolder dir;
    dir.Write("deals.dl", "dealer west\nvulnerable ew\nproduce 5\naction printpbn\n");
    const std::string file = dir.Run(dir.Path(""), dealer + " -s 7 deals.dl", "deals.pbn");
    const TPbnImport import = ReadPbnFile(file);
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    ASSERT_EQ(import.Boards.size(), 5u);

    THandsWindow w;
    const TOpened opened = Open(w, QString::fromStdString(file));
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(opened.Shown);
    EXPECT_EQ(opened.Boards, 5u);
    ASSERT_EQ(opened.Captions.size(), 5u);
    EXPECT_EQ(opened.Captions[0], "Board 1 Dealer W, Vul E-W");
    const std::vector<TBoardDeal>& boards = w.Form->Session().Boards();
    ASSERT_EQ(boards.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(boards[k].Board, import.Boards[k].Board) << k;
        EXPECT_EQ(boards[k].Dealer, TSeat::West) << k;
        EXPECT_EQ(boards[k].Vulnerable, "EW") << k;
        EXPECT_TRUE(boards[k].Complete()) << k;
        EXPECT_EQ(KeyOf(boards[k].Deal), KeyOf(import.Boards[k].Deal)) << k;
    }
    EXPECT_FALSE(w.Form->Session().Dealt());
    EXPECT_EQ(w.Engine.Random().Draws(), 0u);
}

TEST(OpenDeals, HandsTheFileLeavesOutAreUnknown) {
    TRecordedMessages messages;
    QTemporaryDir dir;
    const QString path = dir.filePath("part.pbn");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        ("[Board \"3\"]\n" + DealTag(std::string("S:") + kSouth + " - " + kNorth + " -")).c_str());
    file.close();
    THandsWindow w;
    const TOpened opened = Open(w, path);
    EXPECT_TRUE(opened.Shown);
    ASSERT_EQ(w.Form->Session().Count(), 1u);
    const TBoardDeal& board = w.Form->Session().Current();
    EXPECT_EQ(board.Known, (std::array<bool, 4>{true, false, true, false}));
    EXPECT_EQ(board.Board, 3);
    EXPECT_EQ(board.Dealer, TSeat::South); // the rotation of board 3
    EXPECT_EQ(opened.Captions, std::vector<QString>{"Board 3 Dealer S, Vul E-W"});
}

TEST_P(HostileFile, GivesOneMessageAndShowsNothing) {
    const THostileRow& row = GetParam();
    TRecordedMessages messages;
    QTemporaryDir dir;
    const QString path = dir.filePath("hostile.pbn");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(row.Text.data(), static_cast<qint64>(row.Text.size()));
    file.close();

    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types)); // a session held from before
    const TOpened opened = Open(w, path);
    EXPECT_FALSE(opened.Shown);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text,
              QDir::toNativeSeparators(path) + ", " + QString::fromStdString(row.Message));
    EXPECT_TRUE(w.Form->Session().Dealt()) << "the session held is kept, nothing half-loaded";
    EXPECT_EQ(w.Form->Session().Count(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFile,
    ::testing::Values(
        THostileRow{"NotPbn", "Dear director,\nhere are tonight's boards.\n",
                    "line 1: not a PBN file: it should start with tags such as [Board \"1\"], "
                    "not \"Dear director,\""},
        THostileRow{"CardTwice",
                    "[Board \"1\"]\n" + DealTag(Whole()) + "\n[Board \"2\"]\n" +
                        DealTag("N:AKQJ.AKQ.AKQ.AKK - - -"),
                    "line 5: the Deal tag gives the king of clubs to North twice"},
        THostileRow{
            "MissingCard",
            DealTag(std::string("N:") + kNorth + " " + kEast + " " + kSouth + " 432.432.432.543"),
            "line 1: the Deal tag leaves out the two of clubs"},
        THostileRow{"HandOfTwelve", DealTag("N:- - - 432.432.432.543"),
                    "line 1: the Deal tag gives West 12 cards, not 13"},
        THostileRow{"BadSecondGame",
                    "[Board \"1\"]\n" + DealTag(Whole()) + "\n[Board \"2\"]\n[Dealer \"Q\"]\n" +
                        DealTag(Whole()),
                    "line 5: the Dealer tag must be N, E, S or W, not \"Q\""}),
    [](const ::testing::TestParamInfo<THostileRow>& info) { return info.param.Name; });

TEST(OpenDeals, AFileThatCannotBeOpenedIsNamed) {
    TRecordedMessages messages;
    QTemporaryDir dir;
    THandsWindow w;
    const QString path = dir.filePath("gone.pbn");
    const TOpened opened = Open(w, path);
    EXPECT_FALSE(opened.Shown);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text,
              QDir::toNativeSeparators(path) + ": cannot open the file: No such file or directory");
    EXPECT_TRUE(w.Form->Session().Empty());
}

TEST(OpenDeals, CancellingTheDialogDoesNothing) {
    TRecordedMessages messages;
    THandsWindow w;
    TScriptedFileDialogs dialogs({std::nullopt});
    QWidget parent;
    EXPECT_FALSE(OpenDealsFile(&parent, *w.Form));
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(w.Form->Session().Empty());
}
