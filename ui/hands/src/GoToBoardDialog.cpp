#include "GoToBoardDialog.h"

#include "ui/common/HelpContext.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace kv {
namespace {

std::pair<int, int> NumberRange(const TDealSession& session) {
    const auto& boards = session.Boards();
    const auto [low, high] = std::minmax_element(
        boards.begin(), boards.end(),
        [](const TBoardDeal& a, const TBoardDeal& b) { return a.Board < b.Board; });
    return {low->Board, high->Board};
}

} // namespace

TGoToBoardDialog::TGoToBoardDialog(const TDealSession& session, QWidget* parent)
    : QDialog(parent), session_(session), number_(new QSpinBox(this)) {
    setObjectName(QStringLiteral("GoToBoardDialog"));
    setWindowTitle(QStringLiteral("Go to Board"));
    SetHelpContext(this, help::HandsDisplay);
    number_->setObjectName(QStringLiteral("BoardNumberEdit"));
    const auto [low, high] = NumberRange(session);
    number_->setRange(low, high);
    number_->setValue(session.Current().Board);
    auto* label = new QLabel(QStringLiteral("&Board (%1 to %2):").arg(low).arg(high), this);
    label->setBuddy(number_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TGoToBoardDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(number_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitTitle(*this);
}

void TGoToBoardDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnParent(*this);
    number_->setFocus(Qt::OtherFocusReason);
    number_->selectAll();
}

void TGoToBoardDialog::accept() {
    number_->interpretText();
    const int board = number_->value();
    chosen_ = session_.IndexOfBoard(board);
    if (!chosen_) {
        TMessageSeam::Show(this, TMessageKind::Warning, QStringLiteral("Go to Board"),
                           QStringLiteral("There is no board %1 in this session.").arg(board));
        number_->setFocus(Qt::OtherFocusReason);
        number_->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace kv
