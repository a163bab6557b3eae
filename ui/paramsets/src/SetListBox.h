#pragma once
// A list box of parameter sets: each entry a set name with the set's record
// number in its file. A sorted box keeps its entries in collation order
// ignoring case (a new entry goes after those equal to it); an unsorted one
// keeps them in the order they were added. Each entry keeps the name exactly
// as the file holds it, whatever its row shows, so that the set can be checked
// against its record before it is read or deleted.

#include "storage/paramsfile/ParamsFile.h"

#include <QListWidget>

#include <optional>
#include <vector>

namespace kv {

class TSetListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit TSetListBox(bool sorted, QWidget* parent = nullptr);

    bool Sorted() const { return sorted_; }
    // Adds one entry and returns its row.
    int AddEntry(const TSetEntry& entry);
    // Replaces every entry.
    void SetEntries(const std::vector<TSetEntry>& entries);
    // Replaces every entry by the sets of a file (ListParameterSets); its
    // warnings are shown over warningParent.
    void ListFile(const std::string& fileName, QWidget* warningParent);
    TSetEntry Entry(int row) const;
    std::vector<TSetEntry> Entries() const;
    std::vector<std::string> Names() const;
    // The entry of the first selected row, if any row is selected.
    std::optional<TSetEntry> FirstSelectedEntry() const;
    // The first selected row, -1 when none is selected.
    int FirstSelection() const;
    bool HoldsNameIgnoringCase(const QString& name) const;

  private:
    int SortedRowFor(const QString& name) const;

    bool sorted_;
};

} // namespace kv
