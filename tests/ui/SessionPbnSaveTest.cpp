// "&Save as PBN..." of the hands window: the file holds exactly the session's
// boards (read back with the PBN import), with the Generator tag of a dealt
// session and the double-dummy tags when the analysis is on; an existing file
// is replaced only after the user agreed; a written file is named and offered
// to open; nothing is written when the user cancels or the file cannot be
// written, and the message names the file. The progress of the analysis has
// its own title and times, and stops at Cancel.
#include "ui/hands/src/SessionPbnSave.h"
#include "GatedSolver.h"
#include "HandsTestSupport.h"
#include "output/pbnimport/PbnImport.h"
#include "ui/common/AnalysisProgress.h"
#include "ui/common/DesktopSeam.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/common/MessageSeam.h"
#include "ui/hands/OpenDeals.h"

#include <QAction>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

struct SessionSave : ::testing::Test {
    QTemporaryDir dir;
    TRecordedMessages messages;
    TTypeList types{THandParam{}};

    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // A dealt session of `boards` boards from seed 0x5EED, shown at board 2.
    void Deal(THandsWindow& w, int boards) {
        w.Engine.Random().RandomSeed = 0x5EED;
        ASSERT_TRUE(w.Form->PrepareDeals(types));
        w.Form->show();
        for (int k = 1; k < boards; ++k)
            QTest::mouseClick(w.Find<QPushButton>("NextHandBtn"), Qt::LeftButton);
        while (w.Form->Session().Current().Board > 2)
            QTest::mouseClick(w.Find<QPushButton>("PreviousHandBtn"), Qt::LeftButton);
    }

    static TPbnImport ReadBack(const QString& path) {
        return ReadPbnFile(QFile::encodeName(path).toStdString());
    }

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

void ExpectSameBoards(const TPbnImport& read, const TDealSession& session) {
    ASSERT_TRUE(read.Ok()) << read.Error->Message();
    ASSERT_EQ(read.Boards.size(), session.Count());
    for (std::size_t k = 0; k < session.Count(); ++k) {
        const TBoardDeal& kept = session.Boards()[k];
        const TPbnBoard& board = read.Boards[k];
        EXPECT_EQ(board.Board, kept.Board) << k;
        EXPECT_EQ(board.Dealer, kept.Dealer) << k;
        EXPECT_EQ(board.Vulnerable, kept.Vulnerable) << k;
        EXPECT_EQ(board.Known, kept.Known) << k;
        for (std::size_t seat = 0; seat < 4; ++seat)
            if (kept.Known[seat]) {
                EXPECT_EQ(KeyOf(TFullDeal{{board.Deal.Hands[seat]}}),
                          KeyOf(TFullDeal{{kept.Deal.Hands[seat]}}))
                    << k << " seat " << seat;
            }
    }
}

} // namespace

TEST_F(SessionSave, TheFileHoldsExactlyTheBoardsOfTheSession) {
    THandsWindow w;
    Deal(w, 5);
    TScriptedFileDialogs dialogs({Path("session.pbn")});
    w.Find<QAction>("SaveAsPbn1")->trigger();
    ASSERT_EQ(dialogs.Requests().size(), 1u);
    EXPECT_EQ(dialogs.Requests()[0].Kind, TFileDialogKind::SaveAs);
    EXPECT_EQ(dialogs.Requests()[0].Title, "Save as PBN");
    EXPECT_EQ(dialogs.Requests()[0].DefaultExtension, "pbn");
    const TPbnImport read = ReadBack(Path("session.pbn"));
    ExpectSameBoards(read, w.Form->Session());
    ASSERT_EQ(read.Boards.size(), 5u);
    for (const TPbnBoard& board : read.Boards) {
        ASSERT_NE(board.Tag("Generator"), nullptr);
        EXPECT_EQ(*board.Tag("Generator"), "Kestrovanhalme 2.16, seed 00005EED");
        EXPECT_EQ(board.Tag("DoubleDummyTricks"), nullptr);
    }
    EXPECT_EQ(w.Engine.Random().Draws(), w.Engine.Random().Draws()); // saving deals nothing
    EXPECT_EQ(w.Form->Session().Current().Board, 2);
}

// The file written is named, and opened with the desktop's program when the
// user asks.
TEST_F(SessionSave, TheWrittenFileIsNamedAndOfferedToOpen) {
    THandsWindow w;
    Deal(w, 2);
    TRecordedDesktop desktop;
    TMessageSeam::SetNextChoices({0});
    TScriptedFileDialogs dialogs({Path("club night.pbn")});
    w.Find<QAction>("SaveAsPbn1")->trigger();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Shown()[0].Title, "Save as PBN");
    EXPECT_EQ(messages.Shown()[0].Text,
              "The boards were saved as\n" + QDir::toNativeSeparators(Path("club night.pbn")));
    EXPECT_EQ(desktop.Opened(), QStringList{Path("club night.pbn")});
}

TEST_F(SessionSave, WithTheAnalysisOnEachBoardCarriesItsDoubleDummyTags) {
    THandsWindow w({THandToView::Both, false, true});
    Deal(w, 3);
    TScriptedFileDialogs dialogs({Path("dd.pbn")});
    // The progress window of the analysis, as it is first seen.
    QString title;
    QString text;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* progress = w.Form->findChild<QProgressDialog*>("AnalysisProgress");
        if (progress == nullptr || !title.isEmpty()) return;
        title = progress->windowTitle();
        text = progress->labelText();
    });
    watch.start(0);
    w.Find<QAction>("SaveAsPbn1")->trigger();
    watch.stop();
    EXPECT_EQ(title, "Save as PBN");
    EXPECT_TRUE(text.startsWith("Analysing board ")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nElapsed: 0:0")) << text.toStdString();
    EXPECT_TRUE(text.contains("Time left: ")) << text.toStdString();
    const TPbnImport read = ReadBack(Path("dd.pbn"));
    ExpectSameBoards(read, w.Form->Session());
    for (const TPbnBoard& board : read.Boards) {
        const TDDTable table = SolveTable(board.Deal);
        const TParResult par = ParOf(table, static_cast<int>(board.Dealer), board.Vulnerable);
        ASSERT_NE(board.Tag("DoubleDummyTricks"), nullptr);
        EXPECT_EQ(*board.Tag("DoubleDummyTricks"), table.TagValue());
        EXPECT_EQ(*board.Tag("OptimumScore"), par.OptimumScore());
        EXPECT_EQ(*board.Tag("ParContract"), par.ParContract());
    }
}

TEST_F(SessionSave, AnExistingFileIsReplacedOnlyAfterTheUserAgreed) {
    THandsWindow w;
    Deal(w, 2);
    QFile old(Path("old.pbn"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("keep me");
    old.close();

    TMessageSeam::SetNextAnswers({false});
    {
        TScriptedFileDialogs dialogs({Path("old.pbn")});
        w.Find<QAction>("SaveAsPbn1")->trigger();
    }
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Confirm");
    EXPECT_EQ(messages.Shown()[0].Text, "old.pbn already exists.\nDo you want to replace it?");
    EXPECT_EQ(Bytes(Path("old.pbn")), "keep me");

    TMessageSeam::SetNextAnswers({true});
    {
        TScriptedFileDialogs dialogs({Path("old.pbn")});
        w.Find<QAction>("SaveAsPbn1")->trigger();
    }
    ASSERT_EQ(messages.Shown().size(), 3u); // the question, and where the file went
    EXPECT_EQ(messages.Shown()[2].Title, "Save as PBN");
    ExpectSameBoards(ReadBack(Path("old.pbn")), w.Form->Session());
}

TEST_F(SessionSave, CancellingTheFileDialogWritesNothing) {
    THandsWindow w;
    Deal(w, 2);
    TScriptedFileDialogs dialogs({std::nullopt});
    w.Find<QAction>("SaveAsPbn1")->trigger();
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(SessionSave, AFileThatCannotBeWrittenIsNamedInTheMessage) {
    THandsWindow w;
    Deal(w, 2);
    const QString path = Path("no-such-folder/x.pbn");
    TScriptedFileDialogs dialogs({path});
    w.Find<QAction>("SaveAsPbn1")->trigger();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, path + " could not be saved: No such file or directory");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(SessionSave, AnImportedSessionKeepsItsBoardsAndHasNoGenerator) {
    THandsWindow w;
    std::vector<TBoardDeal> boards;
    for (int k = 0; k < 3; ++k) {
        TBoardDeal board = RotationBoard(FullDeals(40 + k, types, 1).at(0), 21 + k);
        board.Dealer = TSeat::South;
        board.Vulnerable = "EW";
        boards.push_back(board);
    }
    boards[1].Known = {true, false, true, false};
    boards[1].Deal.Hands[1] = boards[1].Deal.Hands[3] = tHand();
    ASSERT_TRUE(w.Form->PrepareImported(boards, "in.pbn"));
    TScriptedFileDialogs dialogs({Path("again.pbn")});
    w.Find<QAction>("SaveAsPbn1")->trigger();
    const TPbnImport read = ReadBack(Path("again.pbn"));
    ExpectSameBoards(read, w.Form->Session());
    for (const TPbnBoard& board : read.Boards)
        EXPECT_EQ(board.Tag("Generator"), nullptr);
}

// A session opened from a file is saved with the file's tags: its event,
// players, contract and generator, "#" read as the value it stands for.
TEST_F(SessionSave, AnOpenedFileIsSavedWithItsTags) {
    const std::string deal =
        "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]\n";
    QFile in(Path("club.pbn"));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write(QByteArray::fromStdString(
        "[Event \"Club night\"]\n[Site \"Hall\"]\n[Date \"2020.02.03\"]\n[Board \"7\"]\n"
        "[West \"Wu\"]\n[North \"Ann\"]\n[East \"Eve\"]\n[South \"Sam\"]\n" +
        deal + "[Contract \"4S\"]\n[Generator \"dealer 0.1\"]\n\n[Event \"#\"]\n" + deal));
    in.close();
    THandsWindow w;
    std::optional<std::vector<TBoardDeal>> boards = ReadDealsFile(w.Form.get(), Path("club.pbn"));
    ASSERT_TRUE(boards.has_value());
    ASSERT_TRUE(w.Form->PrepareImported(std::move(*boards), "club.pbn"));
    TScriptedFileDialogs dialogs({Path("again.pbn")});
    w.Find<QAction>("SaveAsPbn1")->trigger();
    const TPbnImport read = ReadBack(Path("again.pbn"));
    ExpectSameBoards(read, w.Form->Session());
    ASSERT_EQ(read.Boards.size(), 2u);
    EXPECT_EQ(read.Boards[0].OtherTags, (TPbnTags{{"Event", "Club night"},
                                                  {"Site", "Hall"},
                                                  {"Date", "2020.02.03"},
                                                  {"West", "Wu"},
                                                  {"North", "Ann"},
                                                  {"East", "Eve"},
                                                  {"South", "Sam"},
                                                  {"Scoring", ""},
                                                  {"Declarer", ""},
                                                  {"Contract", "4S"},
                                                  {"Result", ""},
                                                  {"Generator", "dealer 0.1"}}));
    EXPECT_EQ(read.Boards[1].OtherTags.at(0),
              (std::pair<std::string, std::string>{"Event", "Club night"}));
}

TEST_F(SessionSave, SavingIsOfferedOnlyWithBoardsToSave) {
    THandsWindow w;
    EXPECT_FALSE(w.Find<QAction>("SaveAsPbn1")->isEnabled());
    EXPECT_EQ(w.Find<QAction>("SaveAsPbn1")->text(), "&Save as PBN...");
    Deal(w, 1);
    EXPECT_TRUE(w.Find<QAction>("SaveAsPbn1")->isEnabled());
}

TEST(AnalysisProgress, CountsTheBoardsAndStopsAtCancel) {
    TSolverGate gate;
    const std::vector<TFullDeal> deals = FullDeals(3, TTypeList(1), 4);
    QWidget parent;
    parent.show();
    std::vector<QString> texts;
    bool cancelled = false;
    int let = 0; // deals let through so far
    // Lets one deal through each time the window shows it is the one being
    // solved, and cancels while the third is solved.
    std::function<void()> step = [&] {
        auto* progress = parent.findChild<QProgressDialog*>("AnalysisProgress");
        if (progress == nullptr) return QTimer::singleShot(5, step);
        const QString text = progress->labelText().section(u'\n', 0, 0); // the board line
        if (texts.empty() || texts.back() != text) texts.push_back(text);
        if (let < 2) {
            if (let == gate.Solved() && text == AnalysisProgressText(let, 4)) {
                gate.Allow(1);
                ++let;
            }
            return QTimer::singleShot(5, step);
        }
        if (text != AnalysisProgressText(2, 4)) return QTimer::singleShot(5, step);
        progress->cancel();
        cancelled = true;
        gate.Allow(-1);
    };
    QTimer::singleShot(0, step);
    const auto tables =
        AnalyseWithProgress(&parent, QStringLiteral("Save as PBN"), deals, gate.Solver());
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(tables.has_value());
    EXPECT_EQ(texts, (std::vector<QString>{"Analysing board 1 of 4", "Analysing board 2 of 4",
                                           "Analysing board 3 of 4"}));
    EXPECT_LE(gate.Started(), 3) << "no board is started after Cancel";
}

TEST(AnalysisProgress, GivesTheTablesInOrder) {
    const std::vector<TFullDeal> deals = FullDeals(8, TTypeList(1), 3);
    QWidget parent;
    const auto tables = AnalyseWithProgress(&parent, QStringLiteral("Save as PBN"), deals);
    ASSERT_TRUE(tables.has_value());
    ASSERT_EQ(tables->size(), 3u);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ((*tables)[k], SolveTable(deals[k])) << k;
    EXPECT_EQ(AnalysisProgressText(0, 3), "Analysing board 1 of 3");
    EXPECT_EQ(AnalysisProgressText(3, 3), "Analysing board 3 of 3");
    EXPECT_EQ(AnalysisProgressText(0, 4, 1500),
              "Analysing board 1 of 4\nElapsed: 0:01    Time left: estimating...");
    EXPECT_EQ(AnalysisProgressText(1, 4, 20000),
              "Analysing board 2 of 4\nElapsed: 0:20    Time left: about 1:00");
}
