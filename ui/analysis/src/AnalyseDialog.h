#pragma once
// The "Analyse Hands" dialog: how many deals, "Shape and points" or
// "Double-dummy tricks", and for tricks the declarers and denominations. It
// opens with the choices of its last accepted use (TAnalyseChoices). OK
// checks the choices (a warning names the first fault and the dialog stays
// open) and stores them; the caller reads the request once the dialog was
// accepted.

#include "AnalyseChoices.h"
#include "analysis/AnalysisRequest.h"
#include "ui/common/HelpContext.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace kv {

class TSettingsStore;

// The most deals one analysis in the window takes: the window keeps every
// deal's result for the comparison of contracts and the CSV export.
inline constexpr std::int64_t kMaxWindowDeals = 1000000;
// The help context of the analysis windows.
inline constexpr int kAnalysisHelpContext = help::Analysis;

class TAnalyseDialog : public QDialog {
    Q_OBJECT
  public:
    // Types and seed of the analysis; the choices are read from and stored in `store`.
    TAnalyseDialog(const TTypeList& types, std::int32_t seed, TSettingsStore& store,
                   QWidget* parent = nullptr);

    // For given boards, "Analyse These Hands": `subject` ("12 boards of
    // deals.pbn") is shown in place of the number of deals, and the choices
    // are checked without types. The request's seed, count and types then
    // mean nothing.
    void ForBoards(const QString& subject);

    // The request as the dialog's controls set it; valid after accept().
    analysis::TAnalysisRequest Request() const;

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QGroupBox* DeclarerBox(const TAnalyseChoices& choices);
    QGroupBox* StrainBox(const TAnalyseChoices& choices);
    void KindChanged();
    // The choices as the controls show them.
    TAnalyseChoices Choices() const;
    // The first fault of the choices, or an empty text.
    QString Fault() const;

    TTypeList types_;
    std::int32_t seed_;
    bool boards_ = false;
    QFormLayout* form_ = nullptr;
    TSettingsStore& store_;
    QLineEdit* countEdit_;
    QRadioButton* shapeRadio_;
    QRadioButton* tricksRadio_;
    QGroupBox* declarerBox_ = nullptr;
    QGroupBox* strainBox_ = nullptr;
    std::array<QCheckBox*, analysis::kDeclarerChoices> declarerChecks_{};
    std::array<QCheckBox*, kStrains> strainChecks_{};
};

} // namespace kv
