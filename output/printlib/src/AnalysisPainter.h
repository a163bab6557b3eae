#pragma once
// The double-dummy results of one board, drawn under its diagram: the
// heading "Makeable contracts", a grid with a row for each declarer (N, S, E,
// W) and a column for each denomination (NT, spades, hearts, diamonds,
// clubs) holding the highest level that declarer makes, and beside it the
// par contracts and score. Drawn row by row, left to right, the par last, so
// that extracted text reads in that order.

#include "BoardAnalysis.h"
#include "PrintStyle.h"

#include <QPainter>

namespace kv::printlib {

class TAnalysisPainter {
  public:
    TAnalysisPainter(QPainter& painter, const TPageUnits& units, bool colour);

    // The height the results take under a diagram, in device units.
    qreal Height() const;
    // `analysis` nullptr or unsolved: the heading with a note instead of the grid.
    void Draw(const TBoardAnalysis* analysis, const QRectF& area);

  private:
    void DrawGrid(const TDDTable& table, QPointF origin);
    void DrawPar(const TParResult& par, const QRectF& area);
    void DrawCell(const QString& text, const QRectF& cell, const QColor& colour);

    QPainter& painter_;
    TPageUnits units_;
    bool colour_;
    QFont small_, heading_;
    qreal line_;
};

} // namespace kv::printlib
