// The hands window's work: the opening sequence, "&Next Hand", drawing the
// shown deal, and the View menu's choices.
#include "CardRow.h"
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
    ShowHands();
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
}

// Shows the deal made in advance at once, then deals the following one. On
// failure the generator has said why (and may have closed this window);
// ShownDeal and NextDeal then hold the same deal.
void TGraphicDisplayForm::NextHandBtnClick() {
    if (generating_ || types_ == nullptr) return;
    engine_.ShownDeal.North.Assign(engine_.NextDeal.North);
    engine_.ShownDeal.South.Assign(engine_.NextDeal.South);
    ShowHands();
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
    client_->setFixedHeight(kControlPanelHeight + (south && north ? 2 : 1) * kHandPanelHeight);
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
    TickHandItem();
    ApplyHandView();
    ShowHands();
}

} // namespace kv
