#include "ChartImage.h"

#include "analysis/SummaryText.h"

#include <QApplication>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>

#include <cmath>

namespace kv {
namespace {

// The layout is in pixels of a 96-dpi screen, drawn at 300 dpi.
constexpr qreal kScale = kChartImageDpi / 96.0;
constexpr qreal kWidth = 720; // 7.5 inches
constexpr qreal kChartHeight = 440;
constexpr qreal kMargin = 16;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QFont TextFont(bool bold) {
    QFont font = QApplication::font();
    font.setPixelSize(bold ? 15 : 12);
    font.setBold(bold);
    return font;
}

// The height the lines take when wrapped to the image's width.
qreal TextHeight(const QString& text, const QFont& font) {
    if (text.isEmpty()) return 0;
    const QFontMetricsF metrics(font);
    return metrics.boundingRect(QRectF(0, 0, kWidth - 2 * kMargin, 1e6), kTextFlags, text).height();
}

// Draws `text` at `top` and returns the top of what follows it.
qreal DrawText(QPainter& painter, qreal top, const QString& text, const QFont& font) {
    if (text.isEmpty()) return top;
    const qreal height = TextHeight(text, font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(kMargin, top, kWidth - 2 * kMargin, height), kTextFlags, text);
    return top + height;
}

// The chart laid out at the image's size in a scene of its own, drawn into
// `target`. The scene owns and deletes the chart.
void DrawChart(QPainter& painter, QChart* chart, const QRectF& target) {
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setGeometry(QRectF(QPointF(0, 0), target.size()));
    chart->layout()->activate(); // at once, not when the event loop would
    scene.render(&painter, target, QRectF(QPointF(0, 0), target.size()));
}

} // namespace

TChartCaption ChartCaption(const analysis::TSummary& summary, bool byBetter) {
    TChartCaption caption;
    caption.Heading << QString::fromStdString(analysis::HeadingText(summary)).trimmed();
    const QString types = QString::fromStdString(analysis::TypesText(summary.Key)).trimmed();
    caption.Heading << types.split(QLatin1Char('\n'));
    if (byBetter) caption.Note = QString::fromLatin1(analysis::kBetterDeclarerNote);
    return caption;
}

QImage ChartImage(QChart* chart, const TChartCaption& caption) {
    const QFont bold = TextFont(true);
    const QFont plain = TextFont(false);
    const QString first = caption.Heading.value(0);
    const QString rest = caption.Heading.mid(1).join(QLatin1Char('\n'));
    const qreal chartTop =
        kMargin + TextHeight(first, bold) + TextHeight(rest, plain) + kMargin / 2;
    const qreal height = chartTop + kChartHeight + TextHeight(caption.Note, plain) + kMargin;

    QImage image(static_cast<int>(std::ceil(kWidth * kScale)),
                 static_cast<int>(std::ceil(height * kScale)), QImage::Format_RGB32);
    image.setDevicePixelRatio(kScale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        const qreal top = DrawText(painter, kMargin, first, bold);
        DrawText(painter, top, rest, plain);
        DrawChart(painter, chart, QRectF(0, chartTop, kWidth, kChartHeight));
        DrawText(painter, chartTop + kChartHeight, caption.Note, plain);
    }
    // The pixels stay; the file says how large they are on paper.
    image.setDevicePixelRatio(1);
    const int dotsPerMeter = qRound(kChartImageDpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

} // namespace kv
