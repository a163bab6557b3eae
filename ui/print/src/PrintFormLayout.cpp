// The controls of the print dialog and their places: the number of hands on
// top, a rule, two columns of copies, the two check boxes, the buttons, and
// the status bar under everything.
#include "CountBox.h"
#include "ui/common/HelpContext.h"
#include "ui/print/PrintForm.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kv {
namespace {

// The captions of the count boxes: South, North, both, deals, West, East, All.
constexpr std::array<const char*, 7> kCaptions{"Copies with &South hands only:",
                                               "Copies with &North hands only:",
                                               "Copies with &both South and North hands:",
                                               "Number of &hands to print:",
                                               "Copies with &West hands only:",
                                               "Copies with &East hands only:",
                                               "Copies with &All four hands:"};

QPushButton* Button(const char* name, const char* caption, int help, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    SetHelpContext(button, help);
    return button;
}

QLabel* Caption(int index, QWidget* buddy, QWidget* parent) {
    auto* label =
        new QLabel(QString::fromLatin1(kCaptions[static_cast<std::size_t>(index)]), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

void TPrintForm::BuildControls() {
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i] = new TCountBox(static_cast<int>(i + 1), this);
        SetHelpContext(counts_[i], help::PrintDialog);
        counts_[i]->setMinimumWidth(60);
    }
    dealerBox_ = new QCheckBox(QStringLiteral("Indicate &dealer and vul."), this);
    dealerBox_->setObjectName(QStringLiteral("CheckBox1"));
    SetHelpContext(dealerBox_, help::Contents);
    // Alt+O: D is the dealer box's.
    doubleDummyBox_ = new QCheckBox(QStringLiteral("Sh&ow double-dummy results"), this);
    doubleDummyBox_->setObjectName(QStringLiteral("DoubleDummyBox"));
    SetHelpContext(doubleDummyBox_, help::PrintDialog);
    doubleDummyBox_->setToolTip(
        QStringLiteral("Makeable contracts and par under each board of the copies "
                       "with all four hands"));
    printerSetupButton_ = Button("PrinterSetupBtn", "P&rinter Setup", help::Contents, this);
    printButton_ = Button("PrintBtn", "&Print", help::PrintDialog, this);
    cancelButton_ = Button("CancelBtn", "&Cancel", help::PrintDialog, this);
    printButton_->setDefault(true);
    if (SessionMode()) BuildBoardRange();
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setSizeGripEnabled(false);
    connect(printButton_, &QPushButton::clicked, this, &TPrintForm::OnPrint);
    connect(cancelButton_, &QPushButton::clicked, this, &TPrintForm::reject);
    connect(printerSetupButton_, &QPushButton::clicked, this, &TPrintForm::OnPrinterSetup);
}

// The boards of the session, all of them at first: from 1 to the last, the
// first never after the last.
void TPrintForm::BuildBoardRange() {
    const int last = static_cast<int>(context_.Boards.size());
    fromBox_ = new QSpinBox(this);
    toBox_ = new QSpinBox(this);
    fromBox_->setObjectName(QStringLiteral("FromBoardBox"));
    toBox_->setObjectName(QStringLiteral("ToBoardBox"));
    for (QSpinBox* box : {fromBox_, toBox_}) {
        box->setRange(1, last);
        SetHelpContext(box, help::PrintDialog);
        box->setMinimumWidth(60);
    }
    fromBox_->setValue(1);
    toBox_->setValue(last);
    connect(fromBox_, &QSpinBox::valueChanged, toBox_, &QSpinBox::setMinimum);
    connect(toBox_, &QSpinBox::valueChanged, fromBox_, &QSpinBox::setMaximum);
    counts_[3]->hide();
}

// Either the number of hands to generate, or the range of boards to print.
QLayout* TPrintForm::TopRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    if (!SessionMode()) {
        row->addWidget(Caption(3, counts_[3], this));
        row->addWidget(counts_[3]);
        row->addStretch();
        return row;
    }
    auto* from = new QLabel(QStringLiteral("Boards &from:"), this);
    from->setBuddy(fromBox_);
    auto* to = new QLabel(QStringLiteral("&to:"), this);
    to->setBuddy(toBox_);
    auto* of = new QLabel(QStringLiteral("of %1").arg(context_.Boards.size()), this);
    of->setObjectName(QStringLiteral("BoardCountLabel"));
    for (QWidget* w :
         {static_cast<QWidget*>(from), static_cast<QWidget*>(fromBox_), static_cast<QWidget*>(to),
          static_cast<QWidget*>(toBox_), static_cast<QWidget*>(of)})
        row->addWidget(w);
    row->addStretch();
    return row;
}

void TPrintForm::BuildLayout() {
    QLayout* hands = TopRow();

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* copies = new QGridLayout;
    copies->setHorizontalSpacing(8);
    copies->setVerticalSpacing(6);
    copies->setColumnMinimumWidth(2, 20);
    for (int row = 0; row < 3; ++row) {
        copies->addWidget(Caption(row, counts_[static_cast<std::size_t>(row)], this), row, 0);
        copies->addWidget(counts_[static_cast<std::size_t>(row)], row, 1);
        copies->addWidget(Caption(row + 4, counts_[static_cast<std::size_t>(row + 4)], this), row,
                          3);
        copies->addWidget(counts_[static_cast<std::size_t>(row + 4)], row, 4);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printerSetupButton_);
    buttons->addStretch();
    buttons->setSpacing(8);
    buttons->addWidget(printButton_);
    buttons->addWidget(cancelButton_);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 12, 12, 6);
    body->setSpacing(8);
    body->addLayout(hands);
    body->addWidget(rule);
    body->addLayout(copies);
    body->addWidget(dealerBox_);
    body->addWidget(doubleDummyBox_);
    body->addSpacing(6);
    body->addLayout(buttons);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(body);
    outer->addWidget(statusBar_);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void TPrintForm::SetFocusOrder() {
    std::vector<QWidget*> order{counts_[3]};
    if (SessionMode()) order = {fromBox_, toBox_};
    for (QWidget* w : {counts_[0], counts_[1], counts_[2], counts_[4], counts_[5], counts_[6]})
        order.push_back(w);
    for (QWidget* w : {static_cast<QWidget*>(dealerBox_), static_cast<QWidget*>(doubleDummyBox_),
                       static_cast<QWidget*>(printerSetupButton_),
                       static_cast<QWidget*>(printButton_), static_cast<QWidget*>(cancelButton_)})
        order.push_back(w);
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    order.front()->setFocus();
}

} // namespace kv
