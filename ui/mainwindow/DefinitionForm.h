#pragma once
// The main window, "Hand Parameters": the toolbar, one tab per hand type over
// the parameter editor, and the frequency panel. It shows the type list model
// (params/TypeListModel.h) and owns it and the options, stores the editor
// into the selected type before every action that uses the types, and starts
// every other function of the program.
//
// Its parts live in separate files: creation and shutdown (DefinitionForm),
// menus, toolbar and options (MainMenus), the tabs and the type actions
// (TypeTabs), generation, synchronising and parameter sets (MainActions).

#include "engine/DealEngine.h"
#include "params/EditorModel.h"
#include "params/TypeListModel.h"
#include "ui/mainwindow/MainOptions.h"
#include "ui/mainwindow/PrintLibraryState.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QTabBar;
class QToolBar;

namespace kv {

class TDefinitionForm;
class TEditorPage;
class TFrequencyPanel;
class TSettingsStore;
class TStatusNote;
class TTabControl;

// The windows and services the main window opens but does not own. Each may
// be absent; the actions that need an absent one stay disabled.
struct TDefinitionLinks {
    // Binds the hand-printing library while the window is created.
    std::function<TPrintLibraryState()> BindPrintLibrary;
    // Shows the print dialog modally over the window.
    std::function<void(TDefinitionForm&)> RunPrintDialog;
    // The hands window's opening sequence: deals the deal to show and the one
    // after it, then shows the window beside this one; false when the
    // generator gave up.
    std::function<bool(TTypeList&)> ShowDeals;
    // Asked before the window closes (and the program with it): false keeps
    // it open, when another window holds work the user wants to keep.
    std::function<bool()> MayClose;
    // Parameter sets; Read replaces the types through ReplaceTypes, Save is
    // called after the selected type was stored.
    std::function<void(TDefinitionForm&)> ReadParameters;
    std::function<void(TDefinitionForm&)> SaveParameters;
    std::function<void(TDefinitionForm&)> CopyToOtherFile;
    std::function<void(TDefinitionForm&)> CopyFromOtherFile;
    // "Analyse Hands...": the analysis of many deals of the stored types from
    // the engine's current seed, with its own windows.
    std::function<void(TDefinitionForm&)> AnalyseHands;
    // Reads the boards of a PBN file and shows them in the hands window.
    std::function<void(TDefinitionForm&)> OpenDeals;
};

class TDefinitionForm : public QMainWindow, private IEditorView {
    Q_OBJECT
  public:
    TDefinitionForm(TDealEngine& engine, TSettingsStore& store, TDefinitionLinks links = {},
                    QWidget* parent = nullptr);
    // Writes the options back to the settings store.
    ~TDefinitionForm() override;

    TDealEngine& Engine() { return engine_; }
    // The list itself: the generator may leave types out of it, after which
    // FitTabsAfterGeneration runs.
    TTypeList& TypeList() { return types_.Types(); }
    const TTypeList& TypeList() const { return types_.Types(); }
    int SelectedIndex() const { return types_.Selected(); }
    TMainOptions& Options() { return options_; }
    const TMainOptions& Options() const { return options_; }
    TEditorModel& Editor() { return model_; }
    TEditorPage* EditorPage() const { return page_; }
    TFrequencyPanel* FrequencyPanel() const { return freq_; }
    QTabBar* Tabs() const;
    TDefinitionLinks& Links() { return links_; }
    bool PrintLibraryUsable() const { return printState_ == TPrintLibraryState::Usable; }

    // Validates the editor and copies it into the selected type; on failure
    // shows the "Warning" box, leaves the type alone and returns false.
    bool StoreType();
    void LoadType(const THandParam& type);
    // Replaces every type (a parameter set read from a file) and shows the
    // first; a list of no types or more than eight changes nothing.
    void ReplaceTypes(TTypeList types);
    // Enables the actions from the number of types and the links present.
    void UpdateActions();
    // A note in the status bar under the client area, until the user's next
    // action in the window.
    void ShowStatus(const QString& text);

    // The generator left types out of the list; the tabs follow. A list the
    // generator emptied gets `before` back, since a window without a type to
    // show has nothing left to edit.
    void FitTabsAfterGeneration(const TTypeList& before);

    void ShowHandsActionExecute();
    void PrintHandsActionExecute();
    void AnalyseHandsActionExecute();
    void ClearOneActionExecute();
    void ClearAllActionExecute();
    void AddTypeActionExecute();
    void DeleteTypeActionExecute();
    void OnSynchronize();
    void OnReadParams();
    void OnSaveParams();
    void OnOpenDeals();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // IEditorView
    void Beep() override;
    void RowChanged(TEditorRow row) override;
    void FrequencyChanged() override;

    void BuildClientArea();
    void BuildActions();
    void BuildMenus();
    void BuildFileMenu();
    void BuildOptionsMenu();
    void BuildHelpMenu();
    QMenu* AddMenu(QMenu* parent, const char* name, const QString& caption);
    void BuildToolBar();
    void LoadToolBarImages();
    void ApplyOptions();
    void BindPrintLibrary();
    void OnTenSymbolChosen(QAction* item);
    void TabChanged(int index);
    void FitTabs();
    void ShowTypes();
    void FreqEditChange();
    void ShowTypeFrequency();
    void ShowFrequencyTotal();
    void RunParameterLink(const std::function<void(TDefinitionForm&)>& link);
    QAction* MakeAction(const char* name, const QString& caption, const QString& hint);

    TDealEngine& engine_;
    TSettingsStore& store_;
    TDefinitionLinks links_;
    TEditorModel model_;
    TTypeListModel types_;
    TMainOptions options_;
    TPrintLibraryState printState_ = TPrintLibraryState::NotFound;
    TStatusNote* statusNote_ = nullptr;

    TEditorPage* page_ = nullptr;
    TTabControl* tabControl_ = nullptr;
    TFrequencyPanel* freq_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* showHands_ = nullptr;
    QAction* printHands_ = nullptr;
    QAction* analyseHands_ = nullptr;
    QAction* clearOne_ = nullptr;
    QAction* clearAll_ = nullptr;
    QAction* addType_ = nullptr;
    QAction* deleteType_ = nullptr;
    QAction* readParams_ = nullptr;
    QAction* saveParams_ = nullptr;
    QAction* copyTo_ = nullptr;
    QAction* copyFrom_ = nullptr;
    QAction* openDeals_ = nullptr;
    QAction* tenT_ = nullptr;
    QAction* ten10_ = nullptr;
    QAction* colorPrinting_ = nullptr;
};

} // namespace kv
