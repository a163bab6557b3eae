#pragma once
// What the parameter-set dialog tests share: a temporary current directory
// (the database is "PARAMS.SAV" there), a main window stand-in with real tabs
// and a real editor model, a driver that acts on modal dialogs as a user
// would while the code under test waits in exec(), and byte-level file access.

#include "FileBytes.h"
#include "params/EditorModel.h"
#include "storage/paramsfile/ParamsFile.h"
#include "storage/settings/SettingsStore.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/common/MessageSeam.h"
#include "ui/paramsets/ParamSetActions.h"
#include "ui/paramsets/ParamSetHost.h"

#include <QApplication>
#include <QPointer>
#include <QTabBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Messages and names print as text when a test fails.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace kv {

inline void PrintTo(const TSetEntry& e, std::ostream* os) {
    *os << '"' << e.Name << "\" #" << e.RecordNumber;
}

} // namespace kv

namespace kv::test {

TBytes RecordOf(const TBytes& file, std::size_t recordNumber);
TSetRecord AsRecord(const TBytes& bytes);
// A type of the default bounds with this frequency; South's HCP minimum set to
// hcpMin tells types apart.
THandParam TypeWith(int frequency, int hcpMin = 0);
// A set record holding types under name.
TSetRecord SetOf(const std::string& name, const std::vector<THandParam>& types);

// Types text into the focused-for-input widget key by key, any characters.
void TypeText(QWidget* widget, const QString& text);

// The main window as the dialogs see it: the types, one tab each, and the
// editor model showing the selected one.
class TFakeMainWindow : public IParamSetHost {
  public:
    TFakeMainWindow();

    QWidget* Window() override { return &window_; }
    const std::vector<THandParam>& Types() const override { return types_; }
    bool StoreType() override;
    void ShowReadTypes(std::vector<THandParam> types) override;
    void ReportError(const std::exception& error) override { Errors.push_back(error.what()); }
    void ShowHelp(int context) override { HelpContexts.push_back(context); }

    // Puts types into the window, one tab each, and shows the one at selected.
    void SetTypes(std::vector<THandParam> types, int selected = 0);
    QTabBar& Tabs() { return *tabs_; }
    QStringList TabCaptions() const;
    // "of " and the total frequency of the types.
    QString Total() const;
    TEditorModel Editor;

    bool RefuseStore = false;
    int Reads = 0;
    std::vector<std::string> Errors;
    std::vector<int> HelpContexts;

  private:
    QWidget window_;
    QTabBar* tabs_;
    std::vector<THandParam> types_;
    int selected_ = 0;
};

// Acts on the modal dialogs that the code under test opens: each dialog gets
// the first queued action made for its class. A dialog nobody expected is closed and noted; a
// dialog still open long after its action is closed and noted too, so a test fails instead of
// hanging.
class TModalDriver {
  public:
    TModalDriver();
    ~TModalDriver();

    template <class TDialog> void Then(std::function<void(TDialog&)> action) {
        queue_.push_back({[](QWidget* w) { return qobject_cast<TDialog*>(w) != nullptr; },
                          [action](QWidget* w) { action(*qobject_cast<TDialog*>(w)); }});
    }
    bool AllDone() const { return queue_.empty(); }
    // Dialogs closed because no action expected them or they stayed open.
    const QStringList& Problems() const { return problems_; }

  private:
    struct TStep {
        std::function<bool(QWidget*)> Matches;
        std::function<void(QWidget*)> Act;
    };
    void Poll();
    bool Handled(const QWidget* w) const;

    std::deque<TStep> queue_;
    std::vector<QPointer<QWidget>> handled_;
    QStringList problems_;
    int ticksWithHandledDialog_ = 0;
    std::shared_ptr<bool> alive_;
};

// Each test in a fresh folder that is the current directory, with messages
// recorded, file dialogs scripted and a settings store of its own.
class TParamSetTest : public ::testing::Test {
  protected:
    TParamSetTest();
    ~TParamSetTest() override;

    // Makes the actions (and the hidden Read From File dialog) and lists the database.
    void Start();
    // Saves the window's types under name through the name dialog.
    void Save(const QString& name);
    // Reads the set listed under name, chosen in Read From File with a click
    // on Read (or a double-click on the name).
    void Read(const QString& name, bool doubleClick = false);
    // Names of SetNameList, in list order, and their record numbers.
    std::vector<TSetEntry> Listed() const;
    QStringList Messages() const;
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    QString QPathOf(const std::string& name) const { return QString::fromStdString(PathOf(name)); }
    TBytes Database() const { return ReadBytes(folder_ / kDatabaseFileName); }
    // Writes a file of the header and these sets.
    void WriteParamsFile(const std::string& name, const std::vector<TSetRecord>& sets) const;
    const std::filesystem::path& Folder() const { return folder_; }

    std::filesystem::path folder_;
    std::filesystem::path previous_;
    TRecordedMessages messages;
    TScriptedFileDialogs fileDialogs;
    std::unique_ptr<TSettingsStore> store;
    TFakeMainWindow host;
    TModalDriver driver;
    std::unique_ptr<TParamSetActions> sets;
};

} // namespace kv::test
