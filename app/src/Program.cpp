#include "Program.h"

#include "MainWindowSetHost.h"
#include "ui/analysis/ShowAnalyse.h"
#include "ui/hands/GraphicDisplayForm.h"
#include "ui/hands/OpenDeals.h"
#include "ui/mainwindow/ErrorReport.h"
#include "ui/paramsets/ParamSetActions.h"
#include "ui/paramsets/ReadFromFileForm.h"
#include "ui/print/PrintForm.h"

#include <QApplication>

namespace kv {

TProgram::TProgram(std::unique_ptr<TSettingsStore> store, const QString& printLibraryFile)
    : store_(std::move(store)), printLibrary_(printLibraryFile) {
    mainWindow_ = std::make_unique<TDefinitionForm>(engine_, *store_, Links());
    CreateHandsWindow();
    // The main window seeded the random source from the clock when it was
    // made; once the hands window has built its card images it is seeded a
    // second time, so the first deal's seed is the later clock reading.
    engine_.Random().SeedFromClock();
    CreateParamSets();
}

// The dialogs go first, then the main window, which writes the options while
// the store is still open.
TProgram::~TProgram() {
    paramSets_.reset();
    mainWindow_.reset();
}

int TProgram::Run() {
    mainWindow_->show();
    return QApplication::exec();
}

TDefinitionLinks TProgram::Links() {
    TDefinitionLinks links;
    links.BindPrintLibrary = [this] { return BindPrintLibrary(); };
    links.RunPrintDialog = [this](TDefinitionForm& form) { RunPrintDialog(form); };
    links.ShowDeals = [this](TTypeList& types) {
        return handsWindow_ && handsWindow_->ShowDeals(types);
    };
    links.MayClose = [this] { return !handsWindow_ || handsWindow_->MayDiscardSession(); };
    links.ReadParameters = [this](TDefinitionForm&) { paramSets_->ReadSavedParameters(); };
    links.SaveParameters = [this](TDefinitionForm&) { paramSets_->SaveCurrentParameters(); };
    links.CopyToOtherFile = [this](TDefinitionForm&) { paramSets_->CopyToOtherFile(); };
    links.CopyFromOtherFile = [this](TDefinitionForm&) { paramSets_->CopyFromOtherFile(); };
    links.OpenDeals = [this](TDefinitionForm& form) {
        if (handsWindow_) OpenDealsFile(&form, *handsWindow_);
    };
    links.AnalyseHands = [this](TDefinitionForm& form) {
        ShowAnalyseDialog(&form, form.TypeList(), engine_.Random().RandomSeed, *store_);
    };
    return links;
}

TPrintLibraryState TProgram::BindPrintLibrary() {
    switch (printLibrary_.Bind()) {
    case TBindResult::Bound:
        return TPrintLibraryState::Usable;
    case TBindResult::EntryPointMissing:
        return TPrintLibraryState::EntryPointMissing;
    case TBindResult::FileMissing:
        break;
    }
    return TPrintLibraryState::NotFound;
}

void TProgram::RunPrintDialog(TDefinitionForm& form) {
    RunPrintDialog(form, &form, {});
}

// The print dialog over the boards of the hands window's session, modally
// over that window; printing them deals nothing.
bool TProgram::RunSessionPrintDialog(QWidget* parent, const TDealSession& session) {
    return RunPrintDialog(*mainWindow_, parent, session.Boards());
}

bool TProgram::RunPrintDialog(TDefinitionForm& form, QWidget* parent,
                              std::vector<TBoardDeal> boards) {
    TMainOptions& options = form.Options();
    // The ten symbol and colour option go in as TPrintOptions, by value.
    TPrintRunContext run{engine_,
                         form.TypeList(),
                         host_,
                         printLibrary_,
                         *store_,
                         options.TenSymbolSetting,
                         options.ColorPrinting};
    run.Generate = [this, &form] { return host_.Generate(engine_, form.TypeList()); };
    TPrintForm dialog({run, &printerChoice_,
                       [&form](const QString& text) { form.ShowStatus(text); }, std::move(boards)},
                      parent);
    const bool printed = dialog.exec() == QDialog::Accepted;
    // The window under the dialog takes the keys again, also where the
    // window manager leaves that to the program.
    if (parent != nullptr && parent->isVisible()) parent->activateWindow();
    return printed;
}

// Created hidden and kept; it builds its card images at once.
void TProgram::CreateHandsWindow() {
    TDefinitionForm& form = *mainWindow_;
    handsWindow_ = new TGraphicDisplayForm(engine_, host_, form.Options().View, &form);
    // Kept by the main window, and stored at once: a run that does not end
    // normally loses no choice.
    QObject::connect(handsWindow_, &TGraphicDisplayForm::ViewOptionsChanged, &form,
                     [this, &form](const THandsViewOptions& view) {
                         form.Options().View = view;
                         WriteHandsViewOptions(*store_, view);
                     });
    QObject::connect(handsWindow_, &TGraphicDisplayForm::HelpRequested, &form,
                     [](int context) { THelpSystem::ShowContext(context); });
    // Without the print library "&Print These Hands..." stays disabled, as
    // "Generate Hands to &Printer" does.
    THandsWindowLinks links;
    if (form.PrintLibraryUsable())
        links.PrintSession = [this](QWidget* parent, const TDealSession& session) {
            return RunSessionPrintDialog(parent, session);
        };
    links.StoreTypes = [&form] { return form.StoreType(); };
    links.TypesDealt = [&form](const TTypeList& before) { form.FitTabsAfterGeneration(before); };
    links.AnalyseSession = [this](QWidget* parent, const TDealSession& session) {
        ShowAnalyseSession(parent, session, *store_);
    };
    handsWindow_->SetLinks(std::move(links));
}

// The Read From File dialog, created hidden; its list of the database is the
// program's index of the database for the rest of the run.
void TProgram::CreateParamSets() {
    setHost_ = std::make_unique<TMainWindowSetHost>(*mainWindow_);
    paramSets_ = std::make_unique<TParamSetActions>(*setHost_, *store_);
    RunGuarded(mainWindow_.get(), [this] { paramSets_->ListDatabase(); });
}

} // namespace kv
