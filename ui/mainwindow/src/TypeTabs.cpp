// The main window's tabs, one per hand type, and the actions that add,
// delete and clear types.
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
    if (index == selected_ || index < 0) return;
    if (!StoreType()) {
        const QSignalBlocker block(Tabs());
        Tabs()->setCurrentIndex(selected_);
        return;
    }
    selected_ = index;
    LoadType(typeList_.at(static_cast<std::size_t>(selected_)));
}

void TDefinitionForm::NumberTabs() {
    for (int i = 0; i < Tabs()->count(); ++i)
        Tabs()->setTabText(i, TabCaption(i));
}

void TDefinitionForm::AppendTab() {
    const QSignalBlocker block(Tabs());
    Tabs()->addTab(TabCaption(Tabs()->count()));
}

void TDefinitionForm::SyncTabsWithTypes() {
    {
        const QSignalBlocker block(Tabs());
        while (Tabs()->count() < static_cast<int>(typeList_.size()))
            AppendTab();
        while (Tabs()->count() > static_cast<int>(typeList_.size()))
            Tabs()->removeTab(Tabs()->count() - 1);
        NumberTabs();
        Tabs()->setCurrentIndex(0);
    }
    selected_ = 0;
    LoadType(typeList_.front());
    ShowFrequencyTotal();
    UpdateActions();
}

void TDefinitionForm::ReplaceTypes(TTypeList types) {
    if (types.empty()) return;
    typeList_ = std::move(types);
    SyncTabsWithTypes();
}

void TDefinitionForm::ClearOneActionExecute() {
    model_.ResetEditor();
    ShowTypeFrequency();
}

void TDefinitionForm::ClearAllActionExecute() {
    {
        const QSignalBlocker block(Tabs());
        while (Tabs()->count() > 1)
            Tabs()->removeTab(Tabs()->count() - 1);
        Tabs()->setCurrentIndex(0);
    }
    selected_ = 0;
    typeList_.assign(1, THandParam{});
    ClearOneActionExecute();
    UpdateActions();
}

// With WarnOnNewTypes set, the second type is added only after the Confusion
// Alert was left with "I'm ready!"; its check box then decides whether the
// alert comes again.
void TDefinitionForm::AddTypeActionExecute() {
    if (static_cast<int>(typeList_.size()) >= kMaxTypes) return;
    if (options_.WarnOnNewTypes && typeList_.size() == 1) {
        TAdvancedAlertDlg alert(this);
        if (alert.exec() != QDialog::Accepted) return;
        options_.WarnOnNewTypes = !alert.DontShowAgain();
    }
    if (!StoreType()) return;
    typeList_.emplace_back();
    AppendTab();
    NumberTabs();
    {
        const QSignalBlocker block(Tabs());
        Tabs()->setCurrentIndex(Tabs()->count() - 1);
    }
    selected_ = Tabs()->count() - 1;
    ClearOneActionExecute();
    UpdateActions();
}

// The editor's contents are discarded; the neighbour that takes the deleted
// tab's place (or the new last tab) is shown.
void TDefinitionForm::DeleteTypeActionExecute() {
    if (typeList_.size() <= 1) return;
    const int index = selected_;
    typeList_.erase(typeList_.begin() + index);
    {
        const QSignalBlocker block(Tabs());
        Tabs()->removeTab(index);
        selected_ = std::min(index, Tabs()->count() - 1);
        Tabs()->setCurrentIndex(selected_);
    }
    NumberTabs();
    ShowFrequencyTotal();
    LoadType(typeList_.at(static_cast<std::size_t>(selected_)));
    UpdateActions();
}

} // namespace kv
