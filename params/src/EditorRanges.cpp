// The editor's derived bounds: suit bounds from the requested suit bounds, HCP
// bounds from the requested HCP bounds and the suit ranges.
#include "params/EditorModel.h"

#include "params/HCPLimits.h"

namespace kv {
namespace {

TSide Other(TSide side) {
    return side == TSide::South ? TSide::North : TSide::South;
}

} // namespace

THandLengths TEditorModel::RequestedLengths(TSide side) const {
    THandLengths lengths;
    for (std::size_t suit = 0; suit < 4; ++suit) {
        const TEditorRowState& r = Row(EditorRow(side, kSuitRanges[suit]));
        lengths.Min[suit] = r.MinTag;
        lengths.Max[suit] = r.MaxTag;
    }
    return lengths;
}

THandLengths TEditorModel::EffectiveLengths(TSide side) const {
    THandLengths lengths;
    for (std::size_t suit = 0; suit < 4; ++suit) {
        const TEditorRowState& r = Row(EditorRow(side, kSuitRanges[suit]));
        lengths.Min[suit] = r.SelStart;
        lengths.Max[suit] = r.SelEnd;
    }
    return lengths;
}

void TEditorModel::ApplyLengthRanges() {
    TChangeReport report(*this);
    DoApplyLengthRanges();
    report.Send();
}

void TEditorModel::DoApplyLengthRanges() {
    const TLengthRanges requested{RequestedLengths(TSide::South), RequestedLengths(TSide::North)};
    const TLengthRanges effective = GetLengthRanges(PatternList, requested);
    for (TSide side : {TSide::South, TSide::North}) {
        const THandLengths& hand = side == TSide::South ? effective.South : effective.North;
        for (std::size_t suit = 0; suit < 4; ++suit) {
            TEditorRowState& r = RowRef(EditorRow(side, kSuitRanges[suit]));
            r.SelStart = hand.Min[suit];
            r.SelEnd = hand.Max[suit];
        }
    }
}

int TEditorModel::ForcedMinHCP(TSide side) const {
    return kv::ForcedMinHCP(EffectiveLengths(side));
}

int TEditorModel::MaxPossibleHCP(TSide side) const {
    return kv::MaxPossibleHCP(EffectiveLengths(side));
}

void TEditorModel::ApplyHCPRanges() {
    TChangeReport report(*this);
    DoApplyHCPRanges();
    report.Send();
}

void TEditorModel::DoApplyHCPRanges() {
    const THCPLimits limits{ForcedMinHCP(TSide::South), MaxPossibleHCP(TSide::South),
                            ForcedMinHCP(TSide::North), MaxPossibleHCP(TSide::North)};
    TEditorRowState& south = RowRef(TEditorRow::SHCP);
    TEditorRowState& north = RowRef(TEditorRow::NHCP);
    const THCPBounds effective =
        DeriveHCPRanges(limits, {south.MinTag, south.MaxTag, north.MinTag, north.MaxTag});
    south.SelStart = effective.SMin;
    south.SelEnd = effective.SMax;
    north.SelStart = effective.NMin;
    north.SelEnd = effective.NMax;
}

void TEditorModel::CheckHCPBounds(TSide side, int minimum, int maximum) const {
    if (minimum < ForcedMinHCP(side) || maximum > MaxPossibleHCP(side)) throw EImpossibleHand("");
}

THCPMovePair TEditorModel::HCPMoveOf(TEditorRow row, bool actsOnMinimum, int p, int c) const {
    const TEditorRowState& moved = Row(row);
    const TEditorRowState& other = Row(EditorRow(Other(RowSide(row)), TRange::HCP));
    const THCPMovePair current{moved.SelStart, moved.SelEnd, other.SelStart, other.SelEnd};
    const THCPMovePair next =
        HCPMoveBounds(current, actsOnMinimum, p, c, moved.MinTag, other.MaxTag);
    CheckHCPBounds(RowSide(row), next.MMin, next.MMax);
    CheckHCPBounds(Other(RowSide(row)), next.OMin, next.OMax);
    return next;
}

} // namespace kv
