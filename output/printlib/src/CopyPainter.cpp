#include "CopyPainter.h"

#include "PageGrid.h"

#include <QFontMetricsF>

namespace kv::printlib {
namespace {

constexpr qreal kCellGap = 8;   // points between boards
constexpr qreal kRuleSpace = 7; // points between a rule and the text beside it

} // namespace

TCopyPainter::TCopyPainter(TPrintJob& job, const TCopyRequest& request)
    : job_(job), painter_(job.Painter()), request_(request), units_(job.Resolution()),
      boards_(painter_, units_, request.Style) {}

void TCopyPainter::Print(const std::vector<TNumberedDeal>& boards) {
    const QRectF area = BoardArea();
    const TPageGrid grid(area, boards_.MinimumCell(request_.Layout.Diagram), units_(kCellGap));
    const int perPage = grid.CellsPerPage();
    const int pages = qMax(1, (static_cast<int>(boards.size()) + perPage - 1) / perPage);
    for (int page = 0; page < pages; ++page) {
        job_.NewPage();
        DrawHeader(page + 1, pages);
        DrawFooter();
        for (int cell = 0; cell < perPage; ++cell) {
            const std::size_t k = static_cast<std::size_t>(page * perPage + cell);
            if (k >= boards.size()) break;
            boards_.Draw(request_.Layout, *boards[k].Deal, grid.Cell(cell), boards[k].Analysis);
        }
    }
}

QRectF TCopyPainter::BoardArea() const {
    const QRectF page = job_.PageArea();
    const QFontMetricsF title(style::TitleFont(), painter_.device());
    const QFontMetricsF subtitle(style::SubtitleFont(), painter_.device());
    const QFontMetricsF footer(style::FooterFont(), painter_.device());
    qreal top = title.lineSpacing();
    if (!request_.Subtitle.isEmpty()) top += subtitle.lineSpacing();
    top += 2 * units_(kRuleSpace);
    const qreal bottom = footer.lineSpacing() + 2 * units_(kRuleSpace);
    return page.adjusted(0, top, 0, -bottom);
}

void TCopyPainter::DrawHeader(int page, int pages) {
    const QRectF area = job_.PageArea();
    const QFontMetricsF title(style::TitleFont(), painter_.device());
    painter_.setPen(Qt::black);
    painter_.setFont(style::TitleFont());
    painter_.drawText(QPointF(area.left(), area.top() + title.ascent()), request_.Title);
    qreal bottom = area.top() + title.lineSpacing();

    painter_.setFont(style::FooterFont());
    painter_.setPen(style::MutedText());
    const QString pageText = QStringLiteral("Page %1 of %2").arg(page).arg(pages);
    painter_.drawText(QRectF(area.left(), area.top(), area.width(), title.lineSpacing()),
                      Qt::AlignRight | Qt::AlignVCenter, pageText);
    if (!request_.Subtitle.isEmpty()) {
        const QFontMetricsF subtitle(style::SubtitleFont(), painter_.device());
        painter_.setFont(style::SubtitleFont());
        painter_.drawText(QPointF(area.left(), bottom + subtitle.ascent()), request_.Subtitle);
        bottom += subtitle.lineSpacing();
    }
    painter_.setPen(QPen(Qt::black, units_(0.8)));
    const qreal y = bottom + units_(kRuleSpace);
    painter_.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
}

void TCopyPainter::DrawFooter() {
    const QRectF area = job_.PageArea();
    const QFontMetricsF footer(style::FooterFont(), painter_.device());
    const qreal textTop = area.bottom() - footer.lineSpacing();
    painter_.setPen(QPen(style::RuleColour(), units_(0.6)));
    const qreal y = textTop - units_(kRuleSpace);
    painter_.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter_.setFont(style::FooterFont());
    painter_.setPen(style::MutedText());
    painter_.drawText(QRectF(area.left(), textTop, area.width(), footer.lineSpacing()),
                      Qt::AlignCenter, request_.Banner);
}

} // namespace kv::printlib
