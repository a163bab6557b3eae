// The hands window's deals: the opening sequence with one deal in advance,
// "&Next Hand" with its "Calculating..." state, the generator's failures, and
// the guards that keep the generator from being entered a second time.
#include "HandsTestSupport.h"
#include "ui/common/MessageSeam.h"

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

TEST(HandsDealing, OpeningShowsTheFirstDealModallyWithTheSecondInAdvance) {
    THandsWindow w;
    TTypeList types(1);
    w.Engine.Random().RandomSeed = 0;
    const std::vector<TFullDeal> expected = FullDeals(0, types, 2);
    bool wasModal = false;
    WhenShown(w.Form.get(), [&] {
        wasModal = w.Form->isModal() && QApplication::activeModalWidget() == w.Form.get();
        w.Form->reject();
    });
    EXPECT_TRUE(w.Form->ShowDeals(types));
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(w.Form->ShownFullDeal() == expected[0]);
    EXPECT_TRUE(w.Form->NextFullDeal() == expected[1]);
    EXPECT_FALSE(w.Form->isVisible());
}

TEST(HandsDealing, FirstCallFailingLeavesTheWindowUnshown) {
    TRecordedMessages messages;
    THandsWindow w;
    TTypeList none;
    bool shown = false;
    WhenShown(w.Form.get(), [&] {
        shown = true;
        w.Form->reject();
    });
    EXPECT_FALSE(w.Form->ShowDeals(none));
    QTest::qWait(30);
    EXPECT_FALSE(shown);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, kNoHands);
}

TEST(HandsDealing, SecondCallFailingLeavesTheWindowUnshown) {
    ASSERT_EQ(Outcomes(kDealsThenFails, NarrowTypes(), 2), (std::vector<bool>{true, false}));
    TRecordedMessages messages;
    THandsWindow w;
    TTypeList types = NarrowTypes();
    w.Engine.Random().RandomSeed = kDealsThenFails;
    bool shown = false;
    WhenShown(w.Form.get(), [&] {
        shown = true;
        w.Form->reject();
    });
    EXPECT_FALSE(w.Form->ShowDeals(types));
    QTest::qWait(30);
    EXPECT_FALSE(shown);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, kTooNarrow);
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

TEST(HandsDealing, FailedNextHandRestoresTheButtonInAnOpenWindow) {
    TRecordedMessages messages;
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    const TFullDeal inAdvance = w.Form->NextFullDeal();
    types.clear(); // the generator now finds nothing to deal
    QTest::mouseClick(NextButton(w), Qt::LeftButton);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, kNoHands);
    EXPECT_TRUE(w.Form->isVisible()); // only the too-narrow outcome closes it
    EXPECT_EQ(NextButton(w)->text(), "&Next Hand");
    EXPECT_TRUE(NextButton(w)->isEnabled());
    EXPECT_TRUE(w.Form->ShownFullDeal() == inAdvance);
    EXPECT_TRUE(w.Form->NextFullDeal() == inAdvance);
}

TEST(HandsDealing, TooNarrowNextHandClosesTheWindowAndTheButtonIsNormalAtTheNextOpening) {
    ASSERT_EQ(Outcomes(kDealsTwiceThenFails, NarrowTypes(), 3),
              (std::vector<bool>{true, true, false}));
    TRecordedMessages messages;
    THandsWindow w;
    TTypeList types = NarrowTypes();
    w.Engine.Random().RandomSeed = kDealsTwiceThenFails;
    WhenShown(w.Form.get(), [&] { QTest::mouseClick(NextButton(w), Qt::LeftButton); });
    EXPECT_TRUE(w.Form->ShowDeals(types)); // returns when the generator closes it
    EXPECT_FALSE(w.Form->isVisible());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, kTooNarrow);
    EXPECT_EQ(NextButton(w)->text(), "&Next Hand");
    EXPECT_TRUE(NextButton(w)->isEnabled());

    TTypeList open(1);
    bool normal = false;
    WhenShown(w.Form.get(), [&] {
        normal = NextButton(w)->isEnabled() && NextButton(w)->text() == "&Next Hand";
        w.Form->reject();
    });
    EXPECT_TRUE(w.Form->ShowDeals(open));
    EXPECT_TRUE(normal);
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

TEST(HandsDealing, EngineClosesTheWindowOnlyWhenItIsShowing) {
    THandsWindow w;
    w.Host.CloseHandsWindow(); // hidden: nothing happens
    EXPECT_FALSE(w.Form->isVisible());
    w.Form->show();
    w.Host.CloseHandsWindow();
    EXPECT_FALSE(w.Form->isVisible());
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
