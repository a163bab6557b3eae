#include "ResultCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include <algorithm>

namespace kv {
namespace {

using analysis::TSummary;

double Share(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

// The values from the first to the last that occur (all of them when none does).
template <typename Counts> std::pair<std::size_t, std::size_t> Span(const Counts& counts) {
    const auto nonZero = [](std::int64_t n) { return n != 0; };
    const auto first = std::find_if(counts.begin(), counts.end(), nonZero);
    if (first == counts.end()) return {0, counts.size() - 1};
    const auto last = std::find_if(counts.rbegin(), counts.rend(), nonZero);
    return {static_cast<std::size_t>(first - counts.begin()),
            counts.size() - 1 - static_cast<std::size_t>(last - counts.rbegin())};
}

QChart* BarChart(const QString& title, const QString& xTitle, QBarSeries* series,
                 const QStringList& categories) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setTitleText(xTitle);
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Share of deals (%)"));
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    y->setMin(0.0);
    y->applyNiceNumbers();
    chart->legend()->setVisible(series->count() > 1);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

template <typename Counts>
QChart* Distribution(const QString& title, const QString& xTitle, const QString& name,
                     const Counts& counts, std::int64_t deals) {
    const auto [first, last] = Span(counts);
    auto* set = new QBarSet(name);
    QStringList categories;
    for (std::size_t v = first; v <= last; ++v) {
        *set << Share(counts[v], deals);
        categories << QString::number(v);
    }
    auto* series = new QBarSeries;
    series->append(set);
    return BarChart(title, xTitle, series, categories);
}

// The legend names denominations in full: "S" would read as South beside
// the declarers.
QString StrainWord(int strain) {
    static constexpr const char* kWords[kStrains] = {"Notrump", "Spades", "Hearts", "Diamonds",
                                                     "Clubs"};
    return QString::fromLatin1(kWords[strain]);
}

} // namespace

QChart* TricksChart(const TSummary& summary, analysis::TDeclarer declarer) {
    auto* series = new QBarSeries;
    QStringList categories;
    for (int tricks = 0; tricks <= 13; ++tricks)
        categories << QString::number(tricks);
    for (const analysis::TTrickCounts& t : summary.Tricks) {
        if (t.Declarer != declarer) continue;
        auto* set = new QBarSet(StrainWord(t.Strain));
        for (std::int64_t n : t.Deals)
            *set << Share(n, t.Total());
        series->append(set);
    }
    const QString by = QString::fromStdString(analysis::DeclarerName(declarer));
    QChart* chart = BarChart(QStringLiteral("Tricks by %1").arg(by), QStringLiteral("Tricks"),
                             series, categories);
    chart->legend()->setVisible(true);
    return chart;
}

QChart* PointsChart(const TSummary& summary) {
    return Distribution(QStringLiteral("North-South combined points"),
                        QStringLiteral("High-card points"), QStringLiteral("NS"), summary.NSPoints,
                        summary.Deals);
}

QChart* FitChart(const TSummary& summary) {
    return Distribution(QStringLiteral("Longest combined fit"),
                        QStringLiteral("Cards held by North and South"), QStringLiteral("Fit"),
                        summary.LongestFit, summary.Deals);
}

} // namespace kv
