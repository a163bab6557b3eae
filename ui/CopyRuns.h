#pragma once
// The two copy runs of the Copy parameters dialog and the rename pass they
// share. Sets are copied record by record: only the name field changes.
// Input/output and conversion errors stop a run and leave it as an exception
// (sets written before stay written, and stay listed).

#include "ParamsFile.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace kv {

class TSetListBox;

// The chosen sets, in order, under the names they are to be written with.
// Every set whose name targetNames holds (ignoring case, by the user's
// locale) is renamed in the Duplicate Name dialog; a new name is not compared
// again. Nothing when the user cancelled the copy there.
std::optional<std::vector<TSetEntry>> RenamePass(const std::vector<TSetEntry>& chosen,
                                                 const std::vector<std::string>& targetNames,
                                                 QWidget* parent);

// Asks for the target file, refuses the database itself and an existing file
// that is not a parameters file, renames sets whose names the target holds,
// and writes the chosen database sets into it in order (a new file is created).
void CopyToOtherFile(const std::vector<TSetEntry>& chosen, QWidget* parent);

// Copies the chosen sets of sourcePath into the database in order, renaming
// those whose names the database holds; each set written joins setNameList.
void CopyToDatabase(const QString& sourcePath, const std::vector<TSetEntry>& chosen,
                    TSetListBox& setNameList, QWidget* parent);

// The dialogs that choose the file of a copy.
QString ParamsFileFilter();
QString ParamsFileExtension();

// A path as the file operations take it, and the file's name without its folder.
std::string FilePath(const QString& path);
QString FileNameOf(const QString& path);

} // namespace kv
