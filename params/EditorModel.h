#pragma once
// The parameter editor as a model that needs no window.
//
// The editor shows one hand type in ten rows (see EditorRows.h). For each row
// it holds what the row's three controls show: the track bar's selection (the
// row's effective bounds) and thumb, which of the two buttons is pressed, and
// each button's caption (the effective bound in decimal), tag (the requested
// bound: -1 below a minimum, 14 or 38 above a maximum mean "no request") and
// face (bold exactly when the caption's number equals the tag).
//
// Every thumb move sets a requested bound; the model then derives all effective
// bounds of both hands from all requested ones, or refuses the move with a beep
// and restores the row exactly as it was. The view forwards every step of a
// drag to TrackChange and every button click to PressMin / PressMax, and
// redraws the rows the model reports through IEditorView::RowChanged.

#include "params/EditorRows.h"
#include "params/HCPLimits.h"
#include "params/HandParam.h"
#include "params/PatternList.h"

#include <array>
#include <optional>
#include <string>

namespace kv {

// What one row's controls show.
struct TEditorRowState {
    int SelStart = 0;             // track-bar selection start: the effective minimum
    int SelEnd = 0;               // track-bar selection end: the effective maximum
    int Position = 0;             // the thumb
    TBound Pressed = TBound::Min; // the pressed button: the bound the thumb edits
    std::string MinCaption;       // the effective minimum in decimal
    std::string MaxCaption;       // the effective maximum in decimal
    int MinTag = kNoMinRequest;   // requested minimum, -1 = no request
    int MaxTag = 0;               // requested maximum, 14 (suits) or 38 (HCP) = no request
    bool MinBold = false;         // MinCaption shown in bold
    bool MaxBold = false;         // MaxCaption shown in bold

    friend bool operator==(const TEditorRowState&, const TEditorRowState&) = default;
};

// What the model tells the window that shows it. Every call arrives while
// Updating() is set, so a thumb-change notification that the window's own
// redraw raises reaches TrackChange and does nothing.
class IEditorView {
  public:
    virtual ~IEditorView() = default;
    // A move was refused: sound the system's default beep.
    virtual void Beep() = 0;
    // Some field of this row's state changed: show Row(row) again.
    virtual void RowChanged(TEditorRow row) = 0;
    // LoadType or ResetEditor changed Frequency(): show it in the frequency box.
    virtual void FrequencyChanged() = 0;
};

class TEditorModel {
  public:
    // Builds PatternList and resets the editor. The view may be null (nothing
    // is reported) and may be set later; the model does not own it.
    explicit TEditorModel(IEditorView* view = nullptr);

    void SetView(IEditorView* view) { View = view; }

    const TEditorRowState& Row(TEditorRow row) const { return Rows[RowIndex(row)]; }
    const TPatternList& Patterns() const { return PatternList; }

    // While either flag is set, TrackChange does nothing. The window sets
    // Creating while it is being built and Updating while it changes editor
    // controls itself; the model sets Updating around its own changes.
    bool Updating() const { return UpdatingFlag; }
    bool Creating() const { return CreatingFlag; }
    void SetUpdating(bool on) { UpdatingFlag = on; }
    void SetCreating(bool on) { CreatingFlag = on; }

    // The frequency box's value; StoreType copies it into the type. Setting it
    // reports nothing (the window calls this when the box changes).
    int Frequency() const { return FrequencyValue; }
    void SetFrequency(int frequency) { FrequencyValue = frequency; }

    // Button click: the button becomes the pressed one of its row and the thumb
    // moves to the row's effective minimum (Min) or maximum (Max).
    void PressMin(TEditorRow row) { PressBound(row, TBound::Min); }
    void PressMax(TEditorRow row) { PressBound(row, TBound::Max); }
    void PressBound(TEditorRow row, TBound button);

    // Thumb change: the view's thumb of this row now stands at newPosition
    // (clamped to the row's 0..13 or 0..37). Sets the requested value of the
    // pressed button's bound (both requests of the row on a crossing) and
    // recomputes the effective bounds: for a suit row all sixteen suit bounds
    // and the four HCP bounds, for an HCP row the four HCP bounds. A move that
    // leaves no possible hand beeps and is undone, the thumb going back to the
    // pressed button's caption. Does nothing while Updating or Creating is set.
    void TrackChange(TEditorRow row, int newPosition);

    // Shows a hand type: selections and captions from its effective bounds,
    // tags from its requested bounds, every thumb at its row's minimum (pressed
    // buttons unchanged), Frequency from the type; then MarkRequested.
    void LoadType(const THandParam& type);

    // Every row back to no request: captions 0 and 37 or 13, tags -1 and 38 or
    // 14, Min buttons pressed, thumbs at 0, full selections, Frequency 100;
    // then MarkRequested (which leaves no caption bold).
    void ResetEditor();

    // Validates the editor's effective bounds. When they pass, copies the
    // editor into the type (effective bounds from the selections, requested
    // bounds from the tags, Frequency), lowers each suit maximum to 13 minus the
    // other hand's minimum in the copy, and returns nothing. Otherwise leaves the
    // type untouched and returns the failing check's message (for example "The
    // minimum HCP in the two hands exceeds 40."); the window shows it with
    // ImpossibleText. The editor itself never changes.
    std::optional<std::string> StoreType(THandParam& type) const;

    // The editor's contents as a hand type, without validation or adjustment.
    THandParam EditorType() const;

    // The steps the moves are made of, public for the window and for tests.
    // Each reports the rows it changed.
    // Computes the sixteen effective suit bounds from the requested ones
    // (GetLengthRanges) and writes them into the suit rows' selections; raises
    // EImpossibleHand("Error raised in GetLengthRanges") when the requests admit
    // no pair of South and North patterns, changing nothing.
    void ApplyLengthRanges();
    // Derives the four effective HCP bounds from the requested HCP bounds and
    // the HCP limits of both hands' effective suit ranges.
    void ApplyHCPRanges();
    // Least HCP that the effective suit minimums of a hand force (0..40).
    int ForcedMinHCP(TSide side) const;
    // Most HCP that a hand can hold within its effective suit ranges (0..40).
    int MaxPossibleHCP(TSide side) const;
    // Captions from the effective bounds; thumbs to the pressed button's bound.
    void ShowBounds();
    // Bold face exactly for the captions whose number equals their tag.
    void MarkRequested();

  private:
    // Tells the view which rows (and whether the frequency) changed since it
    // was made; every operation makes one and sends it at its end.
    class TChangeReport {
      public:
        explicit TChangeReport(TEditorModel& model);
        void Send();

      private:
        TEditorModel& Model;
        std::array<TEditorRowState, kEditorRowCount> Before;
        int FrequencyBefore;
    };

    TEditorRowState& RowRef(TEditorRow row) { return Rows[RowIndex(row)]; }
    static int CaptionValue(const std::string& caption);
    THandLengths RequestedLengths(TSide side) const;
    THandLengths EffectiveLengths(TSide side) const;
    THCPMovePair HCPMoveOf(TEditorRow row, bool actsOnMinimum, int p, int c) const;
    void CheckHCPBounds(TSide side, int minimum, int maximum) const;
    void SuitTrackChange(TEditorRow row, int position);
    void HCPTrackChange(TEditorRow row, int position);
    void Refuse();
    void DoResetEditor();
    void DoApplyLengthRanges();
    void DoApplyHCPRanges();
    void DoShowBounds();
    void DoMarkRequested();

    TPatternList PatternList;
    std::array<TEditorRowState, kEditorRowCount> Rows;
    IEditorView* View = nullptr;
    int FrequencyValue = 100;
    bool UpdatingFlag = false;
    bool CreatingFlag = false;
};

} // namespace kv
