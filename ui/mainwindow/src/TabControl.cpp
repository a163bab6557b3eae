#include "TabControl.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QVBoxLayout>

namespace kv {

TTabControl::TTabControl(QWidget* page, QWidget* parent)
    : QWidget(parent), bar_(new QTabBar(this)), page_(page) {
    setObjectName(QStringLiteral("TabControl1"));
    bar_->setObjectName(QStringLiteral("TypeTabs"));
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setUsesScrollButtons(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    auto* pane = new QVBoxLayout;
    pane->setContentsMargins(3, 3, 3, 3);
    pane->addWidget(page_);
    layout->addLayout(pane, 1);
}

QRect TTabControl::PaneRect() const {
    QRect r = rect().adjusted(2, 2, -2, -2);
    r.setTop(bar_->geometry().bottom() - 1);
    return r;
}

void TTabControl::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = PaneRect();
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = bar_->sizeHint();
    frame.tabBarRect = bar_->geometry();
    frame.selectedTabRect = bar_->tabRect(bar_->currentIndex()).translated(bar_->pos());
    p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

} // namespace kv
