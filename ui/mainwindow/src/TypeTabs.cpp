// The main window's tabs, one per hand type of the type list model, and the
// actions that add, delete and clear types. The model decides which types
// there are and which is selected; the tabs follow it.
#include "ui/mainwindow/DefinitionForm.h"

#include "AdvancedAlertDlg.h"

#include <QSignalBlocker>
#include <QTabBar>

namespace kv {
namespace {

QString TabCaption(int index) {
    return QStringLiteral("Type &%1").arg(index + 1);
}

} // namespace

// A tab change made by the user: the type being left is stored first, and a
// type that fails validation keeps its tab.
void TDefinitionForm::TabChanged(int index) {
    if (index == types_.Selected() || index < 0) return;
    if (!StoreType()) {
        const QSignalBlocker block(Tabs());
        Tabs()->setCurrentIndex(types_.Selected());
        return;
    }
    types_.Select(index);
    LoadType(types_.SelectedType());
}

// One tab per type, numbered from 1, the selected type's tab current; no
// tab change reaches TabChanged.
void TDefinitionForm::FitTabs() {
    const QSignalBlocker block(Tabs());
    while (Tabs()->count() < types_.Count())
        Tabs()->addTab(QString());
    while (Tabs()->count() > types_.Count())
        Tabs()->removeTab(Tabs()->count() - 1);
    for (int i = 0; i < Tabs()->count(); ++i)
        Tabs()->setTabText(i, TabCaption(i));
    Tabs()->setCurrentIndex(types_.Selected());
}

// The tabs, the editor (with the frequency and the total) and the actions
// after the model changed.
void TDefinitionForm::ShowTypes() {
    FitTabs();
    LoadType(types_.SelectedType());
    UpdateActions();
}

void TDefinitionForm::ReplaceTypes(TTypeList types) {
    if (types_.Replace(std::move(types))) ShowTypes();
}

void TDefinitionForm::ClearOneActionExecute() {
    model_.ResetEditor();
    ShowTypeFrequency();
}

void TDefinitionForm::ClearAllActionExecute() {
    types_.ClearAll();
    FitTabs();
    ClearOneActionExecute();
    UpdateActions();
}

// With WarnOnNewTypes set, the second type is added only after the Confusion
// Alert was left with "I'm ready!"; its check box then decides whether the
// alert comes again.
void TDefinitionForm::AddTypeActionExecute() {
    if (!types_.CanAdd()) return;
    if (options_.WarnOnNewTypes && types_.Count() == 1) {
        TAdvancedAlertDlg alert(this);
        if (alert.exec() != QDialog::Accepted) return;
        options_.WarnOnNewTypes = !alert.DontShowAgain();
    }
    if (!StoreType()) return;
    types_.Add();
    FitTabs();
    ClearOneActionExecute();
    UpdateActions();
}

// The editor's contents are discarded; the neighbour that takes the deleted
// tab's place (or the new last tab) is shown.
void TDefinitionForm::DeleteTypeActionExecute() {
    if (!types_.DeleteSelected()) return;
    ShowTypes();
}

} // namespace kv
