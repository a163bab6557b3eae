#include "AnalyseDialog.h"

#include "ui/common/HelpContext.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/WindowPlacement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv {

using analysis::TAnalysisKind;
using analysis::TDeclarer;

namespace {

const char* const kCountFault = "The number of deals must be a whole number from 1 to 1000000.";

} // namespace

TAnalyseDialog::TAnalyseDialog(const TTypeList& types, std::int32_t seed, TSettingsStore& store,
                               QWidget* parent)
    : QDialog(parent), types_(types), seed_(seed), store_(store), countEdit_(new QLineEdit(this)),
      shapeRadio_(new QRadioButton(QStringLiteral("&Shape and points"), this)),
      tricksRadio_(new QRadioButton(QStringLiteral("&Double-dummy tricks"), this)) {
    setObjectName(QStringLiteral("AnalyseDialog"));
    setWindowTitle(QStringLiteral("Analyse Hands"));
    SetHelpContext(this, kAnalysisHelpContext);
    countEdit_->setObjectName(QStringLiteral("CountEdit"));
    shapeRadio_->setObjectName(QStringLiteral("ShapeRadio"));
    tricksRadio_->setObjectName(QStringLiteral("TricksRadio"));
    const TAnalyseChoices choices = ReadAnalyseChoices(store_, types_, kMaxWindowDeals);
    countEdit_->setText(QString::number(choices.Count));
    (choices.Tricks ? tricksRadio_ : shapeRadio_)->setChecked(true);

    auto* form = new QFormLayout;
    form_ = form;
    form->addRow(QStringLiteral("&Number of deals:"), countEdit_);
    auto* kinds = new QVBoxLayout;
    kinds->addWidget(shapeRadio_);
    kinds->addWidget(tricksRadio_);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(DeclarerBox(choices));
    boxes->addWidget(StrainBox(choices));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TAnalyseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tricksRadio_, &QRadioButton::toggled, this, &TAnalyseDialog::KindChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(kinds);
    layout->addLayout(boxes);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KindChanged();
    countEdit_->selectAll();
}

void TAnalyseDialog::ForBoards(const QString& subject) {
    boards_ = true;
    setWindowTitle(QStringLiteral("Analyse These Hands"));
    auto* label = new QLabel(subject, this);
    label->setObjectName(QStringLiteral("SubjectLabel"));
    label->setTextFormat(Qt::PlainText); // a file's name is data
    form_->insertRow(0, label);
    form_->setRowVisible(countEdit_, false);
}

QGroupBox* TAnalyseDialog::DeclarerBox(const TAnalyseChoices& choices) {
    declarerBox_ = new QGroupBox(QStringLiteral("Declarer"), this);
    declarerBox_->setObjectName(QStringLiteral("DeclarerBox"));
    static constexpr std::array<const char*, analysis::kDeclarerChoices> kCaptions{
        "No&rth", "S&outh", "&Better of the two"};
    static constexpr std::array<const char*, analysis::kDeclarerChoices> kNames{
        "NorthCheck", "SouthCheck", "BetterCheck"};
    auto* column = new QVBoxLayout(declarerBox_);
    for (std::size_t i = 0; i < declarerChecks_.size(); ++i) {
        declarerChecks_[i] = new QCheckBox(QString::fromLatin1(kCaptions[i]), declarerBox_);
        declarerChecks_[i]->setObjectName(QString::fromLatin1(kNames[i]));
        declarerChecks_[i]->setChecked(choices.Declarers[i]);
        column->addWidget(declarerChecks_[i]);
    }
    column->addStretch(1);
    return declarerBox_;
}

QGroupBox* TAnalyseDialog::StrainBox(const TAnalyseChoices& choices) {
    strainBox_ = new QGroupBox(QStringLiteral("Denominations"), this);
    strainBox_->setObjectName(QStringLiteral("StrainBox"));
    static constexpr std::array<const char*, kStrains> kCaptions{
        "No&trump", "S&pades \u2660", "&Hearts \u2665", "D&iamonds \u2666", "&Clubs \u2663"};
    static constexpr std::array<const char*, kStrains> kNames{
        "NTCheck", "SpadesCheck", "HeartsCheck", "DiamondsCheck", "ClubsCheck"};
    auto* column = new QVBoxLayout(strainBox_);
    for (std::size_t i = 0; i < strainChecks_.size(); ++i) {
        strainChecks_[i] = new QCheckBox(QString::fromUtf8(kCaptions[i]), strainBox_);
        strainChecks_[i]->setObjectName(QString::fromLatin1(kNames[i]));
        strainChecks_[i]->setChecked(choices.Strains[i]);
        column->addWidget(strainChecks_[i]);
    }
    return strainBox_;
}

void TAnalyseDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnParent(*this);
    if (!boards_) countEdit_->setFocus(Qt::OtherFocusReason);
}

void TAnalyseDialog::KindChanged() {
    declarerBox_->setEnabled(tricksRadio_->isChecked());
    strainBox_->setEnabled(tricksRadio_->isChecked());
}

analysis::TAnalysisRequest TAnalyseDialog::Request() const {
    analysis::TAnalysisRequest request;
    request.Seed = seed_;
    request.Count = countEdit_->text().trimmed().toLongLong();
    request.Types = types_;
    request.Kind =
        tricksRadio_->isChecked() ? TAnalysisKind::Tricks : TAnalysisKind::ShapeAndPoints;
    if (request.Kind != TAnalysisKind::Tricks) return request;
    for (std::size_t i = 0; i < declarerChecks_.size(); ++i)
        if (declarerChecks_[i]->isChecked()) request.Declarers.push_back(static_cast<TDeclarer>(i));
    for (std::size_t i = 0; i < strainChecks_.size(); ++i)
        if (strainChecks_[i]->isChecked()) request.Strains.push_back(static_cast<int>(i));
    return request;
}

QString TAnalyseDialog::Fault() const {
    if (boards_) return QString::fromStdString(analysis::MeasureFault(Request()));
    bool whole = false;
    const qlonglong count = countEdit_->text().trimmed().toLongLong(&whole);
    if (!whole || count < 1 || count > kMaxWindowDeals) return QString::fromLatin1(kCountFault);
    return QString::fromStdString(analysis::RequestFault(Request()));
}

TAnalyseChoices TAnalyseDialog::Choices() const {
    TAnalyseChoices choices;
    choices.Count = countEdit_->text().trimmed().toLongLong();
    choices.Tricks = tricksRadio_->isChecked();
    for (std::size_t i = 0; i < declarerChecks_.size(); ++i)
        choices.Declarers[i] = declarerChecks_[i]->isChecked();
    for (std::size_t i = 0; i < strainChecks_.size(); ++i)
        choices.Strains[i] = strainChecks_[i]->isChecked();
    return choices;
}

void TAnalyseDialog::accept() {
    const QString fault = Fault();
    if (!fault.isEmpty())
        return TMessageSeam::Show(this, TMessageKind::Warning, QStringLiteral("Warning"), fault);
    WriteAnalyseChoices(store_, Choices());
    QDialog::accept();
}

} // namespace kv
