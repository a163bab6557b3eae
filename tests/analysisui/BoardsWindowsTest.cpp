// The analysis windows over given boards: the boards left out named in a
// warning, results that name the file and score the comparison at each
// board's own vulnerability, Cancel in the progress window, and a session
// with nothing to analyse refused before anything is asked.
#include "GatedTrickSolver.h"
#include "storage/settings/SettingsStore.h"
#include "ui/analysis/ShowAnalyse.h"
#include "ui/analysis/src/AnalysisResultsForm.h"
#include "ui/analysis/src/ComparePanel.h"
#include "ui/common/MessageSeam.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace kv;
using namespace kv::analysis;

namespace {

template <typename T> T* Child(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// `count` boards numbered from 1 holding one deal: each seat one suit.
std::vector<TBoardDeal> Boards(int count, const char* vulnerable = "None") {
    TFullDeal deal;
    for (int seat = 0; seat < 4; ++seat) {
        tSuit& suit = deal.Hands[static_cast<std::size_t>(seat)].Suit(seat);
        for (int rank = 2; rank <= 14; ++rank)
            suit.Cards[suit.Count++] = static_cast<std::uint8_t>(rank);
    }
    std::vector<TBoardDeal> boards;
    for (int n = 1; n <= count; ++n)
        boards.push_back(TBoardDeal{n, TSeat::North, vulnerable, deal});
    return boards;
}

TBoardsRequest Tricks() {
    return TBoardsRequest{{std::nullopt, "club.pbn"},
                          TAnalysisKind::Tricks,
                          {TDeclarer::North},
                          {0, 1},
                          std::nullopt};
}

using TResults = std::unique_ptr<TAnalysisResultsForm>;

// North takes 7 tricks everywhere: 4S goes three down, 3NT two; 3NT wins
// 2 IMPs not vulnerable (-150 against -100) and 3 vulnerable (-300 against -200).
TEST(BoardsWindows, ResultsNameTheFileAndScoreEachBoardAtItsOwnVulnerability) {
    std::vector<TBoardDeal> boards = Boards(3);
    boards[0].Vulnerable = "All";
    boards[1].Known[3] = false;
    test::TGatedTrickSolver solver;
    solver.Allow(-1);
    const TRecordedMessages messages;
    const TResults results(RunBoardsAnalysisWindows(nullptr, Tricks(), boards, solver));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text,
              "Board 2 does not give all four hands: it is left out of the analysis.");
    ASSERT_NE(results, nullptr);
    auto* heading = Child<QLabel>(*results, "HeadingLabel");
    EXPECT_EQ(heading->text(), "Analysis of 2 boards of club.pbn");
    EXPECT_EQ(heading->textFormat(), Qt::PlainText);
    EXPECT_FALSE(Child<QLabel>(*results, "PartialLabel")->isVisibleTo(results.get()));
    auto* tabs = Child<QTabWidget>(*results, "ResultTabs");
    ASSERT_EQ(tabs->count(), 4); // no mix of hand types
    EXPECT_EQ(tabs->tabText(3), "&Points and fits");
    auto* panel = Child<TComparePanel>(*results, "ComparePanel");
    auto* vulnerability = Child<QComboBox>(*panel, "VulnerableCombo");
    const std::pair<const char*, std::int64_t> choices[] = {
        {"As on each board", -(3 + 2)}, {"Not vulnerable", -(2 + 2)}, {"Vulnerable", -(3 + 3)}};
    ASSERT_EQ(vulnerability->count(), 3);
    for (int i = 0; i < 3; ++i) {
        vulnerability->setCurrentIndex(i);
        EXPECT_EQ(vulnerability->currentText(), choices[i].first);
        EXPECT_EQ(panel->Tally().ImpsForA, choices[i].second) << choices[i].first;
    }
    EXPECT_TRUE(results->TablesText().startsWith("Analysis of 2 boards of club.pbn\n"));
}

// Cancel while the solver is busy: the batch in hand is counted, the rest
// of the boards are not, and the results say so.
TEST(BoardsWindows, CancelKeepsTheBoardsCountedAndSaysSo) {
    test::TGatedTrickSolver solver(10);
    const TRecordedMessages messages;
    QTimer::singleShot(0, [&] {
        const auto release = qScopeGuard([&] { solver.Allow(-1); });
        ASSERT_TRUE(QTest::qWaitFor([&] { return solver.Started() == 1; }, 10000));
        QWidget* progress = QApplication::activeModalWidget();
        ASSERT_NE(progress, nullptr);
        EXPECT_EQ(Child<QLabel>(*progress, "DealsText")->text(), "0 of 12 deals");
        QTest::mouseClick(Child<QPushButton>(*progress, "CancelBtn"), Qt::LeftButton);
    });
    const TResults results(RunBoardsAnalysisWindows(nullptr, Tricks(), Boards(12), solver));
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->Summary().Deals, 10);
    EXPECT_EQ(Child<QLabel>(*results, "PartialLabel")->text(), "partial: 10 of 12 deals");
    EXPECT_TRUE(messages.Shown().empty());
}

TEST(BoardsWindows, ASessionWithNothingToAnalyseIsRefusedBeforeAsking) {
    std::vector<TBoardDeal> boards = Boards(1);
    boards[0].Board = 5, boards[0].Known[1] = false;
    TDealSession session;
    session.StartImported(boards, "club.pbn");
    const TRecordedMessages messages;
    bool asked = false;
    QTimer::singleShot(0, [&] { // a dialog would be up by now: close it
        if (QWidget* dialog = QApplication::activeModalWidget()) asked = true, dialog->close();
    });
    QTemporaryDir dir;
    const std::unique_ptr<TSettingsStore> store =
        TSettingsStore::OpenFile(dir.filePath(QStringLiteral("settings.ini")));
    EXPECT_EQ(ShowAnalyseSession(nullptr, session, *store), nullptr);
    QTest::qWait(10);
    EXPECT_FALSE(asked);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text,
              "Board 5 does not give all four hands: there is nothing to analyse.");
}

} // namespace
