// The main window's actions that reach beyond it: generating hands to the
// screen and the printer, opening deals from a file, synchronising the seed,
// and parameter sets.
#include "ui/mainwindow/DefinitionForm.h"

#include "SyncForm.h"
#include "ui/mainwindow/ErrorReport.h"

#include <QCloseEvent>
#include <QTabBar>

namespace kv {

// Stores the selected type and runs the hands window's opening sequence.
// Types the generator found impossible are gone from the list afterwards, and
// so are their tabs.
void TDefinitionForm::ShowHandsActionExecute() {
    if (!showHands_->isEnabled() || !StoreType()) return;
    const TTypeList before = types_.Types();
    links_.ShowDeals(types_.Types());
    FitTabsAfterGeneration(before);
}

void TDefinitionForm::PrintHandsActionExecute() {
    if (!printHands_->isEnabled() || !StoreType()) return;
    const TTypeList before = types_.Types();
    links_.RunPrintDialog(*this);
    FitTabsAfterGeneration(before);
}

// The analysis works on a copy of the types and never draws from the engine:
// deal 1 is the deal "Generate Hands to Screen" would show next.
void TDefinitionForm::AnalyseHandsActionExecute() {
    if (!analyseHands_->isEnabled() || !StoreType()) return;
    links_.AnalyseHands(*this);
}

void TDefinitionForm::FitTabsAfterGeneration(const TTypeList& before) {
    if (types_.FollowGeneration(before)) ShowTypes();
}

void TDefinitionForm::closeEvent(QCloseEvent* event) {
    if (links_.MayClose && !links_.MayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TDefinitionForm::OnOpenDeals() {
    if (links_.OpenDeals) links_.OpenDeals(*this);
}

void TDefinitionForm::OnSynchronize() {
    SynchronizeSeed(this, engine_.Random());
}

void TDefinitionForm::OnReadParams() {
    RunParameterLink(links_.ReadParameters);
}

void TDefinitionForm::OnSaveParams() {
    if (!links_.SaveParameters || !StoreType()) return;
    RunParameterLink(links_.SaveParameters);
}

void TDefinitionForm::RunParameterLink(const std::function<void(TDefinitionForm&)>& link) {
    if (!link) return;
    RunGuarded(this, [&] { link(*this); });
}

} // namespace kv
