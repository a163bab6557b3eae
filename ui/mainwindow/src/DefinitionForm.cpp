#include "ui/mainwindow/DefinitionForm.h"

#include "EditorPage.h"
#include "FrequencyPanel.h"
#include "StatusNote.h"
#include "TabControl.h"
#include "params/TypeValidation.h"
#include "storage/settings/SettingsStore.h"
#include "ui/common/HelpContext.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/WindowPlacement.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace kv {
namespace {

constexpr int kClientWidth = 495;
constexpr int kClientHeight = 323;

} // namespace

// Creation, in this order: Creating on; the editor reset; the options read
// and applied; the print library bound; the toolbar images loaded; one
// default type; Updating off; the random source seeded from the clock;
// Creating off.
TDefinitionForm::TDefinitionForm(TDealEngine& engine, TSettingsStore& store, TDefinitionLinks links,
                                 QWidget* parent)
    : QMainWindow(parent), engine_(engine), store_(store), links_(std::move(links)) {
    model_.SetCreating(true);
    setObjectName(QStringLiteral("DefinitionForm"));
    setWindowTitle(QStringLiteral("Hand Parameters"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(QFont(QStringLiteral("Arial"), 9));
    SetHelpContext(this, help::MainWindow);
    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildClientArea();
    statusNote_ = new TStatusNote(*statusBar());
    model_.SetView(this);

    model_.ResetEditor();
    options_ = ReadMainOptions(store_);
    ApplyOptions();
    BindPrintLibrary();
    LoadToolBarImages();
    FitTabs();
    model_.SetUpdating(false);
    engine_.Random().SeedFromClock();
    model_.SetCreating(false);

    ShowFrequencyTotal();
    UpdateActions();
    // The status bar is there from the start, so that a note never resizes
    // the window under the user.
    const int menuHeight = menuBar()->sizeHint().height();
    const int statusHeight = statusBar()->sizeHint().height();
    setFixedSize(kClientWidth, kClientHeight + menuHeight + statusHeight);
    CentreOnScreen(*this);
}

void TDefinitionForm::ShowStatus(const QString& text) {
    statusNote_->Show(text);
}

TDefinitionForm::~TDefinitionForm() {
    // The children go after this object's own members: a frequency box that
    // loses the focus while it is destroyed must not reach this window then.
    disconnect(freq_, nullptr, this, nullptr);
    model_.SetView(nullptr);
    WriteMainOptions(store_, options_);
}

void TDefinitionForm::BuildClientArea() {
    page_ = new TEditorPage(model_);
    tabControl_ = new TTabControl(page_);
    SetHelpContext(tabControl_->TabBar(), help::Types);
    connect(tabControl_->TabBar(), &QTabBar::currentChanged, this, &TDefinitionForm::TabChanged);
    freq_ = new TFrequencyPanel;
    connect(freq_, &TFrequencyPanel::TextChanged, this, &TDefinitionForm::FreqEditChange);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabControl_, 1);
    layout->addWidget(freq_);
    setCentralWidget(central);
}

QTabBar* TDefinitionForm::Tabs() const {
    return tabControl_->TabBar();
}

void TDefinitionForm::BindPrintLibrary() {
    printState_ =
        links_.BindPrintLibrary ? links_.BindPrintLibrary() : TPrintLibraryState::NotFound;
    const QString warning = PrintLibraryWarning(printState_);
    if (links_.BindPrintLibrary && !warning.isEmpty())
        TMessageSeam::Show(this, TMessageKind::Warning, QStringLiteral("Warning"), warning);
}

// A stored type keeps the spinner's value, which the box then shows: a box
// left empty or at 0 never stands beside a different stored frequency.
bool TDefinitionForm::StoreType() {
    const std::optional<std::string> failure = model_.StoreType(types_.SelectedType());
    if (!failure) {
        ShowTypeFrequency();
        return true;
    }
    TMessageSeam::Show(this, TMessageKind::Warning, QStringLiteral("Warning"),
                       QString::fromStdString(ImpossibleText(*failure)));
    return false;
}

// Shows a type in the editor; the model also marks the requested bounds.
void TDefinitionForm::LoadType(const THandParam& type) {
    model_.LoadType(type);
    ShowTypeFrequency();
}

void TDefinitionForm::Beep() {
    TMessageSeam::Beep();
}

void TDefinitionForm::RowChanged(TEditorRow row) {
    page_->ShowRow(row);
}

void TDefinitionForm::FrequencyChanged() {
    freq_->SetValue(model_.Frequency());
}

// Every change of the box's text, typed or set, becomes the selected type's
// frequency (0 for an empty box) and the total; the spinner's value is what
// StoreType keeps.
void TDefinitionForm::FreqEditChange() {
    types_.SetSelectedFrequency(freq_->TextValue());
    model_.SetFrequency(freq_->SpinnerValue());
    ShowFrequencyTotal();
}

// The editor's frequency into the box and into the selected type, whether or
// not the box showed it already (the model reports only changes of its own
// value, and the box may hold other text).
void TDefinitionForm::ShowTypeFrequency() {
    freq_->SetValue(model_.Frequency());
    FreqEditChange();
}

void TDefinitionForm::ShowFrequencyTotal() {
    freq_->ShowTotal(types_.TotalFrequency());
}

} // namespace kv
