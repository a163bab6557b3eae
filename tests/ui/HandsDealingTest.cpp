// The hands window's deals: the opening sequence with one deal in advance,
// "&Next Hand" with its "Calculating..." state, the generator's failures, and
// the guards that keep the generator from being entered a second time.
#include "HandsTestSupport.h"
#include "ui/common/MessageSeam.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

const QString kTooNarrow = QStringLiteral("You have defined parameters that are too narrow.");
const QString kNoHands = QStringLiteral("There are no hands satisfying your parameters.");

QPushButton* NextButton(const THandsWindow& w) {
    return w.Find<QPushButton>("NextHandBtn");
}

} // namespace

// The window opens beside the main window, which stays usable. The deal made
// in advance is held, not drawn: the seed the user reads is the one after the
// board shown.
TEST(HandsDealing, OpeningShowsTheFirstDealBesideTheMainWindowWithTheSecondInAdvance) {
    THandsWindow w;
    TTypeList types(1);
    w.Engine.Random().RandomSeed = 0;
    const std::vector<TFullDeal> expected = FullDeals(0, types, 2);
    TDealEngine alone;
    TRecordingHost host;
    GenerateDeal(alone, types, host);
    EXPECT_TRUE(w.Form->ShowDeals(types));
    EXPECT_TRUE(w.Form->isVisible());
    EXPECT_FALSE(w.Form->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(w.Form->ShownFullDeal() == expected[0]);
    EXPECT_TRUE(w.Form->NextFullDeal() == expected[1]);
    EXPECT_TRUE(w.Engine.Random().State() == alone.Random().State());
    EXPECT_EQ(w.Form->windowTitle(), "Hands - seed 00000000 - board 1 of 1");
    EXPECT_EQ(w.Find<QLabel>("SessionLabel")->text(), "Seed 00000000");
}

// Either opening call failing: no window, no board, and the seed as it was.
TEST(HandsDealing, FailingOpeningLeavesTheWindowUnshownAndTheSeed) {
    struct Row {
        const char* Name;
        std::int32_t Seed;
        TTypeList Types;
        QString Message;
    };
    TTypeList noSouthPattern(1); // South maxima adding up to 12
    noSouthPattern[0].SSpadeMax = noSouthPattern[0].SHeartMax = 3;
    noSouthPattern[0].SDiamondMax = noSouthPattern[0].SClubMax = 3;
    const std::vector<Row> rows{{"NoTypes", 0, {}, kNoHands},
                                {"NoSouthPattern", 0, noSouthPattern, kNoHands},
                                {"SecondTooNarrow", kDealsThenFails, NarrowTypes(), kTooNarrow}};
    ASSERT_EQ(Outcomes(kDealsThenFails, NarrowTypes(), 2), (std::vector<bool>{true, false}));
    for (Row row : rows) {
        SCOPED_TRACE(row.Name);
        TRecordedMessages messages;
        THandsWindow w;
        w.Engine.Random().RandomSeed = row.Seed;
        const TRandomState before = w.Engine.Random().State();
        EXPECT_FALSE(w.Form->ShowDeals(row.Types));
        EXPECT_FALSE(w.Form->isVisible());
        EXPECT_TRUE(w.Form->Session().Empty());
        EXPECT_TRUE(w.Engine.Random().State() == before);
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Title, "Warning");
        EXPECT_EQ(messages.Shown()[0].Text, row.Message);
    }
}

TEST(HandsDealing, NextHandShowsTheDealInAdvanceAndDealsTheFollowingOne) {
    THandsWindow w;
    TTypeList types(1);
    w.Engine.Random().RandomSeed = 0;
    const std::vector<TFullDeal> expected = FullDeals(0, types, 3);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    QString captionWhileDealing;
    bool enabledWhileDealing = true;
    // Runs inside the generator's first turn of the event loop.
    QTimer::singleShot(0, [&] {
        captionWhileDealing = NextButton(w)->text();
        enabledWhileDealing = NextButton(w)->isEnabled();
    });
    QTest::mouseClick(NextButton(w), Qt::LeftButton);
    EXPECT_EQ(captionWhileDealing, "Calculating...");
    EXPECT_FALSE(enabledWhileDealing);
    EXPECT_EQ(NextButton(w)->text(), "&Next Hand");
    EXPECT_TRUE(NextButton(w)->isEnabled());
    EXPECT_TRUE(w.Form->ShownFullDeal() == expected[1]);
    EXPECT_TRUE(w.Form->NextFullDeal() == expected[2]);
}

// A failed deal keeps the window and its boards: the user can widen the types
// in the main window and press again. The source is as the failed deal found it.
TEST(HandsDealing, FailedDealKeepsTheWindowTheBoardsAndTheSeed) {
    struct Row {
        const char* Name;
        std::int32_t Seed;
        TTypeList Dealt, ThenDealt;
        std::size_t Boards;
        QString Message;
    };
    ASSERT_EQ(Outcomes(kDealsTwiceThenFails, NarrowTypes(), 3),
              (std::vector<bool>{true, true, false}));
    const std::vector<Row> rows{{"TypesClearedBeforeNext", 0, TTypeList(1), {}, 1, kNoHands},
                                {"DealAfterNextTooNarrow", kDealsTwiceThenFails, NarrowTypes(),
                                 NarrowTypes(), 2, kTooNarrow}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TRecordedMessages messages;
        THandsWindow w;
        TTypeList types = row.Dealt;
        w.Engine.Random().RandomSeed = row.Seed;
        ASSERT_TRUE(w.Form->PrepareDeals(types));
        w.Form->show();
        const TFullDeal first = w.Form->ShownFullDeal();
        types = row.ThenDealt;
        QTest::mouseClick(NextButton(w), Qt::LeftButton);
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Text, row.Message);
        EXPECT_TRUE(w.Form->isVisible());
        EXPECT_EQ(NextButton(w)->text(), "&Next Hand");
        EXPECT_TRUE(NextButton(w)->isEnabled());
        ASSERT_EQ(w.Form->Session().Count(), row.Boards);
        EXPECT_TRUE(w.Form->Session().Boards().front().Deal == first);
        TDealEngine alone;
        TRecordingHost host;
        alone.Random().RandomSeed = row.Seed;
        TTypeList list = row.Dealt;
        for (std::size_t k = 0; k < row.Boards; ++k)
            GenerateDeal(alone, list, host);
        EXPECT_TRUE(w.Engine.Random().State() == alone.Random().State());
        w.Form->hide();
    }
}

// Types changed in the main window while the hands window is open take effect
// at the next board: the deal made in advance from the old types is dropped.
TEST(HandsDealing, TypesChangedWhileOpenAreDealtAtTheNextBoard) {
    THandsWindow w;
    TTypeList types(1);
    w.Engine.Random().RandomSeed = 0;
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    THandParam strong;
    strong.SHCPMin = 20;
    int stored = 0;
    THandsWindowLinks links;
    links.StoreTypes = [&] { // the main window stores its editor now
        ++stored;
        types = {strong};
        return true;
    };
    w.Form->SetLinks(links);
    const TFullDeal inAdvance = w.Form->NextFullDeal();
    TDealEngine alone;
    alone.Random().Restore(w.Engine.Random().State());
    TRecordingHost host;
    TTypeList strongList{strong};
    const TFullDeal expected = GenerateDeal(alone, strongList, host).Deal;
    QTest::mouseClick(NextButton(w), Qt::LeftButton);
    EXPECT_EQ(stored, 1);
    EXPECT_TRUE(w.Form->ShownFullDeal() == expected);
    EXPECT_FALSE(w.Form->ShownFullDeal() == inAdvance);
    EXPECT_GE(w.Form->ShownFullDeal().South().HCP(), 20);
    w.Form->hide();
}

TEST(HandsDealing, GeneratorIsNeverEnteredTwice) {
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    bool reopened = true, nestedShow = true;
    std::uint64_t drawsBefore = 0, drawsAfter = 1;
    QTimer::singleShot(0, [&] {
        drawsBefore = w.Engine.Random().Draws();
        QTest::mouseClick(NextButton(w), Qt::LeftButton); // disabled: nothing
        reopened = w.Form->PrepareDeals(types);           // refused
        nestedShow = w.Form->ShowDeals(types);            // refused
        drawsAfter = w.Engine.Random().Draws();
    });
    QTest::mouseClick(NextButton(w), Qt::LeftButton);
    EXPECT_FALSE(reopened);
    EXPECT_FALSE(nestedShow);
    EXPECT_EQ(drawsAfter, drawsBefore);
}

TEST(HandsDealing, ClosingWhileDealingWaitsForTheDeal) {
    TRecordedMessages messages; // answers Yes to giving the boards up
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    bool visibleAfterClose = false;
    QTimer::singleShot(0, [&] {
        w.Form->reject();
        visibleAfterClose = w.Form->isVisible();
    });
    QTest::mouseClick(NextButton(w), Qt::LeftButton);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_FALSE(w.Form->isVisible());
    EXPECT_EQ(NextButton(w)->text(), "&Next Hand");
}

TEST(HandsDealing, EngineClosesTheWindowOnlyWhenItIsShowingNoBoard) {
    THandsWindow w;
    w.Host.CloseHandsWindow(); // hidden: nothing happens
    EXPECT_FALSE(w.Form->isVisible());
    w.Form->show();
    w.Host.CloseHandsWindow();
    EXPECT_FALSE(w.Form->isVisible());
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    w.Host.CloseHandsWindow(); // boards shown: they stay
    EXPECT_TRUE(w.Form->isVisible());
    w.Form->hide();
    w.Form.reset();
    w.Host.CloseHandsWindow(); // the window is gone: the host no longer calls it
}

TEST(HandsDealing, OtherWindowsTakeNoInputDuringTheOpeningCalls) {
    QWidget mainWindow;
    auto* action = new QPushButton(QStringLiteral("Generate"), &mainWindow);
    int clicks = 0;
    QObject::connect(action, &QPushButton::clicked, [&clicks] { ++clicks; });
    mainWindow.show();
    QApplication::setActiveWindow(&mainWindow);

    THandsWindow w;
    TTypeList types(1);
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(action, Qt::LeftButton);
        QTest::keyClick(action, Qt::Key_Space);
    });
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(action, Qt::LeftButton); // afterwards the window works again
    EXPECT_EQ(clicks, 1);
}

// Dealt boards exist only in the window until saved or printed: closing it,
// or replacing them with another session, asks first. A file's boards do not.
TEST(HandsDealing, GivingUpBoardsNeitherSavedNorPrintedAsksFirst) {
    const QString question = QStringLiteral("2 boards were neither saved nor printed.\n"
                                            "Do you want to discard the session?");
    TRecordedMessages messages;
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->ShowDeals(types));
    QTest::mouseClick(NextButton(w), Qt::LeftButton);

    TMessageSeam::SetNextAnswers({false});
    QTest::keyClick(w.Form.get(), Qt::Key_Escape);
    EXPECT_TRUE(w.Form->isVisible());
    TMessageSeam::SetNextAnswers({false});
    EXPECT_FALSE(w.Form->ShowDeals(types)) << "a new session would replace the boards";
    EXPECT_EQ(w.Form->Session().Count(), 2u);
    ASSERT_EQ(messages.Shown().size(), 2u);
    for (const TShownMessage& shown : messages.Shown()) {
        EXPECT_EQ(shown.Kind, TMessageKind::Confirmation);
        EXPECT_EQ(shown.Title, "Hands");
        EXPECT_EQ(shown.Text, question);
    }

    TMessageSeam::ClearShown();
    TMessageSeam::SetNextAnswers({true});
    w.Form->close();
    EXPECT_FALSE(w.Form->isVisible());
    EXPECT_EQ(messages.Shown().size(), 1u);

    TMessageSeam::ClearShown();
    ASSERT_TRUE(w.Form->ShowImported(w.Form->Session().Boards(), QStringLiteral("/tmp/class.pbn")));
    EXPECT_EQ(w.Form->windowTitle(), "Hands - class.pbn - board 1 of 2");
    EXPECT_EQ(w.Find<QLabel>("SessionLabel")->text(), "class.pbn");
    w.Form->close();
    EXPECT_FALSE(w.Form->isVisible());
    EXPECT_TRUE(messages.Shown().empty());
}

// With several types in use, each board names the type it was dealt from.
TEST(HandsDealing, BoardCaptionNamesTheTypeWhenSeveralAreInUse) {
    THandsWindow w;
    for (const std::size_t count : {std::size_t{1}, std::size_t{2}}) {
        TTypeList types(count);
        ASSERT_TRUE(w.Form->PrepareDeals(types));
        const QString caption = w.Find<QLabel>("BoardLabel")->text();
        const TBoardType type = w.Form->Session().TypeOf(0);
        EXPECT_EQ(caption, count == 1 ? QStringLiteral("Board 1")
                                      : QStringLiteral("Board 1, type %1").arg(type.Number));
    }
}
