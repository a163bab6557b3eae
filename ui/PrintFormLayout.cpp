// The controls of the print dialog and their places: the number of hands on
// top, a rule, two columns of copies, the two check boxes, the buttons, and
// the status bar under everything.
#include "CountBox.h"
#include "PrintForm.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kv {
namespace {

constexpr int kHelpContext = 7;

// The captions of UpDown1 .. UpDown7.
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
    button->setProperty("HelpContext", help);
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
        counts_[i]->setProperty("HelpContext", kHelpContext);
        counts_[i]->setMinimumWidth(60);
    }
    checkBox1_ = new QCheckBox(QStringLiteral("Indicate &dealer and vul."), this);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    checkBox1_->setProperty("HelpContext", 0);
    // Alt+O: D is the dealer box's.
    doubleDummyBox_ = new QCheckBox(QStringLiteral("Sh&ow double-dummy results"), this);
    doubleDummyBox_->setObjectName(QStringLiteral("DoubleDummyBox"));
    doubleDummyBox_->setProperty("HelpContext", kHelpContext);
    doubleDummyBox_->setToolTip(
        QStringLiteral("Makeable contracts and par under each board of the copies "
                       "with all four hands"));
    printerSetupBtn_ = Button("PrinterSetupBtn", "P&rinter Setup", 0, this);
    printBtn_ = Button("PrintBtn", "&Print", kHelpContext, this);
    cancelBtn_ = Button("CancelBtn", "&Cancel", kHelpContext, this);
    printBtn_->setDefault(true);
    statusBar1_ = new QStatusBar(this);
    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1_->setSizeGripEnabled(false);
    connect(printBtn_, &QPushButton::clicked, this, &TPrintForm::PrintBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &TPrintForm::reject);
    connect(printerSetupBtn_, &QPushButton::clicked, this, &TPrintForm::PrinterSetupBtnClick);
}

void TPrintForm::BuildLayout() {
    auto* hands = new QHBoxLayout;
    hands->setSpacing(8);
    hands->addWidget(Caption(3, counts_[3], this));
    hands->addWidget(counts_[3]);
    hands->addStretch();

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
    buttons->addWidget(printerSetupBtn_);
    buttons->addStretch();
    buttons->setSpacing(8);
    buttons->addWidget(printBtn_);
    buttons->addWidget(cancelBtn_);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 12, 12, 6);
    body->setSpacing(8);
    body->addLayout(hands);
    body->addWidget(rule);
    body->addLayout(copies);
    body->addWidget(checkBox1_);
    body->addWidget(doubleDummyBox_);
    body->addSpacing(6);
    body->addLayout(buttons);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(body);
    outer->addWidget(statusBar1_);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void TPrintForm::SetFocusOrder() {
    const std::array<QWidget*, 12> order{counts_[3],      counts_[0],       counts_[1], counts_[2],
                                         counts_[4],      counts_[5],       counts_[6], checkBox1_,
                                         doubleDummyBox_, printerSetupBtn_, printBtn_,  cancelBtn_};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    counts_[3]->setFocus();
}

} // namespace kv
