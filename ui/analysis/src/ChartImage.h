#pragma once
// A chart drawn for paper and slides: 7.5 inches wide at 300 dots per inch,
// with what it shows written above it (the number of deals, the seed and the
// hand types) and, for a chart by "NS", what NS means written below it. The
// chart is laid out at that size, not copied from the screen, so that its
// lines and letters are sharp in print.

#include "analysis/AnalysisSummary.h"

#include <QImage>
#include <QStringList>

class QChart;

namespace kv {

inline constexpr int kChartImageDpi = 300;

struct TChartCaption {
    QStringList Heading; // first line in bold
    QString Note;        // empty for none
};

// The caption of a chart of `summary`; `byBetter` for a chart of the tricks
// by the better of North and South.
TChartCaption ChartCaption(const analysis::TSummary& summary, bool byBetter);

// Draws `chart` (taken over and deleted) under its caption.
QImage ChartImage(QChart* chart, const TChartCaption& caption);

} // namespace kv
