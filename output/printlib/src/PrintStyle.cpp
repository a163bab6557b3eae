#include "PrintStyle.h"

#include "engine/CardCodes.h"

#include <array>

namespace kv::printlib::style {
namespace {

QFont Font(qreal points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

QFont HandFont() {
    return Font(10, false);
}
QFont CaptionFont() {
    return Font(10, true);
}
QFont SmallFont() {
    return Font(7.5, false);
}
QFont TitleFont() {
    return Font(16, true);
}
QFont SubtitleFont() {
    return Font(11, false);
}
QFont FooterFont() {
    return Font(8, false);
}

QColor SuitColour(int suit, bool colour) {
    const bool red = suit == 1 || suit == 2;
    return colour && red ? QColor(0xc8, 0x10, 0x2e) : QColor(Qt::black);
}

QColor VulnerableColour(bool colour) {
    return colour ? QColor(0xc8, 0x10, 0x2e) : QColor(0x59, 0x59, 0x59);
}
QColor RuleColour() {
    return QColor(0x9a, 0x9a, 0x9a);
}
QColor MutedText() {
    return QColor(0x40, 0x40, 0x40);
}

QString SuitSymbol(int suit) {
    static constexpr std::array<char16_t, 4> kSymbols{u'\u2660', u'\u2665', u'\u2666', u'\u2663'};
    return QString(QChar(kSymbols[static_cast<std::size_t>(suit & 3)]));
}

QString HoldingForPrint(const std::string& ranks, bool tenAsDigits) {
    if (ranks.empty()) return QString(QChar(u'\u2014'));
    QString text;
    for (const char rank : ranks) {
        if (!text.isEmpty()) text += u' ';
        text += RankOfLetter(rank) == kTen && tenAsDigits ? QStringLiteral("10")
                                                          : QString(QChar::fromLatin1(rank));
    }
    return text;
}

} // namespace kv::printlib::style
