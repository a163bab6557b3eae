#pragma once
// The program's run: start-up in a fixed order, the event loop, and shutdown.
//
// Start-up: the engine state first, before any window; then the help system;
// then the main window, whose creation reads the options, binds the print
// library, loads its images, makes the first type and seeds the random
// source from the clock; then the hands window, created hidden, which builds
// the card images and seeds the random source once more (this seed stands);
// last the Read From File dialog, created hidden, which lists the database.
// Shutdown is the reverse: the main window goes first and writes the options
// back to the settings store.

#include "engine/DealEngine.h"
#include "output/print/PrintLibrary.h"
#include "storage/settings/SettingsStore.h"
#include "ui/enginehost/QtEngineHost.h"
#include "ui/hands/GraphicDisplayForm.h"
#include "ui/help/HelpSystem.h"
#include "ui/mainwindow/DefinitionForm.h"

#include <QPointer>

#include <memory>

namespace kv {

class TParamSetActions;
class TMainWindowSetHost;

class TProgram {
  public:
    // The settings store is the user's own for the program, a file for tests;
    // the print library is looked for beside the program unless named.
    explicit TProgram(std::unique_ptr<TSettingsStore> store,
                      const QString& printLibraryFile = TPrintLibrary::DefaultLocation());
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    TDealEngine& Engine() { return engine_; }
    TDefinitionForm& MainWindow() { return *mainWindow_; }
    TGraphicDisplayForm& HandsWindow() { return *handsWindow_; }
    TParamSetActions& ParamSets() { return *paramSets_; }
    THelpSystem& Help() { return help_; }

    // Shows the main window and runs the event loop until it closes.
    int Run();

  private:
    TDefinitionLinks Links();
    TPrintLibraryState BindPrintLibrary();
    void RunPrintDialog(TDefinitionForm& form);
    bool RunSessionPrintDialog(QWidget* parent, const TDealSession& session);
    // The print dialog over `parent`: of new deals, or of `boards` when given.
    bool RunPrintDialog(TDefinitionForm& form, QWidget* parent, std::vector<TBoardDeal> boards);
    void CreateHandsWindow();
    void CreateParamSets();

    TDealEngine engine_;
    std::unique_ptr<TSettingsStore> store_;
    THelpSystem help_;
    TQtEngineHost host_;
    TPrintLibrary printLibrary_;
    TPrinterChoice printerChoice_;
    std::unique_ptr<TDefinitionForm> mainWindow_;
    QPointer<TGraphicDisplayForm> handsWindow_; // owned by the main window
    std::unique_ptr<TMainWindowSetHost> setHost_;
    std::unique_ptr<TParamSetActions> paramSets_;
};

} // namespace kv
