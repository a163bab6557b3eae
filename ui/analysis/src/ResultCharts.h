#pragma once
// The charts of an analysis, drawn with Qt Charts: how many tricks each
// denomination takes for one declarer, North-South's combined points, and the
// longest combined fit. Bars show the share of deals, in per cent.

#include "analysis/AnalysisSummary.h"

class QChart;

namespace kv {

// Each chart is new, without an owner: the caller hands it to a QChartView.
QChart* TricksChart(const analysis::TSummary& summary, analysis::TDeclarer declarer);
QChart* PointsChart(const analysis::TSummary& summary);
QChart* FitChart(const analysis::TSummary& summary);

} // namespace kv
