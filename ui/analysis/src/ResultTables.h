#pragma once
// The analysis's tables as widgets: the make table (mean tricks and the share
// of deals on which each level makes, columns 1 to 7) and the requested and delivered mix of
// hand types. Cells are plain text, read only.

#include "analysis/AnalysisSummary.h"

class QTableWidget;
class QWidget;

namespace kv {

QTableWidget* MakeTableWidget(const analysis::TSummary& summary, QWidget* parent);
QTableWidget* TypeMixWidget(const analysis::TSummary& summary, QWidget* parent);

} // namespace kv
