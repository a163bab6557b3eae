#pragma once
// "Compare two contracts": two undoubled North-South contracts among the
// denominations and declarers analysed, and North-South's vulnerability (for
// given boards, at first each board's own). Shows
// on how many deals each scores more, the average IMPs and the matchpoint share,
// worked out from every deal's tricks whenever a choice changes.

#include "analysis/AnalysisSummary.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QSpinBox;

namespace kv {

class TComparePanel : public QWidget {
    Q_OBJECT
  public:
    // `deals` must outlive the panel.
    TComparePanel(const analysis::TSummaryKey& key, const std::vector<analysis::TDealResult>& deals,
                  QWidget* parent = nullptr);

    analysis::TCompareSpec Spec() const;
    analysis::TCompareTally Tally() const;
    // The comparison as text, as shown.
    QString Text() const;

  private:
    struct TPicker {
        QSpinBox* Level;
        QComboBox* Strain;
        QComboBox* Declarer;
    };
    TPicker MakePicker(const QString& prefix, int level, int strain);
    analysis::TContract ContractOf(const TPicker& picker) const;
    void Update();

    analysis::TSummaryKey key_;
    const std::vector<analysis::TDealResult>& deals_;
    TPicker a_{};
    TPicker b_{};
    QComboBox* vulnerable_ = nullptr;
    QLabel* result_ = nullptr;
};

} // namespace kv
