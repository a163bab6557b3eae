#pragma once
// Draws one board of a hand record into a cell of the page: the board number,
// its dealer and vulnerability when asked for, the hands of the layout, and
// under a compass diagram its double-dummy results when asked for.
// Text is drawn in a fixed order (caption, board square, then the hands
// clockwise from North, each spades to clubs), so that text extracted from
// the document reads board by board.

#include "AnalysisPainter.h"
#include "BoardInfo.h"
#include "Diagram.h"
#include "PrintStyle.h"

#include <QPainter>
#include <QRectF>

namespace kv::printlib {

class TBoardPainter {
  public:
    TBoardPainter(QPainter& painter, const TPageUnits& units, const TBoardStyle& style);

    // The smallest cell, in device units, that holds a diagram.
    QSizeF MinimumCell(TDiagram diagram) const;
    void Draw(const TLayout& layout, const THeldDeal& deal, int board, const QRectF& cell,
              const TBoardAnalysis* analysis = nullptr);

  private:
    void DrawCompass(const THeldDeal& deal, int board, const QRectF& inner);
    // The diagram above the results, the results at the bottom of `inner`.
    void DrawCompassWithResults(const THeldDeal& deal, int board, const QRectF& inner,
                                const TBoardAnalysis* analysis);
    void DrawStacked(const TLayout& layout, const THeldDeal& deal, int board, const QRectF& inner);
    void DrawCaptionBlock(int board, const QRectF& area);
    void DrawCaptionLine(int board, const QRectF& line);
    void DrawBoardSquare(int board, const QRectF& square);
    void DrawSquareLetter(TSeat seat, const QRectF& square, bool vulnerable, bool dealer);
    void DrawHand(const THeldHand& hand, const QRectF& block);
    void DrawSeatLetter(TSeat seat, const QRectF& gutter);
    // Text on a baseline, squeezed sideways when it is wider than `width`.
    void DrawFitted(const QString& text, QPointF baseline, qreal width);
    QString DealerText(int board) const;
    // The height of the double-dummy results with the gap above them.
    qreal ResultsSpace() const;

    QPainter& painter_;
    TPageUnits units_;
    TBoardStyle style_;
    QFont hand_, caption_, small_;
    qreal line_;
    TAnalysisPainter analysis_;
};

} // namespace kv::printlib
