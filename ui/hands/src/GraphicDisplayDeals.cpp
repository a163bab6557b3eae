// The hands window's work: the opening sequences, "&Next Hand" and
// "&Previous Hand" over the session, the board's caption and the window's
// title, and the File menu's printing and saving of the session.
#include "HandsTable.h"
#include "SessionPbnSave.h"
#include "engine/SeedText.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/UserInputBlock.h"
#include "ui/enginehost/QtEngineHost.h"
#include "ui/hands/GraphicDisplayForm.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
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

// Opens the window beside the main window over a new session; the main window
// stays usable. A session whose boards were neither saved nor printed is
// given up only when the user agrees.
bool TGraphicDisplayForm::ShowDeals(TTypeList& types) {
    if (generating_ || host_.Generating() || !MayDiscardSession()) return false;
    if (!PrepareDeals(types)) {
        if (session_.Empty()) hide();
        return false;
    }
    if (!isVisible()) CentreOnScreen();
    ShowBeside();
    return true;
}

// The session starts from the seed before its first deal, so that the
// command-line program given that seed makes the same deals in the same order.
bool TGraphicDisplayForm::PrepareDeals(TTypeList& types) {
    if (generating_ || host_.Generating()) return false;
    types_ = &types;
    const bool dealt = WhileGenerating([&] { return dealer_.Start(types); });
    ShowBoard();
    return dealt;
}

bool TGraphicDisplayForm::ShowImported(std::vector<TBoardDeal> boards, const QString& source) {
    if (generating_ || host_.Generating() || boards.empty() || !MayDiscardSession()) return false;
    if (!PrepareImported(std::move(boards), source)) return false;
    if (!isVisible()) CentreOnScreen();
    ShowBeside();
    return true;
}

bool TGraphicDisplayForm::PrepareImported(std::vector<TBoardDeal> boards, const QString& source) {
    if (generating_ || host_.Generating() || boards.empty()) return false;
    types_ = nullptr;
    session_.StartImported(std::move(boards), source.toStdString());
    ShowBoard();
    return true;
}

void TGraphicDisplayForm::ShowBeside() {
    show();
    raise();
    activateWindow();
}

// While the generator runs with the event loop turning, no window takes input:
// nothing may change the types or the seed under it or start a second run.
bool TGraphicDisplayForm::WhileGenerating(const std::function<bool()>& deal) {
    const TUserInputBlock block;
    generating_ = true;
    UpdateButtons();
    const auto done = qScopeGuard([this] {
        generating_ = false;
        UpdateButtons();
    });
    return deal();
}

// One deal through the host's guarded entry; the main window's tabs follow
// the types the generator left out.
std::optional<TDealOutcome> TGraphicDisplayForm::Generate(TTypeList& types) {
    const TTypeList before = types;
    std::optional<TDealOutcome> outcome = host_.Deal(engine_, types);
    if (types != before && links_.TypesDealt) links_.TypesDealt(before);
    return outcome;
}

TFullDeal TGraphicDisplayForm::NextFullDeal() const {
    if (types_ == nullptr || !session_.Dealt()) return {};
    return dealer_.Ahead(*types_).value_or(TFullDeal{});
}

// Forward over the deals already shown without dealing; at the end of a
// dealt session, the next board.
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

// The types as the main window holds them now: a change made while this
// window is open takes effect here. Shows the deal made in advance at once
// when it was made from the same seed and types, else deals anew; then deals
// the following one. On failure the generator has said why and the boards
// stay, so that the user can widen the types and press again.
void TGraphicDisplayForm::DealNextHand() {
    if (links_.StoreTypes && !links_.StoreTypes()) return;
    nextHandButton_->setText(QStringLiteral("Calculating..."));
    const auto restore = qScopeGuard([this] {
        nextHandButton_->setText(QStringLiteral("&Next Hand"));
        UpdateButtons();
        if (isVisible()) nextHandButton_->setFocus();
        if (closeWaiting_) {
            closeWaiting_ = false;
            close();
        }
    });
    if (!WhileGenerating([this] { return dealer_.DealNext(*types_); })) return;
    ShowBoard();
    WhileGenerating([this] { return dealer_.DealAhead(*types_); });
    AnalyseNextDeal();
}

void TGraphicDisplayForm::ShowBoard() {
    dealShown_ = !session_.Empty();
    if (dealShown_) shownDeal_ = session_.Current().Deal;
    ShowHands();
    ShowBoardCaption();
    ShowTitle();
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
    QString number = QStringLiteral("Board %1").arg(board.Board);
    const TBoardType type = session_.TypeOf(session_.CurrentIndex());
    if (type.Of > 1) number += QStringLiteral(", type %1").arg(type.Number);
    table_->SetCaption(number, QStringLiteral("Dealer %1, Vul %2")
                                   .arg(QChar::fromLatin1(SeatLetter(board.Dealer)))
                                   .arg(VulnerabilityCaption(board.Vulnerable)));
}

// "Hands - seed 3ED4972F - board 3 of 7", or the file's name for its boards.
// The seed or file also shows beside the buttons, where a narrow title bar
// cannot cut it off.
void TGraphicDisplayForm::ShowTitle() {
    QString title = QStringLiteral("Hands");
    QString origin;
    if (const std::optional<std::int32_t> seed = session_.Seed()) {
        const QString text = QString::fromStdString(SeedToText(*seed));
        title += QStringLiteral(" - seed ") + text;
        origin = QStringLiteral("Seed ") + text;
    } else if (!session_.Source().empty()) {
        origin = QFileInfo(QString::fromStdString(session_.Source())).fileName();
        title += QStringLiteral(" - ") + origin;
    }
    sessionLabel_->setText(origin);
    if (!session_.Empty())
        title += QStringLiteral(" - board %1 of %2")
                     .arg(session_.CurrentIndex() + 1)
                     .arg(session_.Count());
    setWindowTitle(title);
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
    if (links_.PrintSession(this, session_)) session_.MarkKept();
}

void TGraphicDisplayForm::OnSaveAsPbn() {
    if (session_.Empty() || generating_) return;
    if (SaveSessionAsPbn(this, session_, options_.DoubleDummy)) session_.MarkKept();
}

// Boards dealt here and neither saved nor printed exist nowhere else.
bool TGraphicDisplayForm::MayDiscardSession() {
    if (!isVisible()) return true;
    const std::size_t unkept = session_.UnkeptBoards();
    if (unkept == 0) return true;
    return TMessageSeam::Confirm(
        this, QStringLiteral("Hands"),
        (unkept == 1 ? QStringLiteral("1 board was neither saved nor printed.")
                     : QStringLiteral("%1 boards were neither saved nor printed.").arg(unkept)) +
            QStringLiteral("\nDo you want to discard the session?"));
}

} // namespace kv
