#include "HandPanel.h"

#include <QLabel>
#include <QPainter>

namespace kv {

TCardRowView::TCardRowView(QWidget* parent)
    : QWidget(parent), image_(kHandImageWidth, kHandImageHeight, QImage::Format_RGB32) {
    setFixedSize(kHandImageWidth, kHandImageHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Clear();
}

void TCardRowView::Clear() {
    image_.fill(kTableColour);
    update();
}

void TCardRowView::DrawRow(const std::vector<int>& cardRow, const TCardImages& images) {
    int x = 0;
    for (const int card : cardRow) {
        images.DrawCard(image_, card, x, 0);
        x += kCardStep;
    }
    update();
}

void TCardRowView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void StyleTablePanel(QFrame& panel, QLabel& caption) {
    panel.setAutoFillBackground(true);
    QPalette table = panel.palette();
    table.setColor(QPalette::Window, QColor(kTableColour));
    table.setColor(QPalette::WindowText, Qt::white);
    panel.setPalette(table);

    QFont bold = caption.font();
    bold.setBold(true);
    caption.setFont(bold);
    caption.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption.setGeometry(0, 4, kHandsClientWidth, kHandImageTop - 6);
}

THandPanel::THandPanel(const QString& seat, QWidget* parent)
    : QFrame(parent), label_(new QLabel(seat, this)), view_(new TCardRowView(this)) {
    setObjectName(seat + QStringLiteral("Panel"));
    label_->setObjectName(seat + QStringLiteral("Label"));
    view_->setObjectName(seat + QStringLiteral("Image"));
    setFixedSize(kHandsClientWidth, kHandPanelHeight);
    StyleTablePanel(*this, *label_);
    view_->move(kHandImageLeft, kHandImageTop);
}

} // namespace kv
