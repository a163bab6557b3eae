// The hands window's construction: the menu, the table with its two hand
// panels, the double-dummy table and the button panel, and its behaviour as a
// window.
#include "GraphicDisplayForm.h"

#include "DoubleDummyAnalyser.h"
#include "DoubleDummyPanel.h"
#include "HandPanel.h"
#include "QtEngineHost.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kv {
namespace {

constexpr int kHelpContext = 7;
const char* const kHelpContextProperty = "HelpContext";

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
    menu->setProperty(kHelpContextProperty, kHelpContext);
    return menu;
}

} // namespace

TGraphicDisplayForm::TGraphicDisplayForm(TDealEngine& engine, TQtEngineHost& host,
                                         THandsViewOptions options, QWidget* parent)
    : QDialog(parent), engine_(engine), host_(host), options_(options) {
    setObjectName(QStringLiteral("GraphicDisplayForm"));
    setWindowTitle(QStringLiteral("Hands"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setProperty(kHelpContextProperty, kHelpContext);
    analyser_ = new TDoubleDummyAnalyser(this);
    connect(analyser_, &TDoubleDummyAnalyser::Ready, this, &TGraphicDisplayForm::AnalysisReady);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QMenuBar(this);
    BuildMenu(bar);
    outer->setMenuBar(bar);
    client_ = BuildClient();
    outer->addWidget(client_);

    (options_.SortSuitsByRank ? suitRank1_ : alternateColors1_)->setChecked(true);
    doubleDummy1_->setChecked(options_.DoubleDummy);
    images_.BuildCardImages(engine_.Random);
    TickHandItem();
    ApplyHandView();
    host_.SetCloseHandsWindow([this] { CloseFromEngine(); });
}

TGraphicDisplayForm::~TGraphicDisplayForm() {
    host_.SetCloseHandsWindow({});
}

void TGraphicDisplayForm::BuildMenu(QMenuBar* bar) {
    QMenu* view = AddMenu(nullptr, bar, QStringLiteral("&View"), "View1");
    QMenu* hand = AddMenu(view, bar, QStringLiteral("&Hand"), "Hand1");
    auto* hands = new QActionGroup(this);
    north1_ = AddRadioItem(hand, hands, QStringLiteral("&North"), "North1");
    south1_ = AddRadioItem(hand, hands, QStringLiteral("&South"), "South1");
    both1_ = AddRadioItem(hand, hands, QStringLiteral("&Both"), "Both1");
    view->addSeparator();
    QMenu* sort = AddMenu(view, bar, QStringLiteral("&Sort order"), "Sortorder1");
    auto* orders = new QActionGroup(this);
    alternateColors1_ =
        AddRadioItem(sort, orders, QStringLiteral("&Alternate colors"), "Alternatecolors1");
    suitRank1_ = AddRadioItem(sort, orders, QStringLiteral("Suit &rank"), "Suitrank1");
    view->addSeparator();
    doubleDummy1_ = view->addAction(QStringLiteral("&Double dummy"));
    doubleDummy1_->setObjectName(QStringLiteral("DoubleDummy1"));
    doubleDummy1_->setCheckable(true);
    connect(doubleDummy1_, &QAction::triggered, this, &TGraphicDisplayForm::DoubleDummyItemClick);
    connect(hands, &QActionGroup::triggered, this, &TGraphicDisplayForm::HandItemClick);
    connect(orders, &QActionGroup::triggered, this, &TGraphicDisplayForm::SortOrderItemClick);
}

QWidget* TGraphicDisplayForm::BuildClient() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedWidth(kHandsClientWidth);
    northPanel_ = new THandPanel(QStringLiteral("North"), client);
    southPanel_ = new THandPanel(QStringLiteral("South"), client);
    doubleDummyPanel_ = new TDoubleDummyPanel(client);

    auto* control = new QFrame(client);
    control->setObjectName(QStringLiteral("ControlPanel"));
    control->setFrameStyle(QFrame::Panel | QFrame::Raised);
    control->setFixedHeight(kControlPanelHeight);
    nextHandBtn_ = new QPushButton(QStringLiteral("&Next Hand"), control);
    nextHandBtn_->setObjectName(QStringLiteral("NextHandBtn"));
    nextHandBtn_->setDefault(true);
    nextHandBtn_->setProperty(kHelpContextProperty, kHelpContext);
    connect(nextHandBtn_, &QPushButton::clicked, this, &TGraphicDisplayForm::NextHandBtnClick);
    auto* row = new QHBoxLayout(control);
    row->setContentsMargins(8, 0, 8, 0);
    row->addStretch();
    row->addWidget(nextHandBtn_);

    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(northPanel_);
    column->addWidget(southPanel_);
    column->addWidget(doubleDummyPanel_);
    column->addWidget(control);
    return client;
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

void TGraphicDisplayForm::CentreOnScreen() {
    layout()->activate();
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TGraphicDisplayForm::reject() {
    if (generating_ && isVisible()) {
        closeWaiting_ = true;
        return;
    }
    QDialog::reject();
}

void TGraphicDisplayForm::CloseFromEngine() {
    closeWaiting_ = false;
    if (isVisible()) QDialog::reject();
}

// F1 asks for the help context of the focused control, or of its nearest
// parent that has one.
void TGraphicDisplayForm::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F1) {
        QDialog::keyReleaseEvent(event);
        return;
    }
    int context = kHelpContext;
    for (const QWidget* w = focusWidget(); w != nullptr; w = w->parentWidget()) {
        const QVariant property = w->property(kHelpContextProperty);
        if (property.isValid()) {
            context = property.toInt();
            break;
        }
    }
    emit HelpRequested(context);
}

} // namespace kv
