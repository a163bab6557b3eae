#include "HandsTable.h"

#include "DoubleDummyPanel.h"
#include "HandPanel.h"

#include <QLabel>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace kv {
namespace {

constexpr int kNorth = 0, kEast = 1, kSouth = 2, kWest = 3;
constexpr const char* kSeatNames[4] = {"North", "East", "South", "West"};

int HandRows(THandToView view) {
    switch (view) {
    case THandToView::North:
    case THandToView::South:
        return 1;
    case THandToView::Both:
        return 2;
    case THandToView::All:
        break;
    }
    return 3;
}

// White caption text on the table, in the application's font at zoom 1.
QLabel* CaptionLabel(const char* name, bool bold, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    QFont font = parent->font();
    font.setBold(bold);
    label->setFont(font);
    label->setProperty("BaseFont", font);
    return label;
}

void ScaleFont(QLabel& label, double zoom) {
    QFont font = label.property("BaseFont").value<QFont>();
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * zoom);
    label.setFont(font);
}

} // namespace

THandsTable::THandsTable(QWidget* parent, const TCardImages& images, TCardFaceCache& faces)
    : QWidget(parent) {
    setObjectName(QStringLiteral("HandsTable"));
    setAutoFillBackground(true);
    QPalette table = palette();
    table.setColor(QPalette::Window, QColor(kTableColour));
    setPalette(table);
    for (int seat = 0; seat < 4; ++seat)
        panels_[static_cast<std::size_t>(seat)] =
            new THandPanel(QString::fromLatin1(kSeatNames[seat]), this, images, faces);
    doubleDummy_ = new TDoubleDummyPanel(this);
    boardCaption_ = CaptionLabel("BoardLabel", true, this);
    dealCaption_ = CaptionLabel("DealerLabel", false, this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void THandsTable::SetView(THandToView view, bool doubleDummy) {
    view_ = view;
    showDoubleDummy_ = doubleDummy;
    const bool all = view == THandToView::All;
    Panel(kNorth)->setHidden(view == THandToView::South);
    Panel(kSouth)->setHidden(view == THandToView::North);
    Panel(kEast)->setHidden(!all);
    Panel(kWest)->setHidden(!all);
    doubleDummy_->setHidden(!doubleDummy);
    updateGeometry();
    Arrange();
}

void THandsTable::SetCaption(const QString& board, const QString& dealerAndVulnerability) {
    boardCaption_->setText(board);
    dealCaption_->setText(dealerAndVulnerability);
    Arrange();
}

QSize THandsTable::NaturalSize() const {
    const int width = view_ == THandToView::All ? 2 * kHandsClientWidth : kHandsClientWidth;
    const int rows = HandRows(view_) + (showDoubleDummy_ ? 1 : 0);
    return {width, rows * kHandPanelHeight};
}

void THandsTable::SetPreferredZoom(double zoom) {
    preferredZoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateGeometry();
}

QSize THandsTable::sizeHint() const {
    const QSize natural = NaturalSize();
    return {Zoomed(natural.width(), preferredZoom_), Zoomed(natural.height(), preferredZoom_)};
}

QSize THandsTable::minimumSizeHint() const {
    const QSize natural = NaturalSize();
    return {Zoomed(natural.width(), kMinZoom), Zoomed(natural.height(), kMinZoom)};
}

void THandsTable::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

// A move to a screen of another device-pixel ratio draws the cards again.
void THandsTable::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (devicePixelRatioF() != ratio_) Arrange();
}

void THandsTable::Arrange() {
    const QSize natural = NaturalSize();
    const double fit =
        std::min(double(width()) / natural.width(), double(height()) / natural.height());
    zoom_ = std::clamp(fit, kMinZoom, kMaxZoom);
    ratio_ = devicePixelRatioF();
    for (THandPanel* panel : panels_)
        panel->SetScale(zoom_, ratio_);
    doubleDummy_->SetScale(zoom_);

    const int left = (width() - Zoomed(natural.width(), zoom_)) / 2;
    const int top = std::max(0, (height() - Zoomed(natural.height(), zoom_)) / 2);
    const int single =
        view_ == THandToView::All ? left + Zoomed(kHandsClientWidth / 2, zoom_) : left;
    const int row = Zoomed(kHandPanelHeight, zoom_);
    int y = top;
    if (view_ != THandToView::South) Place(Panel(kNorth), single, y), y += row;
    if (view_ == THandToView::All) {
        Place(Panel(kWest), left, y);
        Place(Panel(kEast), left + Zoomed(kHandsClientWidth, zoom_), y);
        y += row;
    }
    if (view_ != THandToView::North) Place(Panel(kSouth), single, y), y += row;
    Place(doubleDummy_, single, y);
    PlaceCaption(left, top, Zoomed(natural.width(), zoom_));
}

// Stacked hands: the number in the top-left corner, dealer and vulnerability
// in the top-right, beside the top hand's name. All four hands: both in the
// corner left of North, one under the other.
void THandsTable::PlaceCaption(int left, int top, int width) {
    ScaleFont(*boardCaption_, zoom_);
    ScaleFont(*dealCaption_, zoom_);
    boardCaption_->adjustSize();
    dealCaption_->adjustSize();
    const int margin = Zoomed(6, zoom_);
    boardCaption_->move(left + margin, top + Zoomed(3, zoom_));
    if (view_ == THandToView::All)
        dealCaption_->move(left + margin, top + Zoomed(3, zoom_) + boardCaption_->height());
    else
        dealCaption_->move(left + width - margin - dealCaption_->width(), top + Zoomed(3, zoom_));
    boardCaption_->raise();
    dealCaption_->raise();
}

void THandsTable::Place(QWidget* panel, int x, int y) {
    panel->move(x, y);
}

} // namespace kv
