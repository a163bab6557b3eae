#pragma once
// Draws one board of a hand record into a cell of the page: the board number,
// its dealer and vulnerability when asked for, the hands of the layout (a
// hand the board does not give as a note saying so), and under a compass
// diagram its double-dummy results when asked for.
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
    // The board's number, dealer and vulnerability are the deal's own.
    void Draw(const TLayout& layout, const THeldDeal& deal, const QRectF& cell,
              const TBoardAnalysis* analysis = nullptr);

  private:
    void DrawCompass(const THeldDeal& deal, const QRectF& inner);
    // The diagram above the results, the results at the bottom of `inner`.
    void DrawCompassWithResults(const THeldDeal& deal, const QRectF& inner,
                                const TBoardAnalysis* analysis);
    void DrawStacked(const TLayout& layout, const THeldDeal& deal, const QRectF& inner);
    void DrawCaptionBlock(const THeldDeal& deal, const QRectF& area);
    void DrawCaptionLine(const THeldDeal& deal, const QRectF& line);
    void DrawBoardSquare(const THeldDeal& deal, const QRectF& square);
    void DrawSquareLetter(TSeat seat, const QRectF& square, bool vulnerable, bool dealer);
    void DrawHand(const THeldDeal& deal, TSeat seat, const QRectF& block);
    void DrawSeatLetter(TSeat seat, const QRectF& gutter);
    // Text on a baseline, squeezed sideways when it is wider than `width`.
    void DrawFitted(const QString& text, QPointF baseline, qreal width);
    QString DealerText(const THeldDeal& deal) const;
    QString VulnerabilityText(const THeldDeal& deal) const;
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
