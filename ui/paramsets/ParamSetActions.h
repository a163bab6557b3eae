#pragma once
// The File menu's parameter-set actions: "&Read saved parameters...",
// "&Save current parameters..." and the two items of "&Copy parameters".
// The object is made at start-up; it makes the Read From File dialog, hidden,
// whose list (SetNameList) indexes the database "PARAMS.SAV" of the current
// directory for the whole run.
//
// Input/output and conversion errors of the file operations abandon the action
// and leave it as exceptions (EInOutError, EConvertError) for the main window's
// general error report; the database and SetNameList change only together.

#include "params/HandParam.h"

#include <QPointer>

#include <vector>

namespace kv {

class IParamSetHost;
class TReadFromFileForm;
class TSettingsStore;

class TParamSetActions {
  public:
    TParamSetActions(IParamSetHost& host, TSettingsStore& store);
    // Discards the Read From File dialog unless its parent already did.
    ~TParamSetActions();
    TParamSetActions(const TParamSetActions&) = delete;
    TParamSetActions& operator=(const TParamSetActions&) = delete;

    // Lists the database into SetNameList (creating it when missing).
    // Throws EInOutError when a missing database cannot be created.
    void ListDatabase();
    TReadFromFileForm* ReadFromFileForm() const { return readForm_; }

    // Shows Read From File; a set read there replaces every type.
    void ReadSavedParameters();
    // Asks for a name, stores the selected type, and writes every type as a new set.
    void SaveCurrentParameters();
    // "&From your database to another file...".
    void CopyToOtherFile();
    // "&To your database from another file": asks for the source file first.
    void CopyFromOtherFile();

  private:
    IParamSetHost& host_;
    TSettingsStore& store_;
    QPointer<TReadFromFileForm> readForm_;
};

} // namespace kv
