#include "SetListBox.h"

#include "SeamWarnings.h"
#include "SetNames.h"

namespace kv {
namespace {

constexpr int kRecordRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;

} // namespace

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
    added->setData(kRecordRole, entry.RecordNumber);
    added->setData(kNameRole, QByteArray::fromStdString(entry.Name));
    const int row = sorted_ ? SortedRowFor(name) : count();
    insertItem(row, added);
    return row;
}

void TSetListBox::SetEntries(const std::vector<TSetEntry>& entries) {
    clear();
    for (const TSetEntry& entry : entries)
        AddEntry(entry);
}

void TSetListBox::ListFile(const std::string& fileName, QWidget* warningParent) {
    std::vector<TSetEntry> entries;
    TSeamWarnings warnings(warningParent);
    ListParameterSets(entries, fileName, warnings);
    SetEntries(entries);
}

TSetEntry TSetListBox::Entry(int row) const {
    const QListWidgetItem* at = item(row);
    return {at->data(kNameRole).toByteArray().toStdString(), at->data(kRecordRole).toInt()};
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
        names.push_back(Entry(row).Name);
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
