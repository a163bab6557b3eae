#include "DoubleDummyPanel.h"

#include "HandPanel.h"
#include "engine/doubledummy/DoubleDummyText.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>

namespace kv {
namespace {

constexpr int kNumbersCardHeight = 112;
// Each label's font at zoom 1, kept to scale from.
const char* const kBaseFontProperty = "BaseFont";
const QColor kCardColour(0xfb, 0xfb, 0xf4);
const QColor kRed(0xc8, 0x10, 0x2e);
const QColor kMuted(0x50, 0x50, 0x50);

QLabel* CardLabel(const QString& text, const QColor& colour, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QString ParLine(const TParResult& par) {
    return QStringLiteral("Par: ") + QString::fromUtf8(ParText(par));
}

// The par line as rich text: each suit symbol in the colour of its column
// heading, with a thin space before it and a thin and a hair space after it.
// A font without the suit symbols (Arial's stand-ins on Linux) takes them
// from another font, where they are drawn wider than the room they are given
// and would run into their neighbours. Those narrow spaces survive only where
// white space is kept as written; elsewhere rich text makes each a whole space.
QString ParRichText(const QString& line) {
    QString html;
    for (const QChar c : line) {
        const bool red = c == u'\u2665' || c == u'\u2666';
        if (!red && c != u'\u2660' && c != u'\u2663') {
            html += QString(c).toHtmlEscaped();
            continue;
        }
        html +=
            QStringLiteral("<span style=\"white-space:pre; color:%1\">\u2009%2\u2009\u200A</span>")
                .arg((red ? kRed : QColor(Qt::black)).name(), c);
    }
    return html;
}

} // namespace

TDoubleDummyPanel::TDoubleDummyPanel(QWidget* parent)
    : QFrame(parent), label_(new QLabel(QStringLiteral("Double dummy"), this)) {
    setObjectName(QStringLiteral("DoubleDummyPanel"));
    label_->setObjectName(QStringLiteral("DoubleDummyLabel"));
    setFixedSize(kHandsClientWidth, kDoubleDummyPanelHeight);
    StyleTablePanel(*this, *label_);
    card_ = BuildCard();
    card_->setGeometry(kHandImageLeft, kHandImageTop, kHandImageWidth, kNumbersCardHeight);
    for (QLabel* label : card_->findChildren<QLabel*>())
        label->setProperty(kBaseFontProperty, label->font());
    ShowNothing();
}

void TDoubleDummyPanel::SetScale(double zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    setFixedSize(Zoomed(kHandsClientWidth, zoom), Zoomed(kDoubleDummyPanelHeight, zoom));
    StyleTablePanel(*this, *label_, zoom);
    card_->setGeometry(Zoomed(kHandImageLeft, zoom), Zoomed(kHandImageTop, zoom),
                       Zoomed(kHandImageWidth, zoom), Zoomed(kNumbersCardHeight, zoom));
    for (QLabel* label : card_->findChildren<QLabel*>()) {
        QFont font = label->property(kBaseFontProperty).value<QFont>();
        if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * zoom);
        label->setFont(font);
    }
}

// Headings along the top and the left, a cell for every strain and
// declarer, and the par along the bottom.
QFrame* TDoubleDummyPanel::BuildCard() {
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("DoubleDummyCard"));
    card->setAutoFillBackground(true);
    QPalette paper = card->palette();
    paper.setColor(QPalette::Window, kCardColour);
    card->setPalette(paper);
    card->setFrameStyle(QFrame::Box | QFrame::Plain);

    auto* grid = new QGridLayout(card);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setSpacing(0);
    for (int s = 0; s < kStrains; ++s) {
        const QColor colour = s == 2 || s == 3 ? kRed : QColor(Qt::black);
        grid->addWidget(CardLabel(QString::fromUtf8(StrainHeading(s)), colour, true, card), 0,
                        s + 1);
    }
    for (int d = 0; d < kDeclarers; ++d) {
        grid->addWidget(CardLabel(QString::fromLatin1(DeclarerLetter(d)), kMuted, true, card),
                        d + 1, 0);
        for (int s = 0; s < kStrains; ++s) {
            QLabel* cell = CardLabel(QString(), Qt::black, false, card);
            cell->setObjectName(QStringLiteral("DDCell%1%2").arg(s).arg(d));
            cells_[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)] = cell;
            grid->addWidget(cell, d + 1, s + 1);
        }
    }
    par_ = CardLabel(QString(), Qt::black, false, card);
    par_->setObjectName(QStringLiteral("DDParLabel"));
    grid->addWidget(par_, kDeclarers + 1, 0, 1, kStrains + 1);
    return card;
}

void TDoubleDummyPanel::ShowNothing() {
    SetCells(nullptr);
    SetParLine(QString(), false);
}

void TDoubleDummyPanel::ShowIncomplete() {
    SetCells(nullptr);
    SetParLine(QStringLiteral("All four hands are needed."), false);
}

void TDoubleDummyPanel::ShowAnalysing() {
    SetCells(nullptr);
    SetParLine(QStringLiteral("Analysing..."), false);
}

void TDoubleDummyPanel::ShowAnalysis(const TDDAnalysis& analysis) {
    if (!analysis.Solved) {
        SetCells(nullptr);
        SetParLine(analysis.Error, false);
        return;
    }
    SetCells(&analysis.Table);
    SetParLine(ParLine(analysis.Par), true);
}

// A message (the solver's among them) is shown as plain text, never markup.
void TDoubleDummyPanel::SetParLine(const QString& line, bool isPar) {
    parText_ = line;
    par_->setTextFormat(isPar ? Qt::RichText : Qt::PlainText);
    par_->setText(isPar ? ParRichText(line) : line);
}

void TDoubleDummyPanel::SetCells(const TDDTable* table) {
    for (std::size_t s = 0; s < kStrains; ++s)
        for (std::size_t d = 0; d < kDeclarers; ++d)
            cells_[s][d]->setText(table != nullptr ? QString::number(table->Tricks[s][d])
                                                   : QString());
}

QString TDoubleDummyPanel::CellText(int strain, int declarer) const {
    return cells_.at(static_cast<std::size_t>(strain))
        .at(static_cast<std::size_t>(declarer))
        ->text();
}

QString TDoubleDummyPanel::ParText() const {
    return parText_;
}

} // namespace kv
