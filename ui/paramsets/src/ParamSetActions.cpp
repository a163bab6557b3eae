#include "ui/paramsets/ParamSetActions.h"

#include "CopyParamsDlg.h"
#include "CopyRuns.h"
#include "DatabaseGuard.h"
#include "SavedParametersNameDlg.h"
#include "SeamWarnings.h"
#include "SetListBox.h"
#include "storage/paramsfile/SetRecord.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/paramsets/ParamSetHost.h"
#include "ui/paramsets/ParamSetMessages.h"
#include "ui/paramsets/ReadFromFileForm.h"

namespace kv {

TParamSetActions::TParamSetActions(IParamSetHost& host, TSettingsStore& store)
    : host_(host), store_(store), readForm_(new TReadFromFileForm(host, store, host.Window())) {}

TParamSetActions::~TParamSetActions() {
    delete readForm_.data();
}

void TParamSetActions::ListDatabase() {
    readForm_->ListDatabase();
}

// A set that fails validation has been warned about and changes nothing; so
// does a set whose every type has frequency 0, since the window needs a type,
// and a set that another program has taken out of the database meanwhile.
void TParamSetActions::ReadSavedParameters() {
    if (readForm_->exec() != QDialog::Accepted) return;
    const std::optional<TSetEntry> entry = readForm_->SelectedEntry();
    if (!entry) return;
    TSeamWarnings warnings(host_.Window());
    const TListedRead read = ReadListedSet(kDatabaseFileName, *entry, warnings);
    if (!read.Listed) return readForm_->ShowDatabaseChanged(*entry, host_.Window());
    if (!read.Read.Valid) return;
    std::vector<THandParam> types = TypesOfSet(read.Read.Record);
    if (types.empty())
        return ShowSetWarning(host_.Window(),
                              setmsg::NothingToRead(QString::fromStdString(entry->Name)));
    host_.ShowReadTypes(std::move(types));
}

// The list gains the set only once the database holds it, under the name the
// record stores.
void TParamSetActions::SaveCurrentParameters() {
    TSavedParametersNameDlg nameDlg(readForm_->SetNameList().Names(), host_.Window());
    if (nameDlg.exec() != QDialog::Accepted) return;
    if (!host_.StoreType()) return;
    const TSetRecord record = NewSetRecord(nameDlg.Name().toStdString(), host_.Types());
    TSeamWarnings warnings(host_.Window());
    const TWriteResult written = WriteParameterSet(kDatabaseFileName, record, warnings);
    if (written.Written)
        readForm_->SetNameList().AddEntry({RecordName(record), written.RecordNumber});
}

void TParamSetActions::CopyToOtherFile() {
    TCopyParamsDlg copy(true, QString(), readForm_->SetNameList(), host_, store_, host_.Window());
    copy.exec();
}

void TParamSetActions::CopyFromOtherFile() {
    QWidget* window = host_.Window();
    const std::optional<QString> path =
        TFileDialogSeam::Ask(window, {TFileDialogKind::Open, QStringLiteral("Open"),
                                      ParamsFileFilter(), ParamsFileExtension()});
    if (!path) return;
    if (IsDatabaseFile(FilePath(*path))) return ShowSetWarning(window, setmsg::kImportFromDatabase);
    if (!HoldsParamsHeader(FilePath(*path)))
        return ShowSetWarning(window, setmsg::NotValidForProgram(FileNameOf(*path)));
    TCopyParamsDlg copy(false, *path, readForm_->SetNameList(), host_, store_, window);
    copy.exec();
}

} // namespace kv
