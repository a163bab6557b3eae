#include "MainWindowSetHost.h"

#include "ErrorReport.h"
#include "HelpSystem.h"

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
