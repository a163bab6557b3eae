#include "MainWindowSetHost.h"

#include "ui/help/HelpSystem.h"
#include "ui/mainwindow/ErrorReport.h"

namespace kv {

void TMainWindowSetHost::ShowReadTypes(std::vector<THandParam> types) {
    form_.Editor().ResetEditor();
    form_.ReplaceTypes(std::move(types));
}

void TMainWindowSetHost::ReportError(const std::exception& error) {
    ShowErrorReport(&form_, error);
}

void TMainWindowSetHost::ShowHelp(int context) {
    THelpSystem::ShowContext(context);
}

} // namespace kv
