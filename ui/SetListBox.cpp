#include "SetListBox.h"

#include "SetNames.h"

namespace kv {

TSetListBox::TSetListBox(bool sorted, QWidget* parent) : QListWidget(parent), sorted_(sorted) {}

int TSetListBox::SortedRowFor(const QString& name) const {
    int row = count();
    while (row > 0 && CompareNamesIgnoringCase(item(row - 1)->text(), name) > 0)
        --row;
    return row;
}

int TSetListBox::AddEntry(const TSetEntry& entry) {
    const QString name = QString::fromStdString(entry.Name);
    auto* added = new QListWidgetItem(name);
    added->setData(Qt::UserRole, entry.RecordNumber);
    const int row = sorted_ ? SortedRowFor(name) : count();
    insertItem(row, added);
    return row;
}

void TSetListBox::SetEntries(const std::vector<TSetEntry>& entries) {
    clear();
    for (const TSetEntry& entry : entries)
        AddEntry(entry);
}

TSetEntry TSetListBox::Entry(int row) const {
    const QListWidgetItem* at = item(row);
    return {at->text().toStdString(), at->data(Qt::UserRole).toInt()};
}

std::vector<TSetEntry> TSetListBox::Entries() const {
    std::vector<TSetEntry> entries;
    for (int row = 0; row < count(); ++row)
        entries.push_back(Entry(row));
    return entries;
}

std::vector<std::string> TSetListBox::Names() const {
    std::vector<std::string> names;
    for (int row = 0; row < count(); ++row)
        names.push_back(item(row)->text().toStdString());
    return names;
}

int TSetListBox::FirstSelection() const {
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected()) return row;
    return -1;
}

std::optional<TSetEntry> TSetListBox::FirstSelectedEntry() const {
    const int row = FirstSelection();
    if (row < 0) return std::nullopt;
    return Entry(row);
}

bool TSetListBox::HoldsNameIgnoringCase(const QString& name) const {
    for (int row = 0; row < count(); ++row)
        if (NamesEqualIgnoringCase(item(row)->text(), name)) return true;
    return false;
}

} // namespace kv
