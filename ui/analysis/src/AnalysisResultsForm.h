#pragma once
// The results window of an analysis: the make table, the charts, the
// comparison of two contracts, the delivered mix of hand types and the points
// and fits; per-deal results exported as CSV, each chart as PNG, and every
// table copied as text. A stopped run is labelled "partial: n of N deals".

#include "analysis/AnalysisSummary.h"

#include <QDialog>

#include <vector>

class QChart;
class QChartView;
class QImage;
class QComboBox;
class QTabWidget;

namespace kv {

class TComparePanel;

class TAnalysisResultsForm : public QDialog {
    Q_OBJECT
  public:
    TAnalysisResultsForm(analysis::TSummary summary, std::vector<analysis::TDealResult> deals,
                         QWidget* parent = nullptr);

    const analysis::TSummary& Summary() const { return summary_; }
    // Every table as plain text, as "Copy tables" puts it on the clipboard.
    QString TablesText() const;
    // Asks for a file name and writes the per-deal CSV, then says where it
    // went; false when cancelled or failed.
    bool ExportCsv();
    // The chart "Tricks" (for the declarer chosen above it), "Points" or
    // "Fit" as ChartImage draws it for print.
    QImage ChartPicture(const QString& name) const;
    // Asks for a file name and writes that picture as PNG, then says where it
    // went; false when cancelled or failed.
    bool SaveChart(const QString& name);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    using TDeclarer = analysis::TDeclarer;
    bool Tricks() const { return !summary_.Tricks.empty(); }
    QWidget* MakeTablePage();
    QWidget* ChartsPage();
    QWidget* ChartPage(QChartView* view, const QString& name, QWidget* above = nullptr);
    // A new chart of that name, without an owner.
    QChart* NewChart(const QString& name) const;
    TDeclarer ChartDeclarer() const;
    QWidget* PointsPage();
    void ShowTricksChart();
    void CopyTables();

    analysis::TSummary summary_;
    std::vector<analysis::TDealResult> deals_;
    QTabWidget* tabs_ = nullptr;
    QChartView* tricksView_ = nullptr;
    QComboBox* chartDeclarer_ = nullptr;
    TComparePanel* compare_ = nullptr;
    // Placed over its parent, no larger than the screen, when first shown;
    // then where the user moves it.
    bool placed_ = false;
};

} // namespace kv
