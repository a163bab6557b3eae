#include "HandPanel.h"

#include "output/cardfaces/FaceCanvas.h"

#include <QLabel>
#include <QPainter>

#include <cmath>

namespace kv {
namespace {

// The caption's font at zoom 1: the application's font, bold.
QFont CaptionFont(const QLabel& caption, double zoom) {
    QFont font =
        caption.parentWidget() != nullptr ? caption.parentWidget()->font() : caption.font();
    font.setBold(true);
    if (zoom == 1.0) return font;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else
        font.setPixelSize(Zoomed(font.pixelSize(), zoom));
    return font;
}

} // namespace

int Zoomed(int length, double zoom) {
    return static_cast<int>(std::lround(length * zoom));
}

TCardRowView::TCardRowView(QWidget* parent, const TCardImages& images, TCardFaceCache& faces)
    : QWidget(parent), images_(&images), faces_(faces),
      image_(kHandImageWidth, kHandImageHeight, QImage::Format_RGB32) {
    setFixedSize(kHandImageWidth, kHandImageHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Clear();
}

void TCardRowView::Clear() {
    row_.clear();
    unknown_ = false;
    Redraw();
}

void TCardRowView::DrawRow(const std::vector<int>& cardRow, const TCardImages& images) {
    images_ = &images;
    row_ = cardRow;
    unknown_ = false;
    Redraw();
}

void TCardRowView::ShowUnknown() {
    row_.clear();
    unknown_ = true;
    Redraw();
}

void TCardRowView::SetScale(double zoom, double ratio) {
    if (zoom == zoom_ && ratio == ratio_) return;
    zoom_ = zoom, ratio_ = ratio;
    setFixedSize(Zoomed(kHandImageWidth, zoom), Zoomed(kHandImageHeight, zoom));
    Redraw();
}

double TCardRowView::DeviceScale() const {
    return TCardFaceCache::ScaleOfWidth(TCardFaceCache::WidthAtScale(zoom_ * ratio_));
}

// At the card's own size the faces built with the window are drawn; at any
// other size the faces drawn for that size.
void TCardRowView::Redraw() {
    const double scale = DeviceScale();
    const int width = TCardFaceCache::WidthAtScale(scale);
    image_ = QImage(DeviceEdge(kHandImageWidth, scale), DeviceEdge(kHandImageHeight, scale),
                    QImage::Format_RGB32);
    image_.fill(kTableColour);
    for (std::size_t i = 0; i < row_.size(); ++i) {
        const int x = DeviceEdge(static_cast<double>(i) * kCardStep, scale);
        if (width == kCardWidth)
            images_->DrawCard(image_, row_[i], x, 0);
        else if (const QImage& face = faces_.Face(row_[i], width); !face.isNull())
            DrawTransparent(image_, face, x, 0);
    }
    if (unknown_) {
        QPainter painter(&image_);
        QFont font = this->font();
        font.setItalic(true);
        font.setPixelSize(static_cast<int>(std::lround(12 * zoom_ * ratio_)));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(image_.rect(), Qt::AlignCenter, QStringLiteral("Hand not given"));
    }
    image_.setDevicePixelRatio(ratio_);
    update();
}

void TCardRowView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void StyleTablePanel(QFrame& panel, QLabel& caption, double zoom) {
    panel.setAutoFillBackground(true);
    QPalette table = panel.palette();
    table.setColor(QPalette::Window, QColor(kTableColour));
    table.setColor(QPalette::WindowText, Qt::white);
    panel.setPalette(table);

    caption.setFont(CaptionFont(caption, zoom));
    caption.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption.setGeometry(0, Zoomed(4, zoom), panel.width(), Zoomed(kHandImageTop - 6, zoom));
}

THandPanel::THandPanel(const QString& seat, QWidget* parent, const TCardImages& images,
                       TCardFaceCache& faces)
    : QFrame(parent), label_(new QLabel(seat, this)), view_(new TCardRowView(this, images, faces)) {
    setObjectName(seat + QStringLiteral("Panel"));
    label_->setObjectName(seat + QStringLiteral("Label"));
    view_->setObjectName(seat + QStringLiteral("Image"));
    setFixedSize(kHandsClientWidth, kHandPanelHeight);
    StyleTablePanel(*this, *label_);
    view_->move(kHandImageLeft, kHandImageTop);
}

void THandPanel::SetScale(double zoom, double ratio) {
    setFixedSize(Zoomed(kHandsClientWidth, zoom), Zoomed(kHandPanelHeight, zoom));
    StyleTablePanel(*this, *label_, zoom);
    view_->move(Zoomed(kHandImageLeft, zoom), Zoomed(kHandImageTop, zoom));
    view_->SetScale(zoom, ratio);
}

} // namespace kv
