// The hands window's keys: the Go menu (first board, last board, a board by
// its number) and the keys shown beside the View menu's items.
#include "GoToBoardDialog.h"
#include "ui/common/HelpContext.h"
#include "ui/hands/GraphicDisplayForm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kv {

void TGraphicDisplayForm::BuildGoMenu(QMenuBar* bar) {
    QMenu* go = bar->addMenu(QStringLiteral("&Go"));
    go->setObjectName(QStringLiteral("Go1"));
    SetHelpContext(go, help::HandsDisplay);
    firstBoardItem_ = go->addAction(QStringLiteral("&First Board"));
    firstBoardItem_->setObjectName(QStringLiteral("FirstBoard1"));
    firstBoardItem_->setShortcut(QKeySequence(Qt::Key_Home));
    lastBoardItem_ = go->addAction(QStringLiteral("&Last Board"));
    lastBoardItem_->setObjectName(QStringLiteral("LastBoard1"));
    lastBoardItem_->setShortcut(QKeySequence(Qt::Key_End));
    go->addSeparator();
    goToBoardItem_ = go->addAction(QStringLiteral("Go to &Board..."));
    goToBoardItem_->setObjectName(QStringLiteral("GoToBoard1"));
    goToBoardItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(firstBoardItem_, &QAction::triggered, this, [this] { ShowBoardAt(0); });
    connect(lastBoardItem_, &QAction::triggered, this,
            [this] { ShowBoardAt(session_.Count() - 1); });
    connect(goToBoardItem_, &QAction::triggered, this, &TGraphicDisplayForm::OnGoToBoard);
}

// Ctrl+1 to Ctrl+4 for the hands, Ctrl+A and Ctrl+R for the sort orders,
// Ctrl+D for the double-dummy table.
void TGraphicDisplayForm::ShowViewKeys() {
    const std::pair<QAction*, QKeyCombination> keys[] = {
        {northItem_, Qt::CTRL | Qt::Key_1},
        {southItem_, Qt::CTRL | Qt::Key_2},
        {bothItem_, Qt::CTRL | Qt::Key_3},
        {allItem_, Qt::CTRL | Qt::Key_4},
        {alternateColorsItem_, Qt::CTRL | Qt::Key_A},
        {suitRankItem_, Qt::CTRL | Qt::Key_R},
        {doubleDummyItem_, Qt::CTRL | Qt::Key_D}};
    for (const auto& [item, key] : keys)
        item->setShortcut(QKeySequence(key));
}

// Browsing never deals, as "&Previous Hand" does not.
void TGraphicDisplayForm::ShowBoardAt(std::size_t index) {
    if (index == session_.CurrentIndex() || !session_.GoTo(index)) return;
    ShowBoard();
}

// Not while a deal is being made: the dialog would hold up the dealing.
void TGraphicDisplayForm::OnGoToBoard() {
    if (session_.Empty() || generating_) return;
    TGoToBoardDialog dialog(session_, this);
    if (dialog.exec() == QDialog::Accepted && dialog.ChosenIndex())
        ShowBoardAt(*dialog.ChosenIndex());
}

void TGraphicDisplayForm::UpdateGoItems() {
    firstBoardItem_->setEnabled(!session_.AtFirst());
    lastBoardItem_->setEnabled(!session_.AtLast());
    goToBoardItem_->setEnabled(!session_.Empty() && !generating_);
}

} // namespace kv
