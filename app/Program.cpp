#include "Program.h"

#include <QApplication>

namespace kv {

TProgram::TProgram(std::unique_ptr<TSettingsStore> store, TDefinitionLinks links)
    : store_(std::move(store)),
      mainWindow_(std::make_unique<TDefinitionForm>(engine_, *store_, std::move(links))) {}

// The main window is destroyed first: it writes the options while the store
// is still open.
TProgram::~TProgram() {
    mainWindow_.reset();
}

int TProgram::Run() {
    mainWindow_->show();
    return QApplication::exec();
}

} // namespace kv
