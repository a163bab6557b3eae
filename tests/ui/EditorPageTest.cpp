// The editor page as the user works it: the ten rows with their object
// names, track bars that show the effective bounds as their selection, the
// exclusive Min/Max pair with its bold rule, and drags that run the model on
// every step and snap back with a beep when a move is impossible.
#include "MainWindowFixture.h"
#include "ui/mainwindow/src/BoundButton.h"
#include "ui/mainwindow/src/TrackBar.h"

#include <QLabel>
#include <QTest>

using namespace kv;
using namespace kv::test;

namespace {

struct EditorPage : MainWindowFixture {
    void SetUp() override {
        CreateForm();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    TTrackBar* Track(TEditorRow row) const { return form->EditorPage()->Track(row); }
    TBoundButton* MinButton(TEditorRow row) const { return form->EditorPage()->MinButton(row); }
    TBoundButton* MaxButton(TEditorRow row) const { return form->EditorPage()->MaxButton(row); }
    std::pair<int, int> Selection(TEditorRow row) const {
        return {Track(row)->SelStart(), Track(row)->SelEnd()};
    }
    // Drags a row's thumb with the mouse from where it stands to `value`.
    void DragWithMouse(TEditorRow row, int value) const {
        TTrackBar* bar = Track(row);
        const QPoint from = bar->ThumbRect().center();
        QTest::mousePress(bar, Qt::LeftButton, {}, from);
        const QPoint to(bar->PositionOf(value), from.y());
        const int steps = 8;
        for (int i = 1; i <= steps; ++i) {
            QMouseEvent move(QEvent::MouseMove, from + (to - from) * i / steps,
                             bar->mapToGlobal(from + (to - from) * i / steps), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &move);
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
    }
};

} // namespace

TEST_F(EditorPage, EveryRowHasItsThreeNamedControls) {
    const char* prefixes[] = {"SHCP", "SSpade", "SHeart", "SDiamond", "SClub",
                              "NHCP", "NSpade", "NHeart", "NDiamond", "NClub"};
    for (const char* prefix : prefixes) {
        const QString p = QString::fromLatin1(prefix);
        EXPECT_NE(form->findChild<TBoundButton*>(p + "MinBtn"), nullptr) << prefix;
        EXPECT_NE(form->findChild<TTrackBar*>(p + "Track"), nullptr) << prefix;
        EXPECT_NE(form->findChild<TBoundButton*>(p + "MaxBtn"), nullptr) << prefix;
    }
    EXPECT_EQ(Track(TEditorRow::NHCP)->maximum(), 37);
    EXPECT_EQ(Track(TEditorRow::SClub)->maximum(), 13);
}

TEST_F(EditorPage, ResetShowsFullRangesWithMinPressedAndNothingBold) {
    for (const TEditorRow row : kAllEditorRows) {
        EXPECT_EQ(Selection(row), std::make_pair(0, RowTop(row)));
        EXPECT_EQ(MinButton(row)->text(), "0");
        EXPECT_EQ(MaxButton(row)->text(), QString::number(RowTop(row)));
        EXPECT_EQ(MinButton(row)->Tag(), -1);
        EXPECT_EQ(MaxButton(row)->Tag(), RowNoMaxRequest(row));
        EXPECT_TRUE(MinButton(row)->isChecked());
        EXPECT_FALSE(MaxButton(row)->isChecked());
        EXPECT_FALSE(MinButton(row)->Bold());
        EXPECT_FALSE(MaxButton(row)->Bold());
        EXPECT_EQ(Track(row)->value(), 0);
    }
}

TEST_F(EditorPage, HeadingsAndRedSymbols) {
    for (const char* text : {"South", "North", "Min", "Max"}) {
        bool found = false;
        for (QLabel* label : form->EditorPage()->findChildren<QLabel*>())
            found = found || label->text() == QLatin1String(text);
        EXPECT_TRUE(found) << text;
    }
    const auto colour = [&](TRange range) {
        return form->EditorPage()->RowLabel(range)->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(colour(TRange::Heart), QColor(Qt::red));
    EXPECT_EQ(colour(TRange::Diamond), QColor(Qt::red));
    EXPECT_EQ(colour(TRange::Spade), QColor(Qt::black));
    EXPECT_EQ(colour(TRange::Club), QColor(Qt::black));
    EXPECT_TRUE(form->EditorPage()->RowLabel(TRange::HCP)->font().bold());
    EXPECT_EQ(form->EditorPage()->RowLabel(TRange::Heart)->text(), QString(QChar(0x2665)));
}

TEST_F(EditorPage, DraggingSouthSpadesToSevenNarrowsBothHands) {
    DragWithMouse(TEditorRow::SSpade, 7);
    EXPECT_EQ(Track(TEditorRow::SSpade)->value(), 7);
    EXPECT_EQ(Selection(TEditorRow::SSpade), std::make_pair(7, 13));
    EXPECT_EQ(Selection(TEditorRow::SHeart), std::make_pair(0, 6));
    EXPECT_EQ(Selection(TEditorRow::NSpade), std::make_pair(0, 6));
    EXPECT_EQ(Selection(TEditorRow::NHeart), std::make_pair(0, 13));
    EXPECT_EQ(Selection(TEditorRow::SHCP), std::make_pair(0, 31));
    EXPECT_EQ(MinButton(TEditorRow::SSpade)->text(), "7");
    EXPECT_TRUE(MinButton(TEditorRow::SSpade)->Bold());
    EXPECT_FALSE(MaxButton(TEditorRow::SHeart)->Bold());
    EXPECT_EQ(MaxButton(TEditorRow::SHeart)->text(), "6");
}

TEST_F(EditorPage, AnImpossibleMoveBeepsAndSnapsBack) {
    for (const TEditorRow row : {TEditorRow::SSpade, TEditorRow::SHeart, TEditorRow::SDiamond})
        Track(row)->setValue(4);
    EXPECT_EQ(Selection(TEditorRow::SClub), std::make_pair(0, 1));
    const int beeps = TMessageSeam::Beeps();
    Track(TEditorRow::SClub)->setValue(2);
    EXPECT_EQ(TMessageSeam::Beeps(), beeps + 1);
    EXPECT_EQ(Track(TEditorRow::SClub)->value(), 0);
    EXPECT_EQ(Selection(TEditorRow::SClub), std::make_pair(0, 1));
    EXPECT_EQ(MinButton(TEditorRow::SClub)->Tag(), -1);
    EXPECT_EQ(MaxButton(TEditorRow::SClub)->Tag(), 14);
    Track(TEditorRow::SClub)->setValue(1);
    EXPECT_EQ(Selection(TEditorRow::SClub), std::make_pair(1, 1));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(EditorPage, ADragRunsTheModelOnEveryStep) {
    Track(TEditorRow::SSpade)->setValue(13);
    const int beeps = TMessageSeam::Beeps();
    // South holds 13 spades: every step of a South HCP drag is refused.
    DragWithMouse(TEditorRow::SHCP, 20);
    EXPECT_GE(TMessageSeam::Beeps(), beeps + 2);
    EXPECT_EQ(Track(TEditorRow::SHCP)->value(), 10);
    EXPECT_EQ(Selection(TEditorRow::SHCP), std::make_pair(10, 10));
    EXPECT_EQ(Selection(TEditorRow::NHCP), std::make_pair(0, 30));
}

TEST_F(EditorPage, MinAndMaxAreAnExclusivePair) {
    QTest::mouseClick(MaxButton(TEditorRow::NDiamond), Qt::LeftButton);
    EXPECT_TRUE(MaxButton(TEditorRow::NDiamond)->isChecked());
    EXPECT_FALSE(MinButton(TEditorRow::NDiamond)->isChecked());
    EXPECT_EQ(Track(TEditorRow::NDiamond)->value(), 13);
    QTest::mouseClick(MaxButton(TEditorRow::NDiamond), Qt::LeftButton);
    EXPECT_TRUE(MaxButton(TEditorRow::NDiamond)->isChecked());
    Track(TEditorRow::NDiamond)->setValue(5);
    EXPECT_EQ(Selection(TEditorRow::NDiamond), std::make_pair(0, 5));
    EXPECT_TRUE(MaxButton(TEditorRow::NDiamond)->Bold());
    EXPECT_FALSE(MinButton(TEditorRow::NDiamond)->Bold());
    QTest::mouseClick(MinButton(TEditorRow::NDiamond), Qt::LeftButton);
    EXPECT_TRUE(MinButton(TEditorRow::NDiamond)->isChecked());
    EXPECT_FALSE(MaxButton(TEditorRow::NDiamond)->isChecked());
    EXPECT_EQ(Track(TEditorRow::NDiamond)->value(), 0);
    EXPECT_EQ(Selection(TEditorRow::NDiamond), std::make_pair(0, 5));
}

TEST_F(EditorPage, ACrossingCollapsesTheRowAndBoldsBothButtons) {
    Track(TEditorRow::SHeart)->setValue(3);
    QTest::mouseClick(MaxButton(TEditorRow::SHeart), Qt::LeftButton);
    Track(TEditorRow::SHeart)->setValue(1);
    EXPECT_EQ(Selection(TEditorRow::SHeart), std::make_pair(1, 1));
    EXPECT_TRUE(MinButton(TEditorRow::SHeart)->Bold());
    EXPECT_TRUE(MaxButton(TEditorRow::SHeart)->Bold());
}

TEST_F(EditorPage, KeysMoveTheThumbOneStep) {
    Track(TEditorRow::NHCP)->setFocus();
    QTest::keyClick(Track(TEditorRow::NHCP), Qt::Key_Right);
    QTest::keyClick(Track(TEditorRow::NHCP), Qt::Key_Right);
    EXPECT_EQ(MinButton(TEditorRow::NHCP)->text(), "2");
    EXPECT_TRUE(MinButton(TEditorRow::NHCP)->Bold());
}

TEST_F(EditorPage, TheSelectionIsDrawnInTheChannel) {
    Track(TEditorRow::SDiamond)->setValue(6);
    TTrackBar* bar = Track(TEditorRow::SDiamond);
    const QImage image = bar->grab().toImage();
    const QColor highlight = bar->palette().color(QPalette::Highlight);
    const int y = 11; // the middle of the channel
    const auto at = [&](int value) { return image.pixelColor(bar->PositionOf(value) + 3, y); };
    EXPECT_EQ(at(9), highlight);
    EXPECT_NE(at(2), highlight);
}
