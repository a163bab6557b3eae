// What the user does with the editor: clicking a Min or Max button and moving
// a thumb. A move that leaves no possible hand is answered with a beep and
// undone exactly.
#include "params/EditorModel.h"

#include "params/HCPLimits.h"

#include <algorithm>

namespace kv {
namespace {

TSide Other(TSide side) {
    return side == TSide::South ? TSide::North : TSide::South;
}

// A move of the edited bound past the row's other effective bound.
bool IsCrossing(const TEditorRowState& r, int position) {
    return r.Pressed == TBound::Min ? position > r.SelEnd : position < r.SelStart;
}

} // namespace

void TEditorModel::PressBound(TEditorRow row, TBound button) {
    TChangeReport report(*this);
    TEditorRowState& r = RowRef(row);
    r.Pressed = button;
    const bool wasUpdating = UpdatingFlag;
    UpdatingFlag = true;
    r.Position = button == TBound::Min ? r.SelStart : r.SelEnd;
    report.Send();
    UpdatingFlag = wasUpdating;
}

void TEditorModel::TrackChange(TEditorRow row, int newPosition) {
    if (UpdatingFlag || CreatingFlag) return;
    TEditorRowState& r = RowRef(row);
    r.Position = std::clamp(newPosition, 0, RowTop(row));
    if (IsHCPRow(row))
        HCPTrackChange(row, r.Position);
    else
        SuitTrackChange(row, r.Position);
}

void TEditorModel::SuitTrackChange(TEditorRow row, int p) {
    TChangeReport report(*this);
    TEditorRowState& r = RowRef(row);
    const bool editsMin = r.Pressed == TBound::Min;
    const bool crossing = IsCrossing(r, p);
    UpdatingFlag = true;
    const int savedMinTag = r.MinTag;
    const int savedMaxTag = r.MaxTag;
    (editsMin ? r.MinTag : r.MaxTag) = p;
    if (crossing) (editsMin ? r.MaxTag : r.MinTag) = p;
    try {
        DoApplyLengthRanges();
        DoApplyHCPRanges();
        DoShowBounds();
        DoMarkRequested();
    } catch (const EImpossibleHand&) {
        Refuse();
        r.MinTag = savedMinTag;
        r.MaxTag = savedMaxTag;
        r.Position = CaptionValue(editsMin ? r.MinCaption : r.MaxCaption);
    }
    report.Send();
    UpdatingFlag = false;
}

void TEditorModel::HCPTrackChange(TEditorRow row, int p) {
    TEditorRowState& r = RowRef(row);
    const bool editsMin = r.Pressed == TBound::Min;
    const int c = CaptionValue(editsMin ? r.MinCaption : r.MaxCaption);
    if (p == c) return;
    TChangeReport report(*this);
    const bool crossing = IsCrossing(r, p);
    UpdatingFlag = true;
    try {
        const THCPMovePair next = HCPMoveOf(row, editsMin || crossing, p, c);
        TEditorRowState& other = RowRef(EditorRow(Other(RowSide(row)), TRange::HCP));
        r.SelStart = next.MMin, r.SelEnd = next.MMax;
        other.SelStart = next.OMin, other.SelEnd = next.OMax;
        (editsMin ? r.MinTag : r.MaxTag) = p;
        if (crossing) r.SelStart = r.SelEnd = r.MinTag = r.MaxTag = p;
        DoShowBounds();
        DoMarkRequested();
    } catch (const EImpossibleHand&) {
        Refuse();
        r.Position = c;
    }
    report.Send();
    UpdatingFlag = false;
}

void TEditorModel::Refuse() {
    if (View != nullptr) View->Beep();
}

} // namespace kv
