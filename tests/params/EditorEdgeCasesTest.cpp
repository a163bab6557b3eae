// The editor's characteristic behaviours, each reached by dragging thumbs and
// clicking buttons as a user would.
#include "EditorTestUtil.h"
#include "params/TypeValidation.h"

using namespace kv;
using namespace kv::test;
using R = TEditorRow;

namespace {

constexpr R kSouthOtherSuits[] = {R::SHeart, R::SDiamond, R::SClub};
constexpr R kNorthOtherSuits[] = {R::NHeart, R::NDiamond, R::NClub};

using EditorEdgeCases = TEditorFixture;

TEST_F(EditorEdgeCases, SouthSpadeMinimumSevenNarrowsBothHands) {
    DragMin(R::SSpade, 7);
    ExpectBounds(Model, R::SSpade, 7, 13);
    for (R row : kSouthOtherSuits)
        ExpectBounds(Model, row, 0, 6);
    ExpectBounds(Model, R::NSpade, 0, 6);
    for (R row : kNorthOtherSuits)
        ExpectBounds(Model, row, 0, 13);
    ExpectBounds(Model, R::SHCP, 0, 31); // 7-2-2-2: 10 + 7 + 7 + 7
    ExpectBounds(Model, R::NHCP, 0, 37);
    EXPECT_TRUE(Row(R::SSpade).MinBold);
    EXPECT_EQ(Row(R::SSpade).MinTag, 7);
    EXPECT_FALSE(Row(R::SSpade).MaxBold);
    EXPECT_EQ(Row(R::SSpade).Position, 7);
    EXPECT_EQ(View.Beeps, 0);
}

TEST_F(EditorEdgeCases, SouthThirteenSpadesFixesBothHands) {
    DragMin(R::SSpade, 13);
    ExpectBounds(Model, R::SSpade, 13, 13);
    for (R row : kSouthOtherSuits)
        ExpectBounds(Model, row, 0, 0);
    ExpectBounds(Model, R::SHCP, 10, 10);
    ExpectBounds(Model, R::NSpade, 0, 0);
    ExpectBounds(Model, R::NHCP, 0, 30); // 0-5-4-4 gives 30, and 40 - 10 = 30
    EXPECT_EQ(View.Beeps, 0);
}

TEST_F(EditorEdgeCases, SouthHcpMovesBeepAndUndoWithThirteenSpades) {
    DragMin(R::SSpade, 13);
    for (TBound pressed : {TBound::Min, TBound::Max}) {
        Model.PressBound(R::SHCP, pressed);
        for (int p : {9, 11, 0, 37}) {
            View.Clear();
            const TEditorRowState before = Row(R::SHCP);
            const THandParam editor = Model.EditorType();
            Model.TrackChange(R::SHCP, p);
            EXPECT_EQ(View.Beeps, 1) << p;
            EXPECT_EQ(Row(R::SHCP), before) << p;
            EXPECT_EQ(Model.EditorType(), editor) << p;
            EXPECT_FALSE(Model.Updating());
        }
    }
}

TEST_F(EditorEdgeCases, ClubCrossingThatLeavesNoPatternBeepsAndRestoresBothRequests) {
    for (R row : {R::SSpade, R::SHeart, R::SDiamond})
        DragMin(row, 4);
    ExpectBounds(Model, R::SClub, 0, 1);
    View.Clear();
    Model.TrackChange(R::SClub, 2);
    EXPECT_EQ(View.Beeps, 1);
    EXPECT_EQ(Row(R::SClub).Position, 0);
    EXPECT_EQ(Row(R::SClub).MinTag, -1);
    EXPECT_EQ(Row(R::SClub).MaxTag, 14);
    ExpectBounds(Model, R::SClub, 0, 1);
    ASSERT_EQ(View.Changed.size(), 1u) << "only the thumb goes back";

    Model.TrackChange(R::SClub, 1);
    EXPECT_EQ(View.Beeps, 1);
    ExpectBounds(Model, R::SClub, 1, 1);
    EXPECT_EQ(Row(R::SClub).MinTag, 1);
    EXPECT_EQ(Row(R::SClub).MaxTag, 14);
}

TEST_F(EditorEdgeCases, SouthHcpMinimumUpAndBackWithoutNorthMaximum) {
    DragMin(R::SHCP, 25);
    ExpectBounds(Model, R::SHCP, 25, 37);
    ExpectBounds(Model, R::NHCP, 0, 15);
    Drag(R::SHCP, 10);
    ExpectBounds(Model, R::SHCP, 10, 37);
    ExpectBounds(Model, R::NHCP, 0, 30);
    EXPECT_EQ(Row(R::NHCP).MaxTag, 38) << "never requested";
    EXPECT_EQ(View.Beeps, 0);
}

TEST_F(EditorEdgeCases, SouthHcpMinimumBackRestoresRequestedNorthMaximumBelowThirty) {
    DragMax(R::NHCP, 20);
    DragMin(R::SHCP, 25);
    ExpectBounds(Model, R::NHCP, 0, 15);
    Drag(R::SHCP, 10);
    ExpectBounds(Model, R::NHCP, 0, 20);
    EXPECT_EQ(Row(R::NHCP).MaxTag, 20);
}

TEST_F(EditorEdgeCases, SouthHcpMinimumBackStopsAtThirtyAboveRequestedNorthMaximum) {
    DragMax(R::NHCP, 34);
    DragMin(R::SHCP, 25);
    ExpectBounds(Model, R::NHCP, 0, 15);
    Drag(R::SHCP, 10);
    ExpectBounds(Model, R::NHCP, 0, 30);
}

TEST_F(EditorEdgeCases, SouthHcpMinimumLowersNorthMinimumToItsMaximum) {
    DragMin(R::NHCP, 20);
    DragMin(R::SHCP, 25);
    ExpectBounds(Model, R::SHCP, 25, 25); // crossed South's maximum 20 on the way
    ExpectBounds(Model, R::NHCP, 15, 15);
    EXPECT_EQ(Row(R::NHCP).MinTag, 20) << "North's request stays";
}

TEST_F(EditorEdgeCases, SuitCrossingCollapsesRowAndBoldsBothCaptions) {
    DragMax(R::SSpade, 5);
    EXPECT_FALSE(Row(R::SSpade).MinBold);
    EXPECT_TRUE(Row(R::SSpade).MaxBold);
    DragMin(R::SSpade, 8);
    ExpectBounds(Model, R::SSpade, 8, 8);
    EXPECT_EQ(Row(R::SSpade).MinTag, 8);
    EXPECT_EQ(Row(R::SSpade).MaxTag, 8);
    EXPECT_TRUE(Row(R::SSpade).MinBold);
    EXPECT_TRUE(Row(R::SSpade).MaxBold);
    EXPECT_EQ(View.Beeps, 0);
}

TEST_F(EditorEdgeCases, HcpCrossingCollapsesRowAndBoldsBothCaptions) {
    DragMax(R::SHCP, 20);
    DragMin(R::SHCP, 25);
    ExpectBounds(Model, R::SHCP, 25, 25);
    EXPECT_EQ(Row(R::SHCP).MinTag, 25);
    EXPECT_EQ(Row(R::SHCP).MaxTag, 25);
    EXPECT_TRUE(Row(R::SHCP).MinBold);
    EXPECT_TRUE(Row(R::SHCP).MaxBold);
    ExpectBounds(Model, R::NHCP, 0, 15);
}

TEST_F(EditorEdgeCases, SpadesForcedToThirteenKeepNormalFaceAfterLowerRequest) {
    for (R row : kSouthOtherSuits)
        DragMax(row, 0);
    ExpectBounds(Model, R::SSpade, 13, 13);
    EXPECT_FALSE(Row(R::SSpade).MinBold);
    EXPECT_FALSE(Row(R::SSpade).MaxBold);
    EXPECT_EQ(Row(R::SSpade).Position, 13);
    Drag(R::SSpade, 5);
    EXPECT_EQ(View.Beeps, 0);
    EXPECT_EQ(Row(R::SSpade).MinTag, 5);
    EXPECT_EQ(Row(R::SSpade).Position, 13);
    ExpectBounds(Model, R::SSpade, 13, 13);
    EXPECT_FALSE(Row(R::SSpade).MinBold);
}

TEST_F(EditorEdgeCases, MaxThenMinClickMovesOnlyTheThumb) {
    DragMin(R::SSpade, 7);
    const THandParam editor = Model.EditorType();
    Model.PressMax(R::SHeart);
    EXPECT_EQ(Row(R::SHeart).Pressed, TBound::Max);
    EXPECT_EQ(Row(R::SHeart).Position, 6);
    Model.PressMin(R::SHeart);
    EXPECT_EQ(Row(R::SHeart).Pressed, TBound::Min);
    EXPECT_EQ(Row(R::SHeart).Position, 0);
    EXPECT_EQ(Model.EditorType(), editor);
    EXPECT_FALSE(Model.Updating());
}

TEST_F(EditorEdgeCases, HcpThumbReleasedWhereItStartedChangesNothing) {
    DragMin(R::NSpade, 5);
    View.Clear();
    const THandParam editor = Model.EditorType();
    const TEditorRowState before = Row(R::SHCP);
    Model.TrackChange(R::SHCP, 0);
    EXPECT_EQ(Row(R::SHCP), before);
    EXPECT_EQ(Row(R::SHCP).MinTag, -1) << "no request is made";
    EXPECT_EQ(Model.EditorType(), editor);
    EXPECT_EQ(View.Beeps, 0);
    EXPECT_TRUE(View.Changed.empty());
}

TEST_F(EditorEdgeCases, ResetEditorLeavesNoCaptionBold) {
    DragMax(R::SSpade, 5);
    DragMin(R::SSpade, 8);
    DragMin(R::NHCP, 12);
    Model.SetFrequency(40);
    const TEditorModel fresh;
    std::vector<R> differing;
    for (R row : kAllEditorRows)
        if (Row(row) != fresh.Row(row)) differing.push_back(row);
    View.Clear();
    Model.ResetEditor();
    for (R row : kAllEditorRows) {
        EXPECT_FALSE(Row(row).MinBold) << RowPrefix(row);
        EXPECT_FALSE(Row(row).MaxBold) << RowPrefix(row);
    }
    EXPECT_EQ(Model.EditorType(), THandParam{});
    EXPECT_EQ(View.FrequencyChanges, 1);
    EXPECT_EQ(View.Changed, differing);
    for (R row : kAllEditorRows)
        EXPECT_EQ(Row(row), fresh.Row(row)) << RowPrefix(row);
}

TEST_F(EditorEdgeCases, RaisedMaximumBringsMinimumBackAboveIt) {
    DragMin(R::SHCP, 30);
    DragMin(R::NHCP, 15);
    ExpectBounds(Model, R::SHCP, 25, 25);
    ExpectBounds(Model, R::NHCP, 15, 15);
    DragMax(R::SHCP, 26);
    ExpectBounds(Model, R::SHCP, 30, 26);
    ExpectBounds(Model, R::NHCP, 14, 15);
    EXPECT_EQ(View.Beeps, 0);

    THandParam stored;
    stored.Frequency = 7;
    EXPECT_EQ(Model.StoreType(stored), "The minimum HCP in the two hands exceeds 40.");
    EXPECT_EQ(stored.Frequency, 7) << "a refused store leaves the type alone";
    EXPECT_EQ(stored.SHCPMin, 0);
}

// Both minimums dragged to 35: each hand's request stays in force and the
// next suit change brings both back. North's maximum was requested as 35 by
// its own crossing, so it stays 35; South's unrequested maximum falls to
// 40 - 35 = 5.
TEST_F(EditorEdgeCases, RequestedHcpMinimumsReturnAfterSuitMove) {
    DragMin(R::SHCP, 35);
    DragMin(R::NHCP, 35);
    ExpectBounds(Model, R::SHCP, 5, 5);
    ExpectBounds(Model, R::NHCP, 35, 35);
    EXPECT_EQ(Row(R::SHCP).MinTag, 35);

    DragMin(R::SHeart, 1);
    EXPECT_EQ(View.Beeps, 0);
    ExpectBounds(Model, R::SHCP, 35, 5);
    ExpectBounds(Model, R::NHCP, 35, 35);

    THandParam stored;
    const std::optional<std::string> refusal = Model.StoreType(stored);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(*refusal, "The minimum HCP in the two hands exceeds 40.");
    EXPECT_EQ(ImpossibleText(*refusal),
              "Impossible Hand Parameters:\r\rThe minimum HCP in the two hands exceeds 40.");
    EXPECT_EQ(stored, THandParam{});
}

} // namespace
