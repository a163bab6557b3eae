#pragma once
// The program's run: start-up in a fixed order, the event loop, and shutdown.
//
// Start-up: the engine state first, before any window; then the help system;
// then the main window, whose creation reads the options, binds the print
// library, loads its images, makes the first type and seeds the random
// source from the clock. Shutdown is the reverse: the main window goes first
// and writes the options back to the settings store.

#include "DealEngine.h"
#include "DefinitionForm.h"
#include "HelpSystem.h"
#include "SettingsStore.h"

#include <memory>

namespace kv {

class TProgram {
  public:
    // The settings store is the user's own for the program, a file for tests.
    explicit TProgram(std::unique_ptr<TSettingsStore> store, TDefinitionLinks links = {});
    ~TProgram();

    TDealEngine& Engine() { return engine_; }
    TDefinitionForm& MainWindow() { return *mainWindow_; }
    THelpSystem& Help() { return help_; }

    // Shows the main window and runs the event loop until it closes.
    int Run();

  private:
    TDealEngine engine_;
    std::unique_ptr<TSettingsStore> store_;
    THelpSystem help_;
    std::unique_ptr<TDefinitionForm> mainWindow_;
};

} // namespace kv
