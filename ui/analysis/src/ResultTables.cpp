#include "ResultTables.h"

#include "analysis/SummaryText.h"

#include <QHeaderView>
#include <QTableWidget>

namespace kv {
namespace {

using namespace analysis;

QTableWidget* Table(const QStringList& headings, int rows, QWidget* parent) {
    auto* table = new QTableWidget(rows, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void Put(QTableWidget* table, int row, int column, const std::string& text, bool number = true) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

} // namespace

QTableWidget* MakeTableWidget(const TSummary& s, QWidget* parent) {
    QStringList headings{QStringLiteral("Denomination"), QStringLiteral("Declarer"),
                         QStringLiteral("Mean tricks")};
    for (int level = 1; level <= 7; ++level)
        headings << QString::number(level);
    QTableWidget* table = Table(headings, static_cast<int>(s.Tricks.size()), parent);
    table->setObjectName(QStringLiteral("MakeTable"));
    for (int row = 0; row < table->rowCount(); ++row) {
        const TTrickCounts& t = s.Tricks[static_cast<std::size_t>(row)];
        Put(table, row, 0, StrainName(t.Strain), false);
        Put(table, row, 1, DeclarerName(t.Declarer), false);
        Put(table, row, 2, Fixed(t.MeanTricks(), 2));
        for (int level = 1; level <= 7; ++level)
            Put(table, row, 2 + level, Percent(t.Makes(level), t.Total()));
    }
    return table;
}

QTableWidget* TypeMixWidget(const TSummary& s, QWidget* parent) {
    QTableWidget* table = Table({QStringLiteral("Type"), QStringLiteral("Requested (%)"),
                                 QStringLiteral("Deals"), QStringLiteral("Delivered (%)")},
                                static_cast<int>(s.Key.Types.size()), parent);
    table->setObjectName(QStringLiteral("TypeMixTable"));
    std::int64_t frequencies = 0;
    for (const THandParam& t : s.Key.Types)
        frequencies += t.Frequency;
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto i = static_cast<std::size_t>(row);
        Put(table, row, 0, std::to_string(row + 1));
        Put(table, row, 1, Percent(s.Key.Types[i].Frequency, frequencies));
        Put(table, row, 2, std::to_string(s.TypeDeals[i]));
        Put(table, row, 3, Percent(s.TypeDeals[i], s.Deals));
    }
    return table;
}

} // namespace kv
