// The hands window's construction: the menus, the table with its hand panels
// and double-dummy table, the button panel with the board's caption, and its
// behaviour as a window.
#include "ui/hands/GraphicDisplayForm.h"

#include "ui/common/HelpContext.h"

#include "DoubleDummyAnalyser.h"
#include "HandPanel.h"
#include "HandsTable.h"
#include "ui/enginehost/QtEngineHost.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {
namespace {

constexpr int kHelpContext = help::HandsDisplay;
// Room for the window's title bar and frame, which the screen must hold too.
constexpr int kFrameAllowance = 48;

QAction* AddRadioItem(QMenu* menu, QActionGroup* group, const QString& caption, const char* name) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setCheckable(true);
    group->addAction(item);
    return item;
}

QMenu* AddMenu(QMenu* parent, QMenuBar* bar, const QString& caption, const char* name) {
    QMenu* menu = parent != nullptr ? parent->addMenu(caption) : bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    SetHelpContext(menu, kHelpContext);
    return menu;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    SetHelpContext(button, kHelpContext);
    return button;
}

} // namespace

TGraphicDisplayForm::TGraphicDisplayForm(TDealEngine& engine, TQtEngineHost& host,
                                         THandsViewOptions options, QWidget* parent)
    : QDialog(parent), engine_(engine), host_(host), options_(options),
      dealer_(engine.Random(), session_, [this](TTypeList& types) { return Generate(types); }) {
    setObjectName(QStringLiteral("GraphicDisplayForm"));
    setWindowTitle(QStringLiteral("Hands"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    SetHelpContext(this, kHelpContext);
    analyser_ = new TDoubleDummyAnalyser(this);
    connect(analyser_, &TDoubleDummyAnalyser::Ready, this, &TGraphicDisplayForm::AnalysisReady);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* bar = new QMenuBar(this);
    BuildFileMenu(bar);
    BuildMenu(bar);
    BuildGoMenu(bar);
    ShowViewKeys();
    outer->setMenuBar(bar);
    client_ = BuildClient();
    outer->addWidget(client_);

    (options_.SortSuitsByRank ? suitRankItem_ : alternateColorsItem_)->setChecked(true);
    doubleDummyItem_->setChecked(options_.DoubleDummy);
    zoom_ = options_.CardSize / 100.0;
    images_.BuildCardImages();
    TickHandItem();
    ApplyHandView();
    UpdateButtons();
    host_.SetCloseHandsWindow([this] { CloseFromEngine(); });
}

TGraphicDisplayForm::~TGraphicDisplayForm() {
    host_.SetCloseHandsWindow({});
}

void TGraphicDisplayForm::SetLinks(THandsWindowLinks links) {
    links_ = std::move(links);
    UpdateButtons();
}

void TGraphicDisplayForm::BuildFileMenu(QMenuBar* bar) {
    QMenu* file = AddMenu(nullptr, bar, QStringLiteral("&File"), "HandsFile1");
    printHandsItem_ = file->addAction(QStringLiteral("&Print These Hands..."));
    printHandsItem_->setObjectName(QStringLiteral("PrintTheseHands1"));
    printHandsItem_->setShortcut(QKeySequence::Print);
    saveAsPbnItem_ = file->addAction(QStringLiteral("&Save as PBN..."));
    saveAsPbnItem_->setObjectName(QStringLiteral("SaveAsPbn1"));
    saveAsPbnItem_->setShortcut(QKeySequence::Save);
    connect(printHandsItem_, &QAction::triggered, this, &TGraphicDisplayForm::OnPrintHands);
    connect(saveAsPbnItem_, &QAction::triggered, this, &TGraphicDisplayForm::OnSaveAsPbn);
    file->addSeparator();
    analyseHandsItem_ = file->addAction(QStringLiteral("&Analyse These Hands..."));
    analyseHandsItem_->setObjectName(QStringLiteral("AnalyseTheseHands1"));
    connect(analyseHandsItem_, &QAction::triggered, this, &TGraphicDisplayForm::OnAnalyseHands);
    // Enabled afresh whenever the menu opens, so that it follows the session.
    const auto enable = [this] {
        analyseHandsItem_->setEnabled(!session_.Empty() && links_.AnalyseSession);
    };
    enable();
    connect(file, &QMenu::aboutToShow, this, enable);
}

void TGraphicDisplayForm::OnAnalyseHands() {
    if (session_.Empty() || !links_.AnalyseSession || generating_) return;
    links_.AnalyseSession(this, session_);
}

void TGraphicDisplayForm::BuildMenu(QMenuBar* bar) {
    QMenu* view = AddMenu(nullptr, bar, QStringLiteral("&View"), "View1");
    QMenu* hand = AddMenu(view, bar, QStringLiteral("&Hand"), "Hand1");
    auto* hands = new QActionGroup(this);
    northItem_ = AddRadioItem(hand, hands, QStringLiteral("&North"), "North1");
    southItem_ = AddRadioItem(hand, hands, QStringLiteral("&South"), "South1");
    bothItem_ = AddRadioItem(hand, hands, QStringLiteral("&Both"), "Both1");
    allItem_ = AddRadioItem(hand, hands, QStringLiteral("&All four hands"), "All1");
    view->addSeparator();
    QMenu* sort = AddMenu(view, bar, QStringLiteral("&Sort order"), "Sortorder1");
    auto* orders = new QActionGroup(this);
    alternateColorsItem_ =
        AddRadioItem(sort, orders, QStringLiteral("&Alternate colors"), "Alternatecolors1");
    suitRankItem_ = AddRadioItem(sort, orders, QStringLiteral("Suit &rank"), "Suitrank1");
    view->addSeparator();
    doubleDummyItem_ = view->addAction(QStringLiteral("&Double dummy"));
    doubleDummyItem_->setObjectName(QStringLiteral("DoubleDummy1"));
    doubleDummyItem_->setCheckable(true);
    connect(doubleDummyItem_, &QAction::triggered, this,
            &TGraphicDisplayForm::OnDoubleDummyToggled);
    connect(hands, &QActionGroup::triggered, this, &TGraphicDisplayForm::OnHandChosen);
    connect(orders, &QActionGroup::triggered, this, &TGraphicDisplayForm::OnSortOrderChosen);
}

QWidget* TGraphicDisplayForm::BuildClient() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    table_ = new THandsTable(client, images_, faces_);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(table_, 1);
    controlPanel_ = BuildControlPanel(client);
    column->addWidget(controlPanel_);
    return client;
}

// The two buttons on the right.
QWidget* TGraphicDisplayForm::BuildControlPanel(QWidget* parent) {
    auto* control = new QFrame(parent);
    control->setObjectName(QStringLiteral("ControlPanel"));
    control->setFrameStyle(QFrame::Panel | QFrame::Raised);
    control->setFixedHeight(kControlPanelHeight);
    previousHandButton_ = Button(QStringLiteral("&Previous Hand"), "PreviousHandBtn", control);
    // Enter presses the button that has the focus, and "&Next Hand" otherwise.
    previousHandButton_->setAutoDefault(true);
    nextHandButton_ = Button(QStringLiteral("&Next Hand"), "NextHandBtn", control);
    nextHandButton_->setDefault(true);
    // Page Up and Page Down browse as well, beside the buttons' Alt keys.
    for (const auto& [key, button] : {std::pair{Qt::Key_PageUp, previousHandButton_},
                                      std::pair{Qt::Key_PageDown, nextHandButton_}}) {
        auto* browse = new QAction(this);
        browse->setShortcut(QKeySequence(key));
        connect(browse, &QAction::triggered, button, [button] {
            if (button->isEnabled()) button->click();
        });
        addAction(browse);
    }
    connect(previousHandButton_, &QPushButton::clicked, this, &TGraphicDisplayForm::OnPreviousHand);
    connect(nextHandButton_, &QPushButton::clicked, this, &TGraphicDisplayForm::OnNextHand);
    sessionLabel_ = new QLabel(control);
    sessionLabel_->setObjectName(QStringLiteral("SessionLabel"));
    sessionLabel_->setTextFormat(Qt::PlainText); // a file's name is data
    auto* row = new QHBoxLayout(control);
    row->setContentsMargins(6, 0, 6, 0);
    row->setSpacing(4);
    row->addWidget(sessionLabel_, 0);
    row->addStretch();
    row->addWidget(previousHandButton_);
    row->addWidget(nextHandButton_);
    return control;
}

void TGraphicDisplayForm::showEvent(QShowEvent* event) {
    TickHandItem();
    ApplyHandView();
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    AnalyseShownDeal();
    AnalyseNextDeal();
}

void TGraphicDisplayForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) analyser_->Cancel();
}

// The size the user gives the window sets the zoom kept for the next view:
// the zoom at which the table fills the client area, worked out from the
// window's own size (its panels may not be placed yet).
void TGraphicDisplayForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (fitting_ || !isVisible()) return;
    const QSize natural = table_->NaturalSize();
    const QSize size = event->size();
    const int tableHeight = size.height() - MenuBarHeight(size.width()) - kControlPanelHeight;
    zoom_ = std::clamp(
        std::min(double(size.width()) / natural.width(), double(tableHeight) / natural.height()),
        THandsTable::kMinZoom, THandsTable::kMaxZoom);
    KeepCardSize();
}

double TGraphicDisplayForm::Zoom() const {
    return table_->Zoom();
}

int TGraphicDisplayForm::MenuBarHeight(int width) const {
    const QWidget* bar = layout()->menuBar();
    if (bar == nullptr) return 0;
    const int height = bar->heightForWidth(width);
    return height >= 0 ? height : bar->sizeHint().height();
}

double TGraphicDisplayForm::FittingZoom(double zoom) const {
    const QScreen* screen = this->screen();
    if (screen == nullptr) return zoom;
    const QRect available = screen->availableGeometry();
    const QSize natural = table_->NaturalSize();
    const int fixed = kControlPanelHeight + MenuBarHeight(natural.width()) + kFrameAllowance;
    const double byHeight = double(available.height() - fixed) / natural.height();
    const double byWidth = double(available.width() - kFrameAllowance) / natural.width();
    return std::clamp(std::min({zoom, byHeight, byWidth}), THandsTable::kMinZoom,
                      THandsTable::kMaxZoom);
}

// Beside the main window where the screen has room on its right or its left,
// so that both stay in view; else in the middle of the screen.
void TGraphicDisplayForm::CentreOnScreen() {
    layout()->activate();
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QSize size = frameGeometry().size();
    if (const QWidget* main = parentWidget(); main != nullptr && main->isVisible()) {
        const QRect beside = main->frameGeometry();
        const int top = std::clamp(beside.top(), available.top(),
                                   std::max(available.top(), available.bottom() - size.height()));
        if (beside.right() + size.width() < available.right()) {
            move(beside.right() + 1, top);
            return;
        }
        if (beside.left() - size.width() > available.left()) {
            move(beside.left() - size.width(), top);
            return;
        }
    }
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void TGraphicDisplayForm::reject() {
    if (generating_ && isVisible()) {
        closeWaiting_ = true;
        return;
    }
    if (!MayDiscardSession()) return;
    QDialog::reject();
}

// A window that shows boards keeps them: the user may widen the types in the
// main window and deal again.
void TGraphicDisplayForm::CloseFromEngine() {
    closeWaiting_ = false;
    if (isVisible() && session_.Empty()) QDialog::reject();
}

// F1 asks for the help context of the focused control, or of its nearest
// parent that has one.
void TGraphicDisplayForm::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F1) {
        QDialog::keyReleaseEvent(event);
        return;
    }
    emit HelpRequested(HelpContextOf(focusWidget() != nullptr ? focusWidget() : this));
}

} // namespace kv
