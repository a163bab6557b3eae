#pragma once
// The two copy runs of the Copy parameters dialog and the rename pass they
// share. Sets are copied record by record: only the name field changes.
// Every chosen set is read, and checked against its record, before the first
// is written: when another program has changed the source since it was
// listed, nothing is copied. Input/output and conversion errors stop a run and
// leave it as an exception (sets written before stay written, and stay listed).

#include "storage/paramsfile/ParamsFile.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace kv {

class TSetListBox;

struct TCopyOutcome {
    // The first chosen set that the source no longer holds as listed: another
    // program changed the file, and nothing was copied.
    std::optional<TSetEntry> Gone;
};

// The chosen sets, in order, under the names they are to be written with.
// Every set whose name targetNames holds (ignoring case, by the user's
// locale) is renamed in the Duplicate Name dialog; a new name is not compared
// again. Nothing when the user cancelled the copy there.
std::optional<std::vector<TSetEntry>> RenamePass(const std::vector<TSetEntry>& chosen,
                                                 const std::vector<std::string>& targetNames,
                                                 QWidget* parent);

// Asks for the target file (again, after a message, while its folder does not
// exist), refuses the database itself and an existing file that is not a
// parameters file, renames sets whose names the target holds, and writes the
// chosen database sets into it in order (a new file is created).
TCopyOutcome CopyToOtherFile(const std::vector<TSetEntry>& chosen, QWidget* parent);

// Copies the chosen sets of sourcePath into the database in order, renaming
// those whose names the database holds; each set written joins setNameList.
TCopyOutcome CopyToDatabase(const QString& sourcePath, const std::vector<TSetEntry>& chosen,
                            TSetListBox& setNameList, QWidget* parent);

// The dialogs that choose the file of a copy.
QString ParamsFileFilter();
QString ParamsFileExtension();

// A path as the file operations take it, and the file's name without its folder.
std::string FilePath(const QString& path);
QString FileNameOf(const QString& path);

} // namespace kv
