#pragma once
// How a hand record looks: fonts, colours, and the text of a holding.
// Sizes are given in points and turned into device units by TPageUnits, so
// the same drawing serves a 1200 dpi PDF and a 300 dpi printer.

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

namespace kv::printlib {

struct TBoardStyle {
    bool Colour = true;            // hearts and diamonds red
    bool ShowDealer = true;        // flag A
    bool ShowVulnerability = true; // flag B
    bool TenAsDigits = false;      // "10" instead of "T"
    bool ShowDoubleDummy = false;  // makeable contracts and par under a compass diagram
};

class TPageUnits {
  public:
    explicit TPageUnits(qreal dotsPerInch) : perPoint_(dotsPerInch / 72.0) {}
    qreal operator()(qreal points) const { return points * perPoint_; }

  private:
    qreal perPoint_;
};

namespace style {

QFont HandFont();    // suit lines
QFont CaptionFont(); // "Board 7"
QFont SmallFont();   // dealer, vulnerability, seat letters
QFont TitleFont();
QFont SubtitleFont();
QFont FooterFont();

QColor SuitColour(int suit, bool colour); // suit 0..3: spades, hearts, diamonds, clubs
QColor VulnerableColour(bool colour);
QColor RuleColour();
QColor MutedText();

// The suit symbol: spade, heart, diamond, club.
QString SuitSymbol(int suit);

// The ranks of a holding spaced for reading: "A K 10 3" (or "A K T 3");
// a void is an em dash.
QString HoldingForPrint(const std::string& ranks, bool tenAsDigits);

} // namespace style
} // namespace kv::printlib
