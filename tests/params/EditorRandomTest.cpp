// Long random sequences of thumb moves and button clicks: the editor never
// reaches suit bounds that admit no pair of South and North patterns, its
// suit bounds always follow from its requests, and a refused move leaves the
// whole state exactly as it was.
#include "EditorTestUtil.h"
#include "ReferenceRanges.h"

#include <random>

using namespace kv;
using namespace kv::test;

namespace {

struct TSnapshot {
    std::array<TEditorRowState, kEditorRowCount> Rows;
    int Frequency;
    bool Updating;
    friend bool operator==(const TSnapshot&, const TSnapshot&) = default;
};

TSnapshot Snapshot(const TEditorModel& model) {
    TSnapshot s{{}, model.Frequency(), model.Updating()};
    for (TEditorRow row : kAllEditorRows)
        s.Rows[static_cast<std::size_t>(RowIndex(row))] = model.Row(row);
    return s;
}

THandLengths Lengths(const TEditorModel& model, TSide side, bool requested) {
    THandLengths l;
    for (std::size_t suit = 0; suit < 4; ++suit) {
        const TEditorRowState& r = model.Row(EditorRow(side, kSuitRanges[suit]));
        l.Min[suit] = requested ? r.MinTag : r.SelStart;
        l.Max[suit] = requested ? r.MaxTag : r.SelEnd;
    }
    return l;
}

TLengthRanges Lengths(const TEditorModel& model, bool requested) {
    return {Lengths(model, TSide::South, requested), Lengths(model, TSide::North, requested)};
}

// What holds after every operation.
void ExpectConsistent(const TEditorModel& model, int step) {
    const TLengthRanges effective = Lengths(model, false);
    ASSERT_TRUE(AdmitsSomePair(effective)) << "step " << step;
    ASSERT_EQ(ReferenceLengthRanges(Lengths(model, true)), effective) << "step " << step;
    ASSERT_FALSE(model.Updating());
    for (TEditorRow row : kAllEditorRows) {
        const TEditorRowState& r = model.Row(row);
        ASSERT_EQ(r.MinCaption, std::to_string(r.SelStart)) << "step " << step;
        ASSERT_EQ(r.MaxCaption, std::to_string(r.SelEnd)) << "step " << step;
        ASSERT_EQ(r.MinBold, r.SelStart == r.MinTag) << "step " << step;
        ASSERT_EQ(r.MaxBold, r.SelEnd == r.MaxTag) << "step " << step;
        ASSERT_EQ(r.Position, r.Pressed == TBound::Min ? r.SelStart : r.SelEnd) << "step " << step;
        ASSERT_TRUE(r.SelStart >= 0 && r.SelEnd <= RowTop(row)) << "step " << step;
        if (!IsHCPRow(row)) {
            ASSERT_LE(r.SelStart, r.SelEnd) << "step " << step;
        }
    }
}

// One random user action: mostly drag steps, some jumps, some clicks.
void RandomAction(TEditorModel& model, std::mt19937& random) {
    const TEditorRow row = kAllEditorRows[random() % kEditorRowCount];
    const int choice = static_cast<int>(random() % 10);
    if (choice < 2) {
        model.PressBound(row, choice == 0 ? TBound::Min : TBound::Max);
    } else if (choice < 8) {
        const int step = static_cast<int>(random() % 5) - 2;
        model.TrackChange(row, model.Row(row).Position + step);
    } else {
        model.TrackChange(row, static_cast<int>(random() % (RowTop(row) + 1)));
    }
}

class EditorRandom : public TEditorFixture, public ::testing::WithParamInterface<unsigned> {};

TEST_P(EditorRandom, SequencesKeepAPossibleHandAndUndoRefusalsExactly) {
    std::mt19937 random(GetParam());
    int refusals = 0;
    for (int step = 0; step < 4000; ++step) {
        if (step % 1000 == 999) Model.ResetEditor();
        const TSnapshot before = Snapshot(Model);
        const int beeps = View.Beeps;
        RandomAction(Model, random);
        if (View.Beeps != beeps) {
            ++refusals;
            ASSERT_EQ(View.Beeps, beeps + 1);
            ASSERT_EQ(Snapshot(Model), before) << "step " << step;
        }
        ExpectConsistent(Model, step);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(refusals, 10) << "the sequence should reach refusals";
}

INSTANTIATE_TEST_SUITE_P(Seeds, EditorRandom, ::testing::Values(1u, 7u, 42u, 2024u, 99991u));

} // namespace
