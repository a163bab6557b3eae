// The hands window's work: the opening sequences, "&Next Hand" and
// "&Previous Hand" over the session, drawing the shown deal with its board
// caption, its double-dummy table, and the View menu's choices.
#include "CardRow.h"
#include "DoubleDummyAnalyser.h"
#include "DoubleDummyPanel.h"
#include "GraphicDisplayForm.h"
#include "HandPanel.h"
#include "HandsTable.h"
#include "QtEngineHost.h"
#include "SessionPbnSave.h"
#include "UserInputBlock.h"

#include <QAction>
#include <QLayout>
#include <QPushButton>
#include <QScopeGuard>

#include <algorithm>

namespace kv {
namespace {

// "None", "N-S", "E-W" or "Both", as players say it.
QString VulnerabilityCaption(const std::string& vulnerable) {
    if (vulnerable == "NS") return QStringLiteral("N-S");
    if (vulnerable == "EW") return QStringLiteral("E-W");
    if (vulnerable == "All") return QStringLiteral("Both");
    return QStringLiteral("None");
}

} // namespace

bool TGraphicDisplayForm::ShowDeals(TTypeList& types) {
    if (!PrepareDeals(types)) return false;
    CentreOnScreen();
    exec();
    return true;
}

// The session starts from the seed before its first deal, so that the
// command-line program given that seed makes the same deals in the same order.
bool TGraphicDisplayForm::PrepareDeals(TTypeList& types) {
    if (generating_ || host_.Generating()) return false;
    types_ = &types;
    const TUserInputBlock block; // the main window waits while the two deals are made
    session_.StartDealt(engine_.Random.RandomSeed);
    nextDealt_ = false;
    if (!Generate()) return false;
    session_.Append(EngineDeal());
    ShowBoard();
    if (!Generate()) return false;
    KeepAsNextDeal();
    return true;
}

bool TGraphicDisplayForm::ShowImported(std::vector<TBoardDeal> boards, const QString& source) {
    if (!PrepareImported(std::move(boards), source)) return false;
    CentreOnScreen();
    exec();
    return true;
}

bool TGraphicDisplayForm::PrepareImported(std::vector<TBoardDeal> boards, const QString& source) {
    if (generating_ || host_.Generating() || boards.empty()) return false;
    types_ = nullptr;
    nextDealt_ = false;
    session_.StartImported(std::move(boards), source.toStdString());
    ShowBoard();
    return true;
}

bool TGraphicDisplayForm::Generate() {
    generating_ = true;
    UpdateButtons();
    const auto done = qScopeGuard([this] {
        generating_ = false;
        UpdateButtons();
    });
    return host_.Generate(engine_, *types_);
}

TFullDeal TGraphicDisplayForm::EngineDeal() const {
    return TFullDeal{{engine_.NorthHand, engine_.EastHand, engine_.SouthHand, engine_.WestHand}};
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

// Forward over the deals already shown without dealing; at the end of a
// dealt session, the deal made in advance.
void TGraphicDisplayForm::NextHandBtnClick() {
    if (generating_) return;
    if (session_.Forward()) {
        ShowBoard();
        return;
    }
    if (session_.Dealt() && types_ != nullptr) DealNextHand();
}

// Back over the deals already shown: never deals, never draws a random number.
void TGraphicDisplayForm::PreviousHandBtnClick() {
    if (session_.Back()) ShowBoard();
}

// Shows the deal made in advance at once, then deals the following one. On
// failure the generator has said why (and may have closed this window);
// ShownDeal and NextDeal then hold the same deal, and the next press deals
// anew instead of showing that deal a second time.
void TGraphicDisplayForm::DealNextHand() {
    nextHandBtn_->setText(QStringLiteral("Calculating..."));
    const auto restore = qScopeGuard([this] {
        nextHandBtn_->setText(QStringLiteral("&Next Hand"));
        UpdateButtons();
        if (isVisible()) nextHandBtn_->setFocus();
        if (closeWaiting_) {
            closeWaiting_ = false;
            QDialog::reject();
        }
    });
    if (!nextDealt_) {
        if (!Generate()) return;
        KeepAsNextDeal();
    }
    session_.Append(NextFullDeal());
    nextDealt_ = false;
    ShowBoard();
    if (Generate()) KeepAsNextDeal();
}

void TGraphicDisplayForm::ShowBoard() {
    const TBoardDeal& board = session_.Current();
    engine_.ShownDeal.North.Assign(board.Deal.Hands[0]);
    engine_.ShownDeal.South.Assign(board.Deal.Hands[2]);
    shownEastWest_ = {board.Deal.Hands[1], board.Deal.Hands[3]};
    dealShown_ = true;
    ShowHands();
    ShowBoardCaption();
    UpdateButtons();
    AnalyseShownDeal();
    AnalyseNextDeal();
}

void TGraphicDisplayForm::ShowBoardCaption() {
    if (session_.Empty()) {
        table_->SetCaption({}, {});
        return;
    }
    const TBoardDeal& board = session_.Current();
    table_->SetCaption(QStringLiteral("Board %1").arg(board.Board),
                       QStringLiteral("Dealer %1, Vul %2")
                           .arg(QChar::fromLatin1(SeatLetter(board.Dealer)))
                           .arg(VulnerabilityCaption(board.Vulnerable)));
}

void TGraphicDisplayForm::UpdateButtons() {
    previousHandBtn_->setEnabled(!session_.AtFirst());
    const bool canDeal = session_.Dealt() && types_ != nullptr;
    nextHandBtn_->setEnabled(!generating_ && (!session_.AtLast() || canDeal));
    printHands1_->setEnabled(!session_.Empty() && static_cast<bool>(links_.PrintSession));
    saveAsPbn1_->setEnabled(!session_.Empty());
}

// Every row is drawn, the hidden ones too; a hand the board does not give is
// shown as unknown.
void TGraphicDisplayForm::ShowHands() {
    const TFullDeal deal = ShownFullDeal();
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
    if (north1_->isChecked()) return THandToView::North;
    if (south1_->isChecked()) return THandToView::South;
    if (all1_->isChecked()) return THandToView::All;
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
        north1_->setChecked(true);
        break;
    case THandToView::South:
        south1_->setChecked(true);
        break;
    case THandToView::Both:
        both1_->setChecked(true);
        break;
    case THandToView::All:
        all1_->setChecked(true);
        break;
    }
}

void TGraphicDisplayForm::HandItemClick(QAction*) {
    ApplyHandView();
    options_.HandToView = TickedView();
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
    if (!nextDealt_) return;
    const int number = static_cast<int>(session_.Count()) + 1;
    analyser_->Prefetch(
        {NextFullDeal(), static_cast<int>(BoardDealer(number)), BoardVulnerability(number)});
}

// Only the answer to the latest request for the shown deal is shown.
void TGraphicDisplayForm::AnalysisReady(quint64 generation, const TDDAnalysis& analysis) {
    if (generation == awaited_ && options_.DoubleDummy)
        table_->DoubleDummy()->ShowAnalysis(analysis);
}

void TGraphicDisplayForm::PrintHandsClick() {
    if (session_.Empty() || !links_.PrintSession || generating_) return;
    links_.PrintSession(this, session_);
}

void TGraphicDisplayForm::SaveAsPbnClick() {
    if (session_.Empty() || generating_) return;
    SaveSessionAsPbn(this, session_, options_.DoubleDummy);
}

} // namespace kv
