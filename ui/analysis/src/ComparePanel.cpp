#include "ComparePanel.h"

#include "analysis/SummaryText.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

using namespace analysis;

namespace {

// The vulnerability choices, as their items' data.
constexpr int kNotVulnerable = 0, kVulnerable = 1, kEachBoard = 2;

} // namespace

TComparePanel::TComparePanel(const TSummaryKey& key, const std::vector<TDealResult>& deals,
                             QWidget* parent)
    : QWidget(parent), key_(key), deals_(deals) {
    setObjectName(QStringLiteral("ComparePanel"));
    const auto& strains = key_.Strains;
    const auto suit = std::find_if(strains.begin(), strains.end(), [](int s) { return s != 0; });
    const bool notrump = !strains.empty() && strains.front() == 0;
    // 4 of the first suit against 3NT when both were analysed.
    auto* grid = new QGridLayout;
    a_ = MakePicker(QStringLiteral("A"), suit != strains.end() ? 4 : 3,
                    suit != strains.end() ? *suit : 0);
    b_ = MakePicker(QStringLiteral("B"), notrump ? 3 : 4,
                    notrump           ? 0
                    : strains.empty() ? 0
                                      : strains.front());
    for (int row = 0; row < 2; ++row) {
        const TPicker& p = row == 0 ? a_ : b_;
        auto* label = new QLabel(
            row == 0 ? QStringLiteral("Contract &A:") : QStringLiteral("Contract &B:"), this);
        label->setBuddy(p.Level);
        grid->addWidget(label, row, 0);
        grid->addWidget(p.Level, row, 1);
        grid->addWidget(p.Strain, row, 2);
        grid->addWidget(new QLabel(QStringLiteral("by"), this), row, 3);
        grid->addWidget(p.Declarer, row, 4);
    }
    vulnerable_ = new QComboBox(this);
    vulnerable_->setObjectName(QStringLiteral("VulnerableCombo"));
    // Given boards are scored at their own vulnerability unless the user chooses one for all.
    if (key_.Boards) vulnerable_->addItem(QStringLiteral("As on each board"), kEachBoard);
    vulnerable_->addItem(QStringLiteral("Not vulnerable"), kNotVulnerable);
    vulnerable_->addItem(QStringLiteral("Vulnerable"), kVulnerable);
    auto* vulnerability = new QLabel(QStringLiteral("&North-South:"), this);
    vulnerability->setBuddy(vulnerable_);
    grid->addWidget(vulnerability, 2, 0);
    grid->addWidget(vulnerable_, 2, 1, 1, 4);
    grid->setColumnStretch(5, 1);
    connect(vulnerable_, &QComboBox::currentIndexChanged, this, &TComparePanel::Update);

    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("CompareResult"));
    result_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(result_);
    layout->addStretch(1);
    Update();
}

TComparePanel::TPicker TComparePanel::MakePicker(const QString& prefix, int level, int strain) {
    TPicker p{new QSpinBox(this), new QComboBox(this), new QComboBox(this)};
    p.Level->setObjectName(prefix + QStringLiteral("LevelSpin"));
    p.Strain->setObjectName(prefix + QStringLiteral("StrainCombo"));
    p.Declarer->setObjectName(prefix + QStringLiteral("DeclarerCombo"));
    p.Level->setRange(1, 7);
    p.Level->setValue(level);
    for (int s : key_.Strains)
        p.Strain->addItem(QString::fromStdString(StrainName(s)), s);
    for (TDeclarer d : key_.Declarers)
        p.Declarer->addItem(QString::fromStdString(DeclarerName(d)), static_cast<int>(d));
    p.Strain->setCurrentIndex(std::max(0, p.Strain->findData(strain)));
    connect(p.Level, &QSpinBox::valueChanged, this, &TComparePanel::Update);
    connect(p.Strain, &QComboBox::currentIndexChanged, this, &TComparePanel::Update);
    connect(p.Declarer, &QComboBox::currentIndexChanged, this, &TComparePanel::Update);
    return p;
}

TContract TComparePanel::ContractOf(const TPicker& p) const {
    return TContract{p.Level->value(), p.Strain->currentData().toInt(),
                     static_cast<TDeclarer>(p.Declarer->currentData().toInt())};
}

TCompareSpec TComparePanel::Spec() const {
    const int choice = vulnerable_->currentData().toInt();
    return TCompareSpec{ContractOf(a_), ContractOf(b_), choice == kVulnerable,
                        choice == kEachBoard};
}

TCompareTally TComparePanel::Tally() const {
    const TCompareSpec spec = Spec();
    TCompareTally tally;
    for (const TDealResult& d : deals_)
        CountComparison(tally, spec, d);
    return tally;
}

QString TComparePanel::Text() const {
    return QString::fromStdString(CompareText(Spec(), Tally()));
}

void TComparePanel::Update() {
    if (result_ != nullptr) result_->setText(Text());
}

} // namespace kv
