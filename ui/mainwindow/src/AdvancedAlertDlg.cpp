#include "AdvancedAlertDlg.h"

#include "ui/common/HelpContext.h"
#include "ui/common/WindowPlacement.h"
#include "ui/help/HelpSystem.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kv {

TAdvancedAlertDlg::TAdvancedAlertDlg(QWidget* parent)
    : QDialog(parent), ready_(new QPushButton(QStringLiteral("I'm ready!"), this)),
      wait_(new QPushButton(QStringLiteral("Wait till later"), this)),
      more_(new QPushButton(QStringLiteral("Tell me more"), this)),
      dontShow_(new QCheckBox(QStringLiteral("Don't show me this warning again"), this)) {
    setObjectName(QStringLiteral("AdvancedAlertDlg"));
    setWindowTitle(QStringLiteral("Confusion Alert"));
    SetHelpContext(this, help::ConfusionAlert);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    auto* text =
        new QLabel(QStringLiteral("If you are just starting to use Kestrovanhalme, consider "
                                  "experimenting a bit more before adding new hand types."),
                   this);
    text->setObjectName(QStringLiteral("AlertText"));
    text->setWordWrap(true);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setMargin(10);
    text->setMinimumWidth(300);
    ready_->setObjectName(QStringLiteral("ReadyBtn"));
    wait_->setObjectName(QStringLiteral("WaitBtn"));
    more_->setObjectName(QStringLiteral("MoreBtn"));
    dontShow_->setObjectName(QStringLiteral("DontShowCheck"));
    ready_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    for (QPushButton* button : {ready_, wait_, more_})
        button->setAutoDefault(false);
    connect(ready_, &QPushButton::clicked, this, &QDialog::accept);
    connect(wait_, &QPushButton::clicked, this, &QDialog::reject);
    connect(more_, &QPushButton::clicked, this,
            [] { THelpSystem::ShowContext(help::ConfusionAlert); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ready_);
    buttons->addWidget(wait_);
    buttons->addWidget(more_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(dontShow_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TAdvancedAlertDlg::DontShowAgain() const {
    return dontShow_->isChecked();
}

void TAdvancedAlertDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    wait_->setDefault(true);
    wait_->setFocus(Qt::OtherFocusReason);
}

} // namespace kv
