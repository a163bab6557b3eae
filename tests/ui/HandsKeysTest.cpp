// The hands window from the keyboard: Home and End to the first and last
// board, Go to Board by typing a number, Enter on the focused button, and the
// keys shown beside the View menu's items. Browsing never deals.
#include "HandsTestSupport.h"
#include "ui/common/MessageSeam.h"
#include "ui/hands/src/GoToBoardDialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

// A shown, active window over a dealt session of `boards` boards, at the last.
struct KeysWindow : ::testing::Test {
    THandsWindow w;
    TTypeList types{THandParam{}};

    void Deal(int boards) {
        ASSERT_TRUE(w.Form->PrepareDeals(types));
        w.Form->show();
        for (int i = 1; i < boards; ++i)
            QTest::mouseClick(w.Find<QPushButton>("NextHandBtn"), Qt::LeftButton);
        Activate();
    }
    void Activate() const {
        QApplication::setActiveWindow(w.Form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.Form.get()));
    }
    void Press(QKeyCombination key) const {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : w.Form.get(), key.key(),
                        key.keyboardModifiers());
    }
    int Board() const { return w.Form->Session().Current().Board; }
    // Ctrl+B, then `typing` in the Go to Board dialog once it is open; the
    // window takes the keys again afterwards.
    void InGoToDialog(const std::function<void(TGoToBoardDialog&)>& typing) const;
    bool Enabled(const char* item) const { return w.Find<QAction>(item)->isEnabled(); }
};

void KeysWindow::InGoToDialog(const std::function<void(TGoToBoardDialog&)>& typing) const {
    bool seen = false;
    QTimer::singleShot(0, [&seen, typing] {
        auto* dialog = dynamic_cast<TGoToBoardDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        QApplication::setActiveWindow(dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        typing(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    Press(Qt::CTRL | Qt::Key_B);
    EXPECT_TRUE(seen) << "Ctrl+B opened no dialog";
    Activate();
}

} // namespace

TEST_F(KeysWindow, HomeAndEndShowTheFirstAndLastBoardWithoutDealing) {
    Deal(4);
    const std::uint64_t draws = w.Engine.Random().Draws();
    EXPECT_FALSE(Enabled("LastBoard1"));
    Press(Qt::Key_Home);
    EXPECT_EQ(Board(), 1);
    EXPECT_FALSE(Enabled("FirstBoard1"));
    EXPECT_TRUE(Enabled("LastBoard1"));
    EXPECT_EQ(w.Find<QLabel>("BoardLabel")->text(), "Board 1");
    Press(Qt::Key_End);
    EXPECT_EQ(Board(), 4);
    EXPECT_EQ(w.Find<QLabel>("BoardLabel")->text(), "Board 4");
    Press(Qt::Key_End); // at the last board: nothing is dealt
    EXPECT_EQ(Board(), 4);
    EXPECT_EQ(w.Engine.Random().Draws(), draws);
    EXPECT_EQ(w.Find<QAction>("FirstBoard1")->shortcut(), QKeySequence(Qt::Key_Home));
    EXPECT_EQ(w.Find<QAction>("LastBoard1")->shortcut(), QKeySequence(Qt::Key_End));
}

TEST_F(KeysWindow, GoToBoardTakesATypedNumberAndEnter) {
    Deal(5);
    const std::uint64_t draws = w.Engine.Random().Draws();
    EXPECT_EQ(w.Find<QAction>("GoToBoard1")->text(), "Go to &Board...");
    InGoToDialog([](TGoToBoardDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Go to Board");
        EXPECT_EQ(QApplication::focusWidget(), dialog.NumberBox());
        EXPECT_EQ(dialog.NumberBox()->value(), 5); // the board shown, selected
        EXPECT_EQ(dialog.NumberBox()->minimum(), 1);
        EXPECT_EQ(dialog.NumberBox()->maximum(), 5);
        QTest::keyClicks(QApplication::focusWidget(), "2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(Board(), 2);
    EXPECT_EQ(w.Find<QLabel>("BoardLabel")->text(), "Board 2");
    InGoToDialog([](TGoToBoardDialog&) {
        QTest::keyClicks(QApplication::focusWidget(), "4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(Board(), 2) << "Escape goes nowhere";
    EXPECT_EQ(w.Engine.Random().Draws(), draws);
}

// A file's boards keep their numbers: the spin box runs over them, and a
// number between them that no board has is refused.
TEST_F(KeysWindow, GoToBoardFindsAFilesNumbersAndRefusesAMissingOne) {
    TRecordedMessages messages;
    const std::vector<TFullDeal> deals = FullDeals(3, types, 3);
    ASSERT_TRUE(w.Form->PrepareImported(
        {RotationBoard(deals[0], 7), RotationBoard(deals[1], 9), RotationBoard(deals[2], 12)},
        "club.pbn"));
    w.Form->show();
    Activate();
    InGoToDialog([&messages](TGoToBoardDialog& dialog) {
        EXPECT_EQ(dialog.NumberBox()->minimum(), 7);
        EXPECT_EQ(dialog.NumberBox()->maximum(), 12);
        EXPECT_EQ(dialog.findChild<QLabel*>()->text(), "&Board (7 to 12):");
        QTest::keyClicks(QApplication::focusWidget(), "8");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Text, "There is no board 8 in this session.");
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClicks(QApplication::focusWidget(), "12"); // the 8 is selected again
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(Board(), 12);
    EXPECT_EQ(w.Form->Session().CurrentIndex(), 2u);
    EXPECT_TRUE(w.Find<QPushButton>("PreviousHandBtn")->isEnabled());
    EXPECT_FALSE(w.Find<QPushButton>("NextHandBtn")->isEnabled());
}

// Enter presses the button that has the focus; elsewhere "&Next Hand".
TEST_F(KeysWindow, EnterPressesTheFocusedButton) {
    Deal(3);
    const std::uint64_t draws = w.Engine.Random().Draws();
    w.Find("PreviousHandBtn")->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(Board(), 2);
    Press(Qt::Key_Enter);
    EXPECT_EQ(Board(), 1);
    EXPECT_EQ(w.Engine.Random().Draws(), draws) << "Previous never deals";
    w.Find("NextHandBtn")->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(Board(), 2);
    w.Find("ClientArea")->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(Board(), 3);
}

TEST_F(KeysWindow, ViewItemsShowTheirKeysAndAnswerThem) {
    Deal(1);
    const std::pair<const char*, QKeyCombination> keys[] = {
        {"North1", Qt::CTRL | Qt::Key_1},
        {"South1", Qt::CTRL | Qt::Key_2},
        {"Both1", Qt::CTRL | Qt::Key_3},
        {"All1", Qt::CTRL | Qt::Key_4},
        {"Alternatecolors1", Qt::CTRL | Qt::Key_A},
        {"Suitrank1", Qt::CTRL | Qt::Key_R},
        {"DoubleDummy1", Qt::CTRL | Qt::Key_D}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(w.Find<QAction>(name)->shortcut(), QKeySequence(key)) << name;
    Press(Qt::CTRL | Qt::Key_4);
    EXPECT_EQ(w.Form->ViewOptions().HandToView, THandToView::All);
    Press(Qt::CTRL | Qt::Key_R);
    EXPECT_TRUE(w.Form->ViewOptions().SortSuitsByRank);
    Press(Qt::CTRL | Qt::Key_1);
    EXPECT_EQ(w.Form->ViewOptions().HandToView, THandToView::North);
}
