// The hands window's work: the opening sequences, "&Next Hand" and
// "&Previous Hand" over the session, the board's caption, and the File
// menu's printing and saving of the session.
#include "HandsTable.h"
#include "SessionPbnSave.h"
#include "ui/common/UserInputBlock.h"
#include "ui/enginehost/QtEngineHost.h"
#include "ui/hands/GraphicDisplayForm.h"

#include <QAction>
#include <QPushButton>
#include <QScopeGuard>

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
    session_.StartDealt(engine_.Random().RandomSeed);
    nextDealt_ = false;
    std::optional<TFullDeal> first = Generate();
    if (!first) return false;
    session_.Append(*first);
    ShowBoard();
    std::optional<TFullDeal> next = Generate();
    if (!next) return false;
    KeepAsNextDeal(*next);
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

std::optional<TFullDeal> TGraphicDisplayForm::Generate() {
    generating_ = true;
    UpdateButtons();
    const auto done = qScopeGuard([this] {
        generating_ = false;
        UpdateButtons();
    });
    return host_.Generate(engine_, *types_);
}

void TGraphicDisplayForm::KeepAsNextDeal(const TFullDeal& deal) {
    nextDeal_ = deal;
    nextDealt_ = true;
    AnalyseNextDeal();
}

// Forward over the deals already shown without dealing; at the end of a
// dealt session, the deal made in advance.
void TGraphicDisplayForm::OnNextHand() {
    if (generating_) return;
    if (session_.Forward()) {
        ShowBoard();
        return;
    }
    if (session_.Dealt() && types_ != nullptr) DealNextHand();
}

// Back over the deals already shown: never deals, never draws a random number.
void TGraphicDisplayForm::OnPreviousHand() {
    if (session_.Back()) ShowBoard();
}

// Shows the deal made in advance at once, then deals the following one. On
// failure the generator has said why (and may have closed this window);
// the shown deal and the next deal are then the same, and the next press deals
// anew instead of showing that deal a second time.
void TGraphicDisplayForm::DealNextHand() {
    nextHandButton_->setText(QStringLiteral("Calculating..."));
    const auto restore = qScopeGuard([this] {
        nextHandButton_->setText(QStringLiteral("&Next Hand"));
        UpdateButtons();
        if (isVisible()) nextHandButton_->setFocus();
        if (closeWaiting_) {
            closeWaiting_ = false;
            QDialog::reject();
        }
    });
    if (!nextDealt_) {
        const std::optional<TFullDeal> deal = Generate();
        if (!deal) return;
        KeepAsNextDeal(*deal);
    }
    session_.Append(nextDeal_);
    nextDealt_ = false;
    ShowBoard();
    if (const std::optional<TFullDeal> deal = Generate()) KeepAsNextDeal(*deal);
}

void TGraphicDisplayForm::ShowBoard() {
    const TBoardDeal& board = session_.Current();
    shownDeal_ = board.Deal;
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
    previousHandButton_->setEnabled(!session_.AtFirst());
    const bool canDeal = session_.Dealt() && types_ != nullptr;
    nextHandButton_->setEnabled(!generating_ && (!session_.AtLast() || canDeal));
    printHandsItem_->setEnabled(!session_.Empty() && static_cast<bool>(links_.PrintSession));
    saveAsPbnItem_->setEnabled(!session_.Empty());
    UpdateGoItems();
}

void TGraphicDisplayForm::OnPrintHands() {
    if (session_.Empty() || !links_.PrintSession || generating_) return;
    links_.PrintSession(this, session_);
}

void TGraphicDisplayForm::OnSaveAsPbn() {
    if (session_.Empty() || generating_) return;
    SaveSessionAsPbn(this, session_, options_.DoubleDummy);
}

} // namespace kv
