#pragma once
// Helpers for driving the editor model as a user would: a view that records
// what the model reports, and drags that move a thumb one step at a time.

#include "params/EditorModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv::test {

// Counts beeps and records the reported rows; checks that every report
// arrives while the model's Updating flag is set.
class TRecordingView : public IEditorView {
  public:
    explicit TRecordingView(const TEditorModel& model) : Model(model) {}
    void Beep() override { ++Beeps, Check(); }
    void RowChanged(TEditorRow row) override { Changed.push_back(row), Check(); }
    void FrequencyChanged() override { ++FrequencyChanges, Check(); }
    void Clear() { Beeps = 0, FrequencyChanges = 0, Changed.clear(); }

    int Beeps = 0;
    int FrequencyChanges = 0;
    std::vector<TEditorRow> Changed;

  private:
    void Check() const { EXPECT_TRUE(Model.Updating()) << "report outside Updating"; }
    const TEditorModel& Model;
};

// A model with a recording view attached.
struct TEditorFixture : ::testing::Test {
    TEditorModel Model;
    TRecordingView View{Model};
    TEditorFixture() { Model.SetView(&View); }

    const TEditorRowState& Row(TEditorRow row) const { return Model.Row(row); }

    // Drags the thumb from where it stands to `target`, reporting every
    // intermediate position as a track bar does while the mouse moves.
    void Drag(TEditorRow row, int target) {
        int p = Model.Row(row).Position;
        while (p != target) {
            p += p < target ? 1 : -1;
            Model.TrackChange(row, p);
        }
    }
    void DragMin(TEditorRow row, int target) { Model.PressMin(row), Drag(row, target); }
    void DragMax(TEditorRow row, int target) { Model.PressMax(row), Drag(row, target); }
};

// Asserts a row's effective bounds (selection and captions agree).
inline void ExpectBounds(const TEditorModel& model, TEditorRow row, int min, int max) {
    const TEditorRowState& r = model.Row(row);
    EXPECT_EQ(r.SelStart, min) << RowPrefix(row);
    EXPECT_EQ(r.SelEnd, max) << RowPrefix(row);
    EXPECT_EQ(r.MinCaption, std::to_string(min)) << RowPrefix(row);
    EXPECT_EQ(r.MaxCaption, std::to_string(max)) << RowPrefix(row);
}

} // namespace kv::test
