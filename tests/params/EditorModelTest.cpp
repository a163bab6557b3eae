// The editor model's rows, its flags and reports to the view, and the copies
// between the editor and a hand type.
#include "EditorTestUtil.h"

using namespace kv;
using namespace kv::test;
using R = TEditorRow;

namespace {

TEST(EditorRows, PrefixesNameTheControls) {
    EXPECT_EQ(RowPrefix(R::SHCP), "SHCP");
    EXPECT_EQ(RowPrefix(R::SDiamond), "SDiamond");
    EXPECT_EQ(RowPrefix(R::NClub), "NClub");
    EXPECT_EQ(RowFromControlName("SHCPTrack"), R::SHCP);
    EXPECT_EQ(RowFromControlName("NSpadeMinBtn"), R::NSpade);
    EXPECT_EQ(RowFromControlName("NHeartMaxBtn"), R::NHeart);
    for (R row : kAllEditorRows)
        EXPECT_EQ(RowFromPrefix(RowPrefix(row)), row);
}

TEST(EditorRows, UnknownControlNamesHaveNoRow) {
    EXPECT_EQ(RowFromControlName("Track"), std::nullopt);
    EXPECT_EQ(RowFromControlName("SHCP"), std::nullopt);
    EXPECT_EQ(RowFromControlName("XHCPTrack"), std::nullopt);
    EXPECT_EQ(RowFromControlName("SHCPMinBtn2"), std::nullopt);
    EXPECT_EQ(RowFromPrefix("shcp"), std::nullopt);
}

TEST(EditorRows, SideAndRangeOfEachRow) {
    EXPECT_EQ(RowSide(R::SClub), TSide::South);
    EXPECT_EQ(RowSide(R::NHCP), TSide::North);
    EXPECT_EQ(RowRange(R::NDiamond), TRange::Diamond);
    EXPECT_EQ(RowTop(R::NHCP), 37);
    EXPECT_EQ(RowTop(R::SSpade), 13);
    for (R row : kAllEditorRows)
        EXPECT_EQ(EditorRow(RowSide(row), RowRange(row)), row);
}

using EditorModel = TEditorFixture;

TEST_F(EditorModel, StartsReset) {
    for (R row : kAllEditorRows) {
        const TEditorRowState& r = Row(row);
        const int top = RowTop(row);
        EXPECT_EQ(r.SelStart, 0);
        EXPECT_EQ(r.SelEnd, top);
        EXPECT_EQ(r.Position, 0);
        EXPECT_EQ(r.Pressed, TBound::Min);
        EXPECT_EQ(r.MinCaption, "0");
        EXPECT_EQ(r.MaxCaption, std::to_string(top));
        EXPECT_EQ(r.MinTag, -1);
        EXPECT_EQ(r.MaxTag, top + 1);
        EXPECT_FALSE(r.MinBold || r.MaxBold);
    }
    EXPECT_EQ(Model.Frequency(), 100);
    EXPECT_FALSE(Model.Updating() || Model.Creating());
}

TEST_F(EditorModel, ThumbChangesDoNothingWhileUpdatingOrCreating) {
    Model.SetUpdating(true);
    Model.TrackChange(R::SSpade, 5);
    Model.TrackChange(R::NHCP, 5);
    Model.SetUpdating(false);
    Model.SetCreating(true);
    Model.TrackChange(R::SSpade, 5);
    Model.SetCreating(false);
    EXPECT_EQ(Model.EditorType(), THandParam{});
    EXPECT_EQ(Row(R::SSpade).Position, 0);
    EXPECT_TRUE(View.Changed.empty());
}

TEST_F(EditorModel, PositionOutsideTheTrackIsClamped) {
    Model.TrackChange(R::SSpade, 99);
    EXPECT_EQ(Row(R::SSpade).MinTag, 13);
    Model.TrackChange(R::NHCP, -4);
    EXPECT_EQ(Row(R::NHCP).Position, 0);
    EXPECT_EQ(View.Beeps, 0);
}

TEST_F(EditorModel, ReportsExactlyTheRowsThatChanged) {
    Model.TrackChange(R::SSpade, 7);
    const std::vector<R> expected{R::SHCP, R::SSpade, R::SHeart, R::SDiamond, R::SClub, R::NSpade};
    EXPECT_EQ(View.Changed, expected);
    EXPECT_FALSE(Model.Updating());
    View.Clear();
    Model.PressMax(R::NHeart);
    EXPECT_EQ(View.Changed, std::vector<R>{R::NHeart});
    View.Clear();
    Model.TrackChange(R::NHCP, 0);
    EXPECT_TRUE(View.Changed.empty()) << "HCP thumb where it was";
}

// A track bar reports every thumb the model sets; those reports arrive while
// Updating is set and must change nothing.
class TEchoingView : public IEditorView {
  public:
    explicit TEchoingView(TEditorModel& model) : Model(model) {}
    void Beep() override {}
    void RowChanged(TEditorRow row) override {
        Model.TrackChange(row, Model.Row(row).Position + 1);
    }
    void FrequencyChanged() override {}

  private:
    TEditorModel& Model;
};

TEST(EditorModelEcho, NotificationsRaisedByTheViewDoNotReenter) {
    TEditorModel model;
    TEchoingView view(model);
    model.SetView(&view);
    model.TrackChange(TEditorRow::SSpade, 7);
    EXPECT_EQ(model.Row(TEditorRow::SHeart).Position, 0);
    EXPECT_EQ(model.Row(TEditorRow::SSpade).Position, 7);
    EXPECT_EQ(model.Row(TEditorRow::SSpade).MinTag, 7);
    EXPECT_EQ(model.Row(TEditorRow::SHeart).MinTag, -1);
}

TEST_F(EditorModel, HcpMovesLeaveSuitRowsAndOtherRequestsAlone) {
    DragMin(R::SSpade, 6);
    DragMax(R::NHCP, 30);
    DragMin(R::NHCP, 8);
    const TEditorRowState northHcp = Row(R::NHCP);
    std::vector<TEditorRowState> suits;
    for (R row : kAllEditorRows)
        if (!IsHCPRow(row)) suits.push_back(Row(row));
    DragMin(R::SHCP, 20);
    DragMax(R::SHCP, 25);
    EXPECT_EQ(Row(R::NHCP).MinTag, northHcp.MinTag);
    EXPECT_EQ(Row(R::NHCP).MaxTag, northHcp.MaxTag);
    std::size_t i = 0;
    for (R row : kAllEditorRows) {
        if (!IsHCPRow(row)) {
            EXPECT_EQ(Row(row), suits[i++]) << RowPrefix(row);
        }
    }
}

THandParam SampleType() {
    THandParam t;
    t.SHCPMin = 12, t.SHCPMax = 14, t.SHCPMinReq = 12, t.SHCPMaxReq = 14;
    t.SSpadeMin = 5, t.SSpadeMax = 6, t.SSpadeMinReq = 5;
    t.NHeartMin = 3, t.NHeartMax = 8, t.NHeartMaxReq = 8;
    t.NSpadeMax = 8, t.SHeartMax = 10; // consistent with the minimums beside them
    t.NHCPMin = 6, t.NHCPMax = 10, t.NHCPMinReq = 2, t.NHCPMaxReq = 38;
    t.Frequency = 250;
    return t;
}

TEST_F(EditorModel, LoadTypeShowsBoundsAndPutsThumbsAtMinimums) {
    Model.PressMax(R::SHCP);
    Model.LoadType(SampleType());
    ExpectBounds(Model, R::SHCP, 12, 14);
    EXPECT_EQ(Row(R::SHCP).Position, 12) << "at the minimum although Max is pressed";
    EXPECT_EQ(Row(R::SHCP).Pressed, TBound::Max);
    EXPECT_TRUE(Row(R::SHCP).MinBold && Row(R::SHCP).MaxBold);
    ExpectBounds(Model, R::NHCP, 6, 10);
    EXPECT_FALSE(Row(R::NHCP).MinBold || Row(R::NHCP).MaxBold);
    EXPECT_TRUE(Row(R::SSpade).MinBold);
    EXPECT_FALSE(Row(R::SSpade).MaxBold);
    EXPECT_TRUE(Row(R::NHeart).MaxBold);
    EXPECT_EQ(Model.Frequency(), 250);
    EXPECT_EQ(View.FrequencyChanges, 1);
    EXPECT_FALSE(Model.Updating());
}

TEST_F(EditorModel, StoreTypeCopiesEditorAndRequestsSurviveReload) {
    THandParam t = SampleType();
    t.NClubMinReq = -1, t.NClubMaxReq = 14, t.SDiamondMaxReq = 14;
    Model.LoadType(t);
    THandParam stored;
    EXPECT_EQ(Model.StoreType(stored), std::nullopt);
    EXPECT_EQ(stored, t);
}

TEST_F(EditorModel, DefaultEditorStoresDefaultType) {
    THandParam stored = SampleType();
    EXPECT_EQ(Model.StoreType(stored), std::nullopt);
    EXPECT_EQ(stored, THandParam{});
}

TEST_F(EditorModel, StoreTypeLowersSuitMaximaInTheCopyOnly) {
    THandParam t;
    t.NSpadeMin = 5;
    t.SSpadeMax = 13;
    Model.LoadType(t);
    THandParam stored;
    ASSERT_EQ(Model.StoreType(stored), std::nullopt);
    EXPECT_EQ(stored.SSpadeMax, 8);
    EXPECT_EQ(stored.NSpadeMax, 13);
    EXPECT_EQ(Row(R::SSpade).SelEnd, 13) << "the editor keeps its values";
}

TEST_F(EditorModel, StoreTypeTakesTheFrequency) {
    Model.SetFrequency(999);
    THandParam stored;
    ASSERT_EQ(Model.StoreType(stored), std::nullopt);
    EXPECT_EQ(stored.Frequency, 999);
}

TEST_F(EditorModel, StoreTypeRefusesTooManySpadesAndKeepsTheType) {
    THandParam t;
    t.SSpadeMin = 7, t.NSpadeMin = 7;
    Model.LoadType(t);
    THandParam stored = SampleType();
    EXPECT_EQ(Model.StoreType(stored), "The minimum number of Spades in the hands exceeds 13.");
    EXPECT_EQ(stored, SampleType());
}

TEST_F(EditorModel, StoreTypeRefusesSouthMinimumsAboveThirteen) {
    THandParam t;
    t.SSpadeMin = 4, t.SHeartMin = 4, t.SDiamondMin = 3, t.SClubMin = 3;
    Model.LoadType(t);
    THandParam stored;
    EXPECT_EQ(Model.StoreType(stored), "The minimums specified for South's hand exceed 13.");
}

} // namespace
