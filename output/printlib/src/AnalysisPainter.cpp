#include "AnalysisPainter.h"

#include "engine/doubledummy/DoubleDummyText.h"

#include <QFontMetricsF>

namespace kv::printlib {
namespace {

constexpr qreal kLabelWidth = 12;  // points for the declarer letters
constexpr qreal kColumnWidth = 17; // points for each denomination
constexpr qreal kParGap = 14;      // points between the grid and the par
constexpr int kLines = 6;          // the heading, the column headings, four declarers

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text);
}

// Text on a baseline, squeezed sideways when it is wider than `width`.
void DrawSqueezed(QPainter& painter, const QString& text, QPointF baseline, qreal width) {
    const qreal advance = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text);
    if (advance <= width || width <= 0) {
        painter.drawText(baseline, text);
        return;
    }
    painter.save();
    painter.translate(baseline);
    painter.scale(width / advance, 1.0);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

} // namespace

TAnalysisPainter::TAnalysisPainter(QPainter& painter, const TPageUnits& units, bool colour)
    : painter_(painter), units_(units), colour_(colour), small_(style::SmallFont()),
      heading_(style::SmallFont()), line_(QFontMetricsF(small_, painter.device()).lineSpacing()) {
    heading_.setBold(true);
}

qreal TAnalysisPainter::Height() const {
    return kLines * line_;
}

void TAnalysisPainter::Draw(const TBoardAnalysis* analysis, const QRectF& area) {
    painter_.save();
    const QFontMetricsF fm(small_, painter_.device());
    painter_.setFont(heading_);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(area.left(), area.top() + fm.ascent()),
                      QStringLiteral("Makeable contracts"));
    painter_.setFont(small_);
    if (analysis == nullptr || !analysis->Solved) {
        painter_.setPen(style::MutedText());
        painter_.drawText(QPointF(area.left(), area.top() + line_ + fm.ascent()),
                          QStringLiteral("Double-dummy analysis failed"));
    } else {
        DrawGrid(analysis->Table, {area.left(), area.top() + line_});
        const qreal left = area.left() + units_(kLabelWidth + 5 * kColumnWidth + kParGap);
        DrawPar(analysis->Par, QRectF(left, area.top() + line_, area.right() - left, 3 * line_));
    }
    painter_.restore();
}

void TAnalysisPainter::DrawGrid(const TDDTable& table, QPointF origin) {
    const qreal label = units_(kLabelWidth);
    const qreal column = units_(kColumnWidth);
    for (int strain = 0; strain < kStrains; ++strain) {
        const QColor colour = strain > 0 ? style::SuitColour(strain - 1, colour_) : Qt::black;
        DrawCell(Utf8(StrainHeading(strain)),
                 QRectF(origin.x() + label + strain * column, origin.y(), column, line_), colour);
    }
    for (int d = 0; d < kDeclarers; ++d) {
        const qreal top = origin.y() + (d + 1) * line_;
        painter_.setPen(style::MutedText());
        painter_.drawText(QRectF(origin.x(), top, label, line_), Qt::AlignLeft | Qt::AlignVCenter,
                          QString::fromLatin1(DeclarerLetter(d)));
        for (int strain = 0; strain < kStrains; ++strain) {
            const int tricks =
                table.Tricks[static_cast<std::size_t>(strain)][static_cast<std::size_t>(d)];
            DrawCell(Utf8(MakeableText(tricks)),
                     QRectF(origin.x() + label + strain * column, top, column, line_), Qt::black);
        }
    }
}

void TAnalysisPainter::DrawCell(const QString& text, const QRectF& cell, const QColor& colour) {
    painter_.setPen(colour);
    painter_.drawText(cell, Qt::AlignCenter, text);
}

// "Par" over the contracts and the score, each squeezed into the width left.
void TAnalysisPainter::DrawPar(const TParResult& par, const QRectF& area) {
    const qreal ascent = QFontMetricsF(small_, painter_.device()).ascent();
    const QString lines[] = {QStringLiteral("Par"), Utf8(ParContractText(par)),
                             Utf8(ParScoreText(par))};
    for (int i = 0; i < 3; ++i) {
        painter_.setFont(i == 0 ? heading_ : small_);
        painter_.setPen(i == 0 ? style::MutedText() : QColor(Qt::black));
        DrawSqueezed(painter_, lines[i], {area.left(), area.top() + i * line_ + ascent},
                     area.width());
    }
}

} // namespace kv::printlib
