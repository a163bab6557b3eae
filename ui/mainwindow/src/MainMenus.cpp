// The main window's actions, menus, toolbar and options.
#include "ui/mainwindow/DefinitionForm.h"

#include "AboutBox.h"
#include "ui/common/HelpContext.h"
#include "ui/help/HelpSystem.h"
#include "ui/mainwindow/ToolBarImages.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace kv {
namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption,
              int helpContext = help::Contents) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    if (helpContext != help::Contents) SetHelpContext(item, helpContext);
    return item;
}

} // namespace

QAction* TDefinitionForm::MakeAction(const char* name, const QString& caption,
                                     const QString& hint) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

void TDefinitionForm::BuildActions() {
    showHands_ = MakeAction("ShowHandsAction", QStringLiteral("Generate Hands to &Screen"),
                            QStringLiteral("View Hands"));
    printHands_ = MakeAction("PrintHandsAction", QStringLiteral("Generate Hands to &Printer"),
                             QStringLiteral("Print Hands"));
    analyseHands_ = MakeAction("AnalyseHandsAction", QStringLiteral("&Analyse Hands..."),
                               QStringLiteral("Analyse Hands"));
    clearOne_ = MakeAction("ClearOneAction", QStringLiteral("&Clear"), QStringLiteral("Clear"));
    clearAll_ =
        MakeAction("ClearAllAction", QStringLiteral("Clear &All"), QStringLiteral("Clear All"));
    addType_ =
        MakeAction("AddTypeAction", QStringLiteral("Add a &Type"), QStringLiteral("Add a Type"));
    deleteType_ = MakeAction("DeleteTypeAction", QStringLiteral("&Delete Current Type"),
                             QStringLiteral("Delete Current Type"));
    // The keys are shown beside the menu items; the platform's standard key
    // wherever there is one (Ctrl+T adds a tab, that is a type).
    showHands_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    printHands_->setShortcut(QKeySequence::Print);
    analyseHands_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    clearOne_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    clearAll_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    addType_->setShortcut(QKeySequence::AddTab);
    deleteType_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(showHands_, &QAction::triggered, this, &TDefinitionForm::ShowHandsActionExecute);
    connect(printHands_, &QAction::triggered, this, &TDefinitionForm::PrintHandsActionExecute);
    connect(analyseHands_, &QAction::triggered, this, &TDefinitionForm::AnalyseHandsActionExecute);
    connect(clearOne_, &QAction::triggered, this, &TDefinitionForm::ClearOneActionExecute);
    connect(clearAll_, &QAction::triggered, this, &TDefinitionForm::ClearAllActionExecute);
    connect(addType_, &QAction::triggered, this, &TDefinitionForm::AddTypeActionExecute);
    connect(deleteType_, &QAction::triggered, this, &TDefinitionForm::DeleteTypeActionExecute);
}

QMenu* TDefinitionForm::AddMenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent != nullptr ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void TDefinitionForm::BuildMenus() {
    BuildFileMenu();
    AddMenu(nullptr, "Edit1", QStringLiteral("&Edit"))->addActions({clearOne_, clearAll_});
    AddMenu(nullptr, "Generate1", QStringLiteral("&Generate"))
        ->addActions({showHands_, printHands_, analyseHands_});
    BuildOptionsMenu();
    // Adding and deleting types: shown, so that keyboard users find the two
    // actions and their keys as they find every other.
    AddMenu(nullptr, "Tools1", QStringLiteral("&Tools"))->addActions({addType_, deleteType_});
    BuildHelpMenu();
}

void TDefinitionForm::BuildFileMenu() {
    QMenu* file = AddMenu(nullptr, "File1", QStringLiteral("&File"));
    const int sets = help::ParameterSets;
    readParams_ = Item(file, "ReadParams1", QStringLiteral("&Read saved parameters..."), sets);
    saveParams_ = Item(file, "SaveParams1", QStringLiteral("&Save current parameters..."), sets);
    file->addSeparator();
    QMenu* copy = AddMenu(file, "CopyParams1", QStringLiteral("&Copy parameters"));
    SetHelpContext(copy->menuAction(), sets);
    copyTo_ =
        Item(copy, "CopyToFile1", QStringLiteral("&From your database to another file..."), sets);
    copyFrom_ =
        Item(copy, "CopyFromFile1", QStringLiteral("&To your database from another file"), sets);
    file->addSeparator();
    openDeals_ =
        Item(file, "OpenDeals1", QStringLiteral("&Open Deals (PBN)..."), help::HandsDisplay);
    file->addSeparator();
    QAction* sync =
        Item(file, "Synchronize1", QStringLiteral("S&ynchronize..."), help::Synchronize);
    file->addSeparator();
    QAction* exit = Item(file, "Exit1", QStringLiteral("E&xit"));
    readParams_->setShortcut(QKeySequence::Open);
    saveParams_->setShortcut(QKeySequence::Save);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q)); // Quit is empty on some platforms
    openDeals_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    sync->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    connect(openDeals_, &QAction::triggered, this, &TDefinitionForm::OnOpenDeals);
    connect(readParams_, &QAction::triggered, this, &TDefinitionForm::OnReadParams);
    connect(saveParams_, &QAction::triggered, this, &TDefinitionForm::OnSaveParams);
    connect(copyTo_, &QAction::triggered, this,
            [this] { RunParameterLink(links_.CopyToOtherFile); });
    connect(copyFrom_, &QAction::triggered, this,
            [this] { RunParameterLink(links_.CopyFromOtherFile); });
    connect(sync, &QAction::triggered, this, &TDefinitionForm::OnSynchronize);
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

// The two Ten Symbol items are radio items; Color Printing is a check item.
void TDefinitionForm::BuildOptionsMenu() {
    QMenu* options = AddMenu(nullptr, "Options1", QStringLiteral("&Options"));
    SetHelpContext(options->menuAction(), help::Options);
    QMenu* ten = AddMenu(options, "TenSymbol1", QStringLiteral("&Ten Symbol (Printing)"));
    tenT_ = Item(ten, "TenSymbolT1", QStringLiteral("Ten Symbol = '&T'"), help::Options);
    ten10_ = Item(ten, "TenSymbol101", QStringLiteral("Ten Symbol = '&10'"), help::Options);
    auto* tenGroup = new QActionGroup(this);
    for (QAction* item : {tenT_, ten10_}) {
        item->setCheckable(true);
        tenGroup->addAction(item);
    }
    connect(tenGroup, &QActionGroup::triggered, this, &TDefinitionForm::OnTenSymbolChosen);
    colorPrinting_ =
        Item(options, "ColorPrinting1", QStringLiteral("&Color Printing"), help::Options);
    colorPrinting_->setCheckable(true);
    // Ctrl+Shift: Ctrl+T already adds a type.
    tenT_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    ten10_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_0));
    colorPrinting_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(colorPrinting_, &QAction::toggled, this,
            [this](bool on) { options_.ColorPrinting = on; });
}

void TDefinitionForm::BuildHelpMenu() {
    QMenu* helpMenu = AddMenu(nullptr, "Help1", QStringLiteral("&Help"));
    QAction* contents = Item(helpMenu, "Contents1", QStringLiteral("&Contents"));
    QAction* search = Item(helpMenu, "TopicSearch1", QStringLiteral("&Topic Search"));
    helpMenu->addSeparator();
    QAction* about = Item(helpMenu, "About1", QStringLiteral("&About"));
    // F1 alone opens the topic of the control in use.
    contents->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    connect(contents, &QAction::triggered, this, [] { THelpSystem::ShowContents(); });
    connect(search, &QAction::triggered, this, [] { THelpSystem::ShowIndex(); });
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(this); });
}

// View, Print, Clear, Clear All, a separator, Add a Type, Delete Current Type.
void TDefinitionForm::BuildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    const std::pair<QAction*, const char*> buttons[] = {
        {showHands_, "ViewToolBtn"},       {printHands_, "PrintToolBtn"},
        {analyseHands_, "AnalyseToolBtn"}, {clearOne_, "ClearToolBtn"},
        {clearAll_, "ClearAllToolBtn"},    {nullptr, nullptr},
        {addType_, "AddTypeToolBtn"},      {deleteType_, "DeleteTypeToolBtn"},
    };
    for (const auto& [action, name] : buttons) {
        if (action == nullptr) {
            toolBar_->addSeparator();
            continue;
        }
        toolBar_->addAction(action);
        toolBar_->widgetForAction(action)->setObjectName(QString::fromLatin1(name));
    }
}

// Image numbers 0 to 5: PRINT, CLEARONE, CLEARALL, GLASSES, PLUS, MINUS.
void TDefinitionForm::LoadToolBarImages() {
    const QList<QIcon> images = LoadToolBarImageList();
    printHands_->setIcon(images.at(0));
    clearOne_->setIcon(images.at(1));
    clearAll_->setIcon(images.at(2));
    showHands_->setIcon(images.at(3));
    addType_->setIcon(images.at(4));
    deleteType_->setIcon(images.at(5));
    analyseHands_->setIcon(ToolBarIcon(QStringLiteral("ANALYSE")));
}

// The T item is checked only for exactly "T"; any other stored text checks
// the 10 item but stays the setting until an item is clicked.
void TDefinitionForm::ApplyOptions() {
    (options_.TenSymbolSetting == QLatin1String("T") ? tenT_ : ten10_)->setChecked(true);
    colorPrinting_->setChecked(options_.ColorPrinting);
}

void TDefinitionForm::OnTenSymbolChosen(QAction* item) {
    options_.TenSymbolSetting = item == ten10_ ? QStringLiteral("10") : QStringLiteral("T");
}

void TDefinitionForm::UpdateActions() {
    const QString clearHint =
        types_.CanDelete() ? QStringLiteral("Clear One") : QStringLiteral("Clear");
    clearOne_->setToolTip(clearHint);
    clearOne_->setStatusTip(clearHint);
    clearAll_->setEnabled(types_.CanDelete());
    addType_->setEnabled(types_.CanAdd());
    deleteType_->setEnabled(types_.CanDelete());
    showHands_->setEnabled(static_cast<bool>(links_.ShowDeals));
    printHands_->setEnabled(PrintLibraryUsable() && links_.RunPrintDialog);
    analyseHands_->setEnabled(static_cast<bool>(links_.AnalyseHands));
    readParams_->setEnabled(static_cast<bool>(links_.ReadParameters));
    saveParams_->setEnabled(static_cast<bool>(links_.SaveParameters));
    copyTo_->setEnabled(static_cast<bool>(links_.CopyToOtherFile));
    copyFrom_->setEnabled(static_cast<bool>(links_.CopyFromOtherFile));
    openDeals_->setEnabled(static_cast<bool>(links_.OpenDeals));
}

} // namespace kv
