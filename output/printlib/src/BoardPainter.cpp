#include "BoardPainter.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <array>

namespace kv::printlib {
namespace {

constexpr qreal kPadding = 7; // points inside the cell frame
constexpr qreal kGap = 6;     // points between hand blocks and the square
constexpr qreal kGutter = 13; // points for the seat letter of stacked hands
constexpr std::array<TSeat, 4> kClockwise{TSeat::North, TSeat::East, TSeat::South, TSeat::West};

} // namespace

TBoardPainter::TBoardPainter(QPainter& painter, const TPageUnits& units, const TBoardStyle& style)
    : painter_(painter), units_(units), style_(style), hand_(style::HandFont()),
      caption_(style::CaptionFont()), small_(style::SmallFont()),
      line_(QFontMetricsF(hand_, painter.device()).lineSpacing()),
      analysis_(painter, units, style.Colour) {}

QSizeF TBoardPainter::MinimumCell(TDiagram diagram) const {
    const qreal pad = 2 * units_(kPadding);
    switch (diagram) {
    case TDiagram::Compass:
        return {units_(240), 13 * line_ + pad + (style_.ShowDoubleDummy ? ResultsSpace() : 0)};
    case TDiagram::NorthSouth:
        return {units_(150), 9.6 * line_ + pad};
    case TDiagram::OneHand:
        break;
    }
    return {units_(150), 5.3 * line_ + pad};
}

void TBoardPainter::Draw(const TLayout& layout, const THeldDeal& deal, const QRectF& cell,
                         const TBoardAnalysis* analysis) {
    painter_.save();
    painter_.setPen(QPen(style::RuleColour(), units_(0.6)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRoundedRect(cell, units_(4), units_(4));
    const qreal pad = units_(kPadding);
    const QRectF inner = cell.adjusted(pad, pad, -pad, -pad);
    if (layout.Diagram == TDiagram::Compass && style_.ShowDoubleDummy)
        DrawCompassWithResults(deal, inner, analysis);
    else if (layout.Diagram == TDiagram::Compass)
        DrawCompass(deal, inner);
    else
        DrawStacked(layout, deal, inner);
    painter_.restore();
}

void TBoardPainter::DrawCompass(const THeldDeal& deal, const QRectF& inner) {
    const qreal block = 4 * line_;
    const qreal rowGap = 0.45 * line_;
    const qreal top = inner.top() + qMax<qreal>(0, (inner.height() - 3 * block - 2 * rowGap) / 2);
    const qreal side = block - 0.35 * line_;
    const qreal left = inner.center().x() - side / 2;
    const qreal gap = units_(kGap);
    const qreal middle = top + block + rowGap;

    DrawCaptionBlock(deal, QRectF(inner.left(), inner.top(), left - inner.left() - gap, block));
    DrawBoardSquare(deal, QRectF(left, middle + (block - side) / 2, side, side));
    const qreal eastLeft = left + side + gap;
    DrawHand(deal, TSeat::North, QRectF(left, top, inner.right() - left, block));
    DrawHand(deal, TSeat::East, QRectF(eastLeft, middle, inner.right() - eastLeft, block));
    DrawHand(deal, TSeat::South,
             QRectF(left, middle + block + rowGap, inner.right() - left, block));
    DrawHand(deal, TSeat::West, QRectF(inner.left(), middle, left - gap - inner.left(), block));
}

qreal TBoardPainter::ResultsSpace() const {
    return analysis_.Height() + 0.5 * line_;
}

void TBoardPainter::DrawCompassWithResults(const THeldDeal& deal, const QRectF& inner,
                                           const TBoardAnalysis* analysis) {
    const qreal space = ResultsSpace();
    DrawCompass(deal, inner.adjusted(0, 0, 0, -space));
    const qreal height = analysis_.Height();
    analysis_.Draw(analysis, QRectF(inner.left(), inner.bottom() - height, inner.width(), height));
}

void TBoardPainter::DrawStacked(const TLayout& layout, const THeldDeal& deal, const QRectF& inner) {
    const bool pair = layout.Diagram == TDiagram::NorthSouth;
    const qreal block = 4 * line_;
    const qreal height = 1.3 * line_ + block + (pair ? 0.6 * line_ + block : 0);
    const qreal top = inner.top() + qMax<qreal>(0, (inner.height() - height) / 2);
    DrawCaptionLine(deal, QRectF(inner.left(), top, inner.width(), line_));

    const qreal gutter = units_(kGutter);
    const QRectF first(inner.left() + gutter, top + 1.3 * line_, inner.width() - gutter, block);
    const TSeat seat = pair ? TSeat::North : layout.Seat;
    DrawHand(deal, seat, first);
    if (pair) DrawHand(deal, TSeat::South, first.translated(0, block + 0.6 * line_));
    DrawSeatLetter(seat, QRectF(inner.left(), first.top(), gutter, line_));
    if (pair)
        DrawSeatLetter(TSeat::South,
                       QRectF(inner.left(), first.top() + block + 0.6 * line_, gutter, line_));
}

QString TBoardPainter::DealerText(const THeldDeal& deal) const {
    return QStringLiteral("Dealer ") + QString::fromLatin1(SeatName(deal.Dealer));
}

QString TBoardPainter::VulnerabilityText(const THeldDeal& deal) const {
    return QStringLiteral("Vul ") + VulnerabilityName(deal.Vulnerability);
}

void TBoardPainter::DrawCaptionBlock(const THeldDeal& deal, const QRectF& area) {
    painter_.setPen(Qt::black);
    painter_.setFont(caption_);
    const QFontMetricsF big(caption_, painter_.device());
    DrawFitted(QStringLiteral("Board %1").arg(deal.Board), {area.left(), area.top() + big.ascent()},
               area.width());
    painter_.setFont(small_);
    painter_.setPen(style::MutedText());
    const QFontMetricsF fm(small_, painter_.device());
    qreal y = area.top() + big.lineSpacing() + fm.ascent();
    if (style_.ShowDealer) {
        DrawFitted(DealerText(deal), {area.left(), y}, area.width());
        y += fm.lineSpacing();
    }
    if (style_.ShowVulnerability)
        DrawFitted(VulnerabilityText(deal), {area.left(), y}, area.width());
}

void TBoardPainter::DrawCaptionLine(const THeldDeal& deal, const QRectF& line) {
    painter_.setPen(Qt::black);
    painter_.setFont(caption_);
    const QString number = QStringLiteral("Board %1").arg(deal.Board);
    const qreal baseline = line.top() + QFontMetricsF(caption_, painter_.device()).ascent();
    DrawFitted(number, {line.left(), baseline}, line.width());

    QStringList parts;
    if (style_.ShowDealer) parts << DealerText(deal);
    if (style_.ShowVulnerability) parts << VulnerabilityText(deal);
    if (parts.isEmpty()) return;
    const QString info = parts.join(QStringLiteral("  \u00b7  "));
    const qreal used = QFontMetricsF(caption_, painter_.device()).horizontalAdvance(number + u' ');
    painter_.setFont(small_);
    painter_.setPen(style::MutedText());
    const QFontMetricsF fm(small_, painter_.device());
    const qreal width = qMin(fm.horizontalAdvance(info), line.width() - used);
    DrawFitted(info, {line.right() - width, baseline}, width);
}

void TBoardPainter::DrawBoardSquare(const THeldDeal& deal, const QRectF& square) {
    painter_.setPen(QPen(style::RuleColour(), units_(0.6)));
    painter_.setBrush(QColor(0xf3, 0xf3, 0xf3));
    painter_.drawRect(square);
    for (const TSeat seat : kClockwise) {
        const bool vulnerable = style_.ShowVulnerability && IsVulnerable(deal.Vulnerability, seat);
        DrawSquareLetter(seat, square, vulnerable, style_.ShowDealer && deal.Dealer == seat);
    }
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(Qt::black);
    painter_.setFont(caption_);
    painter_.drawText(square, Qt::AlignCenter, QString::number(deal.Board));
}

void TBoardPainter::DrawSquareLetter(TSeat seat, const QRectF& square, bool vulnerable,
                                     bool dealer) {
    const qreal band = square.width() * 0.24;
    QRectF edge;
    switch (seat) {
    case TSeat::North:
        edge = QRectF(square.left(), square.top(), square.width(), band);
        break;
    case TSeat::South:
        edge = QRectF(square.left(), square.bottom() - band, square.width(), band);
        break;
    case TSeat::East:
        edge = QRectF(square.right() - band, square.top(), band, square.height());
        break;
    case TSeat::West:
        edge = QRectF(square.left(), square.top(), band, square.height());
        break;
    }
    if (vulnerable) painter_.fillRect(edge, style::VulnerableColour(style_.Colour));
    QFont font = small_;
    font.setBold(dealer);
    font.setUnderline(dealer);
    painter_.setFont(font);
    painter_.setPen(vulnerable ? QColor(Qt::white) : style::MutedText());
    painter_.drawText(edge, Qt::AlignCenter, QString::fromLatin1(SeatLetter(seat)));
}

void TBoardPainter::DrawHand(const THeldDeal& deal, TSeat seat, const QRectF& block) {
    painter_.setFont(hand_);
    const QFontMetricsF fm(hand_, painter_.device());
    if (!deal.IsKnown(seat)) {
        painter_.setFont(small_);
        painter_.setPen(style::MutedText());
        DrawFitted(QStringLiteral("Hand not given"), {block.left(), block.top() + fm.ascent()},
                   block.width());
        return;
    }
    const THeldHand& hand = deal.Hand(seat);
    const qreal symbolWidth =
        fm.horizontalAdvance(style::SuitSymbol(0)) + fm.horizontalAdvance(u' ');
    for (int suit = 0; suit < 4; ++suit) {
        const qreal baseline = block.top() + suit * line_ + fm.ascent();
        painter_.setPen(style::SuitColour(suit, style_.Colour));
        painter_.drawText(QPointF(block.left(), baseline), style::SuitSymbol(suit));
        painter_.setPen(Qt::black);
        DrawFitted(style::HoldingForPrint(hand[static_cast<std::size_t>(suit)], style_.TenAsDigits),
                   {block.left() + symbolWidth, baseline}, block.width() - symbolWidth);
    }
}

void TBoardPainter::DrawSeatLetter(TSeat seat, const QRectF& gutter) {
    painter_.setFont(small_);
    painter_.setPen(style::MutedText());
    const qreal baseline = gutter.top() + QFontMetricsF(hand_, painter_.device()).ascent();
    painter_.drawText(QPointF(gutter.left(), baseline), QString::fromLatin1(SeatLetter(seat)));
}

void TBoardPainter::DrawFitted(const QString& text, QPointF baseline, qreal width) {
    const qreal advance = QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(text);
    if (advance <= width || width <= 0) {
        painter_.drawText(baseline, text);
        return;
    }
    painter_.save();
    painter_.translate(baseline);
    painter_.scale(width / advance, 1.0);
    painter_.drawText(QPointF(0, 0), text);
    painter_.restore();
}

} // namespace kv::printlib
