// The hands window's views: drawing the shown deal in the view ticked in the
// View menu, the window's size for that view, the sort order, and the
// double-dummy table of the shown deal.
#include "DoubleDummyAnalyser.h"
#include "DoubleDummyPanel.h"
#include "HandPanel.h"
#include "HandsTable.h"
#include "output/cardfaces/CardRow.h"
#include "ui/hands/GraphicDisplayForm.h"

#include <QAction>
#include <QLayout>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>

namespace kv {

// Every row is drawn, the hidden ones too; a hand the board does not give is
// shown as unknown.
void TGraphicDisplayForm::ShowHands() {
    const TFullDeal& deal = shownDeal_;
    const bool known = !session_.Empty() && dealShown_;
    for (int seat = 0; seat < 4; ++seat) {
        TCardRowView* view = table_->Panel(seat)->View();
        if (known && !session_.Current().Known[static_cast<std::size_t>(seat)])
            view->ShowUnknown();
        else
            view->DrawRow(
                CardRow(deal.Hands[static_cast<std::size_t>(seat)], options_.SortSuitsByRank),
                images_);
    }
}

THandToView TGraphicDisplayForm::TickedView() const {
    if (northItem_->isChecked()) return THandToView::North;
    if (southItem_->isChecked()) return THandToView::South;
    if (allItem_->isChecked()) return THandToView::All;
    return THandToView::Both;
}

// The window takes the view's size at the zoom the user chose, smaller when
// the screen cannot hold it, and can be made as small as the view at the
// smallest zoom. The panels are placed at once, also while the window is hidden.
void TGraphicDisplayForm::ApplyHandView() {
    fitting_ = true; // a new minimum size may resize the window too
    const auto fitted = qScopeGuard([this] { fitting_ = false; });
    table_->SetView(TickedView(), options_.DoubleDummy);
    const double zoom = FittingZoom(zoom_);
    table_->SetPreferredZoom(zoom);
    const QSize natural = table_->NaturalSize();
    const QSize smallest = table_->minimumSizeHint();
    const int minWidth = std::max(smallest.width(), controlPanel_->minimumSizeHint().width());
    setMinimumSize(minWidth, smallest.height() + kControlPanelHeight + MenuBarHeight(minWidth));
    const int width = Zoomed(natural.width(), zoom);
    const int height = Zoomed(natural.height(), zoom) + kControlPanelHeight;
    resize(width, height + MenuBarHeight(width));
    layout()->invalidate();
    layout()->activate();
    client_->layout()->invalidate();
    client_->layout()->activate();
    table_->Arrange();
}

void TGraphicDisplayForm::TickHandItem() {
    switch (options_.HandToView) {
    case THandToView::North:
        northItem_->setChecked(true);
        break;
    case THandToView::South:
        southItem_->setChecked(true);
        break;
    case THandToView::Both:
        bothItem_->setChecked(true);
        break;
    case THandToView::All:
        allItem_->setChecked(true);
        break;
    }
}

void TGraphicDisplayForm::OnHandChosen(QAction*) {
    ApplyHandView();
    options_.HandToView = TickedView();
    emit ViewOptionsChanged(options_);
}

void TGraphicDisplayForm::OnSortOrderChosen(QAction* item) {
    options_.SortSuitsByRank = item == suitRankItem_;
    ShowHands();
    emit ViewOptionsChanged(options_);
}

void TGraphicDisplayForm::SetViewOptions(const THandsViewOptions& options) {
    options_ = options;
    zoom_ = options_.CardSize / 100.0;
    (options_.SortSuitsByRank ? suitRankItem_ : alternateColorsItem_)->setChecked(true);
    doubleDummyItem_->setChecked(options_.DoubleDummy);
    TickHandItem();
    ApplyHandView();
    ShowHands();
    if (!options_.DoubleDummy) analyser_->Cancel();
    if (!isVisible()) return;
    AnalyseShownDeal();
    AnalyseNextDeal();
}

void TGraphicDisplayForm::KeepCardSize() {
    const int size = static_cast<int>(std::lround(zoom_ * 100));
    if (size == options_.CardSize) return;
    options_.CardSize = size;
    emit ViewOptionsChanged(options_);
}

void TGraphicDisplayForm::OnDoubleDummyToggled(bool checked) {
    options_.DoubleDummy = checked;
    ApplyHandView();
    if (checked) {
        AnalyseShownDeal();
        AnalyseNextDeal();
    } else {
        analyser_->Cancel();
    }
    emit ViewOptionsChanged(options_);
}

// The par is the par of the board's own dealer and vulnerability.
void TGraphicDisplayForm::AnalyseShownDeal() {
    if (!options_.DoubleDummy) return;
    TDoubleDummyPanel* panel = table_->DoubleDummy();
    if (!dealShown_ || session_.Empty()) {
        panel->ShowNothing();
        return;
    }
    const TBoardDeal& board = session_.Current();
    if (!board.Complete()) {
        panel->ShowIncomplete();
        return;
    }
    const std::optional<TDDAnalysis> known =
        analyser_->Request({ShownFullDeal(), static_cast<int>(board.Dealer), board.Vulnerable});
    awaited_ = analyser_->Generation();
    if (known)
        panel->ShowAnalysis(*known);
    else
        panel->ShowAnalysing();
}

// The deal "&Next Hand" would show: the next kept board, or at the end the
// deal made in advance as the board after the last.
void TGraphicDisplayForm::AnalyseNextDeal() {
    if (!options_.DoubleDummy || session_.Empty()) return;
    if (!session_.AtLast()) {
        const TBoardDeal& next = session_.Boards()[session_.CurrentIndex() + 1];
        if (next.Complete())
            analyser_->Prefetch({next.Deal, static_cast<int>(next.Dealer), next.Vulnerable});
        return;
    }
    if (types_ == nullptr || !session_.Dealt()) return;
    const std::optional<TFullDeal> ahead = dealer_.Ahead(*types_);
    if (!ahead) return;
    const int number = static_cast<int>(session_.Count()) + 1;
    analyser_->Prefetch(
        {*ahead, static_cast<int>(BoardDealer(number)), BoardVulnerability(number)});
}

// Only the answer to the latest request for the shown deal is shown.
void TGraphicDisplayForm::AnalysisReady(quint64 generation, const TDDAnalysis& analysis) {
    if (generation == awaited_ && options_.DoubleDummy)
        table_->DoubleDummy()->ShowAnalysis(analysis);
}

} // namespace kv
