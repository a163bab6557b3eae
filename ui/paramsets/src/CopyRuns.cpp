#include "CopyRuns.h"

#include "DatabaseGuard.h"
#include "DupeNameDlg.h"
#include "SeamWarnings.h"
#include "SetListBox.h"
#include "SetNames.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/paramsets/ParamSetMessages.h"

#include <QDir>
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

struct TChosenRecords {
    std::vector<TSetRecord> Records;
    TCopyOutcome Outcome;
};

// The records of the chosen sets of fromFile, in order, or none when the file
// no longer holds one of them as listed. A set whose type texts are rejected
// has been warned about and is copied all the same.
TChosenRecords ReadChosen(const std::string& fromFile, const std::vector<TSetEntry>& chosen,
                          IWarningSink& warnings) {
    TChosenRecords read;
    for (const TSetEntry& entry : chosen) {
        const TListedRead set = ReadListedSet(fromFile, entry, warnings);
        if (!set.Listed) return {{}, {entry}};
        read.Records.push_back(set.Read.Record);
    }
    return read;
}

// The export target, asked for again while the chosen file's folder does not
// exist, as a save dialog that requires an existing folder does.
std::optional<QString> AskExportTarget(QWidget* parent) {
    for (;;) {
        const std::optional<QString> path =
            TFileDialogSeam::Ask(parent, {TFileDialogKind::Save, QStringLiteral("Save As"),
                                          ParamsFileFilter(), ParamsFileExtension()});
        if (!path) return std::nullopt;
        const QDir folder = QFileInfo(*path).absoluteDir();
        if (folder.exists()) return path;
        ShowSetWarning(parent, setmsg::FolderMissing(QDir::toNativeSeparators(folder.path())));
    }
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

TCopyOutcome CopyToOtherFile(const std::vector<TSetEntry>& chosen, QWidget* parent) {
    const std::optional<QString> path = AskExportTarget(parent);
    if (!path) return {};
    if (IsDatabaseFile(FilePath(*path))) {
        ShowSetWarning(parent, setmsg::kExportToDatabase);
        return {};
    }
    const std::optional<std::vector<std::string>> held = ExportTargetNames(*path, parent);
    if (!held) return {};
    const std::optional<std::vector<TSetEntry>> work = RenamePass(chosen, *held, parent);
    if (!work) return {};
    TSeamWarnings warnings(parent);
    TChosenRecords read = ReadChosen(kDatabaseFileName, chosen, warnings);
    for (std::size_t i = 0; i < read.Records.size(); ++i) {
        SetRecordName(read.Records[i], (*work)[i].Name);
        // A refused header refuses every later set too: one message is enough.
        if (!WriteParameterSet(FilePath(*path), read.Records[i], warnings).Written) break;
    }
    return read.Outcome;
}

TCopyOutcome CopyToDatabase(const QString& sourcePath, const std::vector<TSetEntry>& chosen,
                            TSetListBox& setNameList, QWidget* parent) {
    const std::optional<std::vector<TSetEntry>> work =
        RenamePass(chosen, setNameList.Names(), parent);
    if (!work) return {};
    TSeamWarnings warnings(parent);
    TChosenRecords read = ReadChosen(FilePath(sourcePath), chosen, warnings);
    for (std::size_t i = 0; i < read.Records.size(); ++i) {
        TSetRecord& record = read.Records[i];
        SetRecordName(record, (*work)[i].Name);
        const TWriteResult written = WriteParameterSet(kDatabaseFileName, record, warnings);
        if (!written.Written) break;
        setNameList.AddEntry({RecordName(record), written.RecordNumber});
    }
    return read.Outcome;
}

} // namespace kv
