#include "CopyRuns.h"

#include "DatabaseGuard.h"
#include "DupeNameDlg.h"
#include "FileDialogSeam.h"
#include "ParamSetMessages.h"
#include "SeamWarnings.h"
#include "SetListBox.h"
#include "SetNames.h"

#include <QFile>
#include <QFileInfo>

namespace kv {
namespace {

bool TargetHolds(const std::vector<std::string>& targetNames, const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (const std::string& held : targetNames)
        if (NamesEqualIgnoringCase(QString::fromStdString(held), wanted)) return true;
    return false;
}

// One set of fromFile under its new name; a set whose type texts are rejected
// has been warned about and is copied all the same.
TSetRecord RenamedSet(const std::string& fromFile, const TSetEntry& entry, IWarningSink& warnings) {
    TSetRecord record = ReadParameterSet(fromFile, entry.RecordNumber, warnings).Record;
    SetRecordName(record, entry.Name);
    return record;
}

// The names an existing export target holds; a new file holds none.
std::optional<std::vector<std::string>> ExportTargetNames(const QString& path, QWidget* parent) {
    if (!QFileInfo::exists(path)) return std::vector<std::string>{};
    if (!HoldsParamsHeader(FilePath(path))) {
        ShowSetWarning(parent, setmsg::NotValidForProgram(FileNameOf(path)));
        return std::nullopt;
    }
    std::vector<TSetEntry> held;
    TSeamWarnings warnings(parent);
    ListParameterSets(held, FilePath(path), warnings);
    std::vector<std::string> names;
    for (const TSetEntry& entry : held)
        names.push_back(entry.Name);
    return names;
}

} // namespace

QString ParamsFileFilter() {
    return QStringLiteral("Saved parameter files|*.SAV|All files|*.*");
}
QString ParamsFileExtension() {
    return QStringLiteral("SAV");
}

std::string FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
QString FileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

std::optional<std::vector<TSetEntry>> RenamePass(const std::vector<TSetEntry>& chosen,
                                                 const std::vector<std::string>& targetNames,
                                                 QWidget* parent) {
    std::vector<TSetEntry> work = chosen;
    for (TSetEntry& entry : work) {
        if (!TargetHolds(targetNames, entry.Name)) continue;
        TDupeNameDlg rename(QString::fromStdString(entry.Name), parent);
        if (rename.exec() != QDialog::Accepted) return std::nullopt;
        entry.Name = rename.NewName().toStdString();
    }
    return work;
}

void CopyToOtherFile(const std::vector<TSetEntry>& chosen, QWidget* parent) {
    const std::optional<QString> path =
        TFileDialogSeam::Ask(parent, {TFileDialogKind::Save, QStringLiteral("Save As"),
                                      ParamsFileFilter(), ParamsFileExtension()});
    if (!path) return;
    if (IsDatabaseFile(FilePath(*path))) return ShowSetWarning(parent, setmsg::kExportToDatabase);
    const std::optional<std::vector<std::string>> held = ExportTargetNames(*path, parent);
    if (!held) return;
    const std::optional<std::vector<TSetEntry>> work = RenamePass(chosen, *held, parent);
    if (!work) return;
    TSeamWarnings warnings(parent);
    for (const TSetEntry& entry : *work) {
        const TSetRecord record = RenamedSet(kDatabaseFileName, entry, warnings);
        // A refused header refuses every later set too: one message is enough.
        if (!WriteParameterSet(FilePath(*path), record, warnings).Written) return;
    }
}

void CopyToDatabase(const QString& sourcePath, const std::vector<TSetEntry>& chosen,
                    TSetListBox& setNameList, QWidget* parent) {
    const std::optional<std::vector<TSetEntry>> work =
        RenamePass(chosen, setNameList.Names(), parent);
    if (!work) return;
    TSeamWarnings warnings(parent);
    for (const TSetEntry& entry : *work) {
        const TSetRecord record = RenamedSet(FilePath(sourcePath), entry, warnings);
        const TWriteResult written = WriteParameterSet(kDatabaseFileName, record, warnings);
        if (!written.Written) return;
        setNameList.AddEntry({RecordName(record), written.RecordNumber});
    }
}

} // namespace kv
