// The hands window's work: the opening sequence, "&Next Hand", drawing the
// shown deal, its double-dummy table, and the View menu's choices.
#include "CardRow.h"
#include "DoubleDummyAnalyser.h"
#include "DoubleDummyPanel.h"
#include "GraphicDisplayForm.h"
#include "HandPanel.h"
#include "QtEngineHost.h"
#include "UserInputBlock.h"

#include <QAction>
#include <QLayout>
#include <QPushButton>
#include <QScopeGuard>

namespace kv {

bool TGraphicDisplayForm::ShowDeals(TTypeList& types) {
    if (!PrepareDeals(types)) return false;
    CentreOnScreen();
    exec();
    return true;
}

bool TGraphicDisplayForm::PrepareDeals(TTypeList& types) {
    if (generating_ || host_.Generating()) return false;
    types_ = &types;
    const TUserInputBlock block; // the main window waits while the two deals are made
    if (!Generate()) return false;
    engine_.ShownDeal.North.Assign(engine_.NorthHand);
    engine_.ShownDeal.South.Assign(engine_.SouthHand);
    shownEastWest_ = {engine_.EastHand, engine_.WestHand};
    dealShown_ = true;
    nextDealt_ = false;
    ShowHands();
    AnalyseShownDeal();
    if (!Generate()) return false;
    KeepAsNextDeal();
    return true;
}

bool TGraphicDisplayForm::Generate() {
    generating_ = true;
    const auto done = qScopeGuard([this] { generating_ = false; });
    return host_.Generate(engine_, *types_);
}

void TGraphicDisplayForm::KeepAsNextDeal() {
    engine_.NextDeal.North.Assign(engine_.NorthHand);
    engine_.NextDeal.South.Assign(engine_.SouthHand);
    nextEastWest_ = {engine_.EastHand, engine_.WestHand};
    nextDealt_ = true;
    AnalyseNextDeal();
}

TFullDeal TGraphicDisplayForm::ShownFullDeal() const {
    return TFullDeal{{engine_.ShownDeal.North, shownEastWest_.East, engine_.ShownDeal.South,
                      shownEastWest_.West}};
}

TFullDeal TGraphicDisplayForm::NextFullDeal() const {
    return TFullDeal{
        {engine_.NextDeal.North, nextEastWest_.East, engine_.NextDeal.South, nextEastWest_.West}};
}

// Shows the deal made in advance at once, then deals the following one. On
// failure the generator has said why (and may have closed this window);
// ShownDeal and NextDeal then hold the same deal.
void TGraphicDisplayForm::NextHandBtnClick() {
    if (generating_ || types_ == nullptr) return;
    engine_.ShownDeal.North.Assign(engine_.NextDeal.North);
    engine_.ShownDeal.South.Assign(engine_.NextDeal.South);
    shownEastWest_ = nextEastWest_;
    ShowHands();
    AnalyseShownDeal();
    nextHandBtn_->setText(QStringLiteral("Calculating..."));
    nextHandBtn_->setEnabled(false);
    if (Generate()) KeepAsNextDeal();
    nextHandBtn_->setText(QStringLiteral("&Next Hand"));
    nextHandBtn_->setEnabled(true);
    if (isVisible()) nextHandBtn_->setFocus();
    if (closeWaiting_) {
        closeWaiting_ = false;
        QDialog::reject();
    }
}

void TGraphicDisplayForm::ShowHands() {
    const std::vector<int> south = CardRow(engine_.ShownDeal.South, options_.SortSuitsByRank);
    const std::vector<int> north = CardRow(engine_.ShownDeal.North, options_.SortSuitsByRank);
    southPanel_->View()->Clear();
    northPanel_->View()->Clear();
    southPanel_->View()->DrawRow(south, images_);
    northPanel_->View()->DrawRow(north, images_);
}

void TGraphicDisplayForm::ApplyHandView() {
    const bool south = !north1_->isChecked();
    const bool north = !south1_->isChecked();
    southPanel_->setHidden(!south);
    northPanel_->setHidden(!north);
    doubleDummyPanel_->setHidden(!options_.DoubleDummy);
    client_->setFixedHeight(kControlPanelHeight + (south && north ? 2 : 1) * kHandPanelHeight +
                            (options_.DoubleDummy ? kDoubleDummyPanelHeight : 0));
    layout()->activate();
}

void TGraphicDisplayForm::TickHandItem() {
    switch (options_.HandToView) {
    case THandToView::North:
        north1_->setChecked(true);
        break;
    case THandToView::South:
        south1_->setChecked(true);
        break;
    case THandToView::Both:
        both1_->setChecked(true);
        break;
    }
}

void TGraphicDisplayForm::HandItemClick(QAction* item) {
    ApplyHandView();
    options_.HandToView = item == north1_   ? THandToView::North
                          : item == south1_ ? THandToView::South
                                            : THandToView::Both;
    emit ViewOptionsChanged(options_);
}

void TGraphicDisplayForm::SortOrderItemClick(QAction* item) {
    options_.SortSuitsByRank = item == suitRank1_;
    ShowHands();
    emit ViewOptionsChanged(options_);
}

void TGraphicDisplayForm::SetViewOptions(const THandsViewOptions& options) {
    options_ = options;
    (options_.SortSuitsByRank ? suitRank1_ : alternateColors1_)->setChecked(true);
    doubleDummy1_->setChecked(options_.DoubleDummy);
    TickHandItem();
    ApplyHandView();
    ShowHands();
    if (!options_.DoubleDummy) analyser_->Cancel();
    if (!isVisible()) return;
    AnalyseShownDeal();
    AnalyseNextDeal();
}

void TGraphicDisplayForm::DoubleDummyItemClick(bool checked) {
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

void TGraphicDisplayForm::AnalyseShownDeal() {
    if (!options_.DoubleDummy) return;
    if (!dealShown_) {
        doubleDummyPanel_->ShowNothing();
        return;
    }
    const std::optional<TDDAnalysis> known = analyser_->Request(ShownFullDeal());
    awaited_ = analyser_->Generation();
    if (known)
        doubleDummyPanel_->ShowAnalysis(*known);
    else
        doubleDummyPanel_->ShowAnalysing();
}

void TGraphicDisplayForm::AnalyseNextDeal() {
    if (options_.DoubleDummy && nextDealt_) analyser_->Prefetch(NextFullDeal());
}

// Only the answer to the latest request for the shown deal is shown.
void TGraphicDisplayForm::AnalysisReady(quint64 generation, const TDDAnalysis& analysis) {
    if (generation == awaited_ && options_.DoubleDummy) doubleDummyPanel_->ShowAnalysis(analysis);
}

} // namespace kv
