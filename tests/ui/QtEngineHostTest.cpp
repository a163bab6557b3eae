// The program's engine host: warnings through the seam with their exact texts,
// the close callback, and the guard that keeps the generator from being
// entered a second time while a call is running.
#include "ui/enginehost/QtEngineHost.h"

#include "ui/common/MessageSeam.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;

namespace {

TTypeList OneOpenType() {
    TTypeList types(1);
    return types;
}

} // namespace

TEST(QtEngineHost, WarningIsTitledWarningWithTheGeneratorsText) {
    TRecordedMessages messages;
    TQtEngineHost host;
    host.ShowWarning("You have defined parameters that are too narrow.");
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, "You have defined parameters that are too narrow.");
}

TEST(QtEngineHost, CloseHandsWindowCallsTheInstalledCallbackOnly) {
    TQtEngineHost host;
    host.CloseHandsWindow(); // nothing installed: nothing happens
    int closes = 0;
    host.SetCloseHandsWindow([&closes] { ++closes; });
    host.CloseHandsWindow();
    EXPECT_EQ(closes, 1);
}

TEST(QtEngineHost, ProcessMessagesRunsPendingEvents) {
    TQtEngineHost host;
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    host.ProcessMessages();
    EXPECT_TRUE(ran);
}

TEST(QtEngineHost, NestedGenerateIsRefusedWithoutDrawing) {
    TQtEngineHost host;
    TDealEngine engine;
    TTypeList types = OneOpenType();
    int nestedResult = -1;
    std::uint64_t drawsBefore = 0, drawsAfter = 0;
    // Runs inside the outer call's first ProcessMessages.
    QTimer::singleShot(0, [&] {
        drawsBefore = engine.Random().Draws();
        nestedResult = host.Generate(engine, types) ? 1 : 0;
        drawsAfter = engine.Random().Draws();
        EXPECT_TRUE(host.Generating());
    });
    EXPECT_TRUE(host.Generate(engine, types));
    EXPECT_EQ(nestedResult, 0);
    EXPECT_EQ(drawsAfter, drawsBefore);
    EXPECT_FALSE(host.Generating());
    EXPECT_TRUE(host.Generate(engine, types)); // the guard is released afterwards
}
