#include "params/EditorModel.h"

#include "params/HCPLimits.h"
#include "params/TypeValidation.h"

#include <charconv>

namespace kv {

TEditorModel::TChangeReport::TChangeReport(TEditorModel& model)
    : Model(model), Before(model.Rows), FrequencyBefore(model.FrequencyValue) {}

void TEditorModel::TChangeReport::Send() {
    if (Model.View == nullptr) return;
    const bool wasUpdating = Model.UpdatingFlag;
    Model.UpdatingFlag = true;
    for (TEditorRow row : kAllEditorRows)
        if (Model.Row(row) != Before[static_cast<std::size_t>(RowIndex(row))])
            Model.View->RowChanged(row);
    if (Model.FrequencyValue != FrequencyBefore) Model.View->FrequencyChanged();
    Model.UpdatingFlag = wasUpdating;
}

TEditorModel::TEditorModel(IEditorView* view) : View(view) {
    DoResetEditor();
    DoMarkRequested();
}

void TEditorModel::LoadType(const THandParam& type) {
    TChangeReport report(*this);
    UpdatingFlag = true;
    for (TEditorRow row : kAllEditorRows) {
        TEditorRowState& r = RowRef(row);
        const TSide side = RowSide(row);
        const TRange range = RowRange(row);
        r.SelStart = type.Min(side, range);
        r.SelEnd = type.Max(side, range);
        r.MinCaption = std::to_string(r.SelStart);
        r.MaxCaption = std::to_string(r.SelEnd);
        r.MinTag = type.MinReq(side, range);
        r.MaxTag = type.MaxReq(side, range);
        r.Position = r.SelStart;
    }
    FrequencyValue = type.Frequency;
    UpdatingFlag = false;
    DoMarkRequested();
    report.Send();
}

void TEditorModel::ResetEditor() {
    TChangeReport report(*this);
    DoResetEditor();
    DoMarkRequested();
    report.Send();
}

void TEditorModel::DoResetEditor() {
    UpdatingFlag = true;
    for (TEditorRow row : kAllEditorRows) {
        TEditorRowState& r = RowRef(row);
        r.MinCaption = std::to_string(0);
        r.MaxCaption = std::to_string(RowTop(row));
        r.MinTag = kNoMinRequest;
        r.MaxTag = RowNoMaxRequest(row);
        r.Pressed = TBound::Min;
        r.Position = 0;
        r.SelStart = 0;
        r.SelEnd = RowTop(row);
    }
    FrequencyValue = 100;
    UpdatingFlag = false;
}

THandParam TEditorModel::EditorType() const {
    THandParam type;
    for (TEditorRow row : kAllEditorRows) {
        const TEditorRowState& r = Row(row);
        const TSide side = RowSide(row);
        const TRange range = RowRange(row);
        type.Min(side, range) = static_cast<std::uint8_t>(r.SelStart);
        type.Max(side, range) = static_cast<std::uint8_t>(r.SelEnd);
        type.MinReq(side, range) = static_cast<std::int8_t>(r.MinTag);
        type.MaxReq(side, range) = static_cast<std::int8_t>(r.MaxTag);
    }
    type.Frequency = FrequencyValue;
    return type;
}

std::optional<std::string> TEditorModel::StoreType(THandParam& type) const {
    THandParam stored = EditorType();
    if (std::optional<std::string> failure = ValidateType(stored)) return failure;
    AdjustSuitMaxima(stored);
    type = stored;
    return std::nullopt;
}

void TEditorModel::ShowBounds() {
    TChangeReport report(*this);
    DoShowBounds();
    report.Send();
}

void TEditorModel::DoShowBounds() {
    for (TEditorRowState& r : Rows) {
        r.MinCaption = std::to_string(r.SelStart);
        r.MaxCaption = std::to_string(r.SelEnd);
    }
    const bool wasUpdating = UpdatingFlag;
    UpdatingFlag = true;
    for (TEditorRowState& r : Rows)
        r.Position = r.Pressed == TBound::Min ? r.SelStart : r.SelEnd;
    UpdatingFlag = wasUpdating;
}

void TEditorModel::MarkRequested() {
    TChangeReport report(*this);
    DoMarkRequested();
    report.Send();
}

void TEditorModel::DoMarkRequested() {
    for (TEditorRowState& r : Rows) {
        r.MinBold = CaptionValue(r.MinCaption) == r.MinTag;
        r.MaxBold = CaptionValue(r.MaxCaption) == r.MaxTag;
    }
}

int TEditorModel::CaptionValue(const std::string& caption) {
    int value = 0;
    std::from_chars(caption.data(), caption.data() + caption.size(), value);
    return value;
}

} // namespace kv
