// The par line under the double-dummy table, as drawn: the side the score
// goes to named, hearts and diamonds in the red of the headings, spades and
// clubs in their black, and paper between every suit symbol and the
// characters beside it, at every zoom of the window (and, run with
// QT_SCALE_FACTOR=2, at twice the pixels).
#include "ui/hands/src/DoubleDummyPanel.h"

#include <QApplication>
#include <QLabel>
#include <QScopeGuard>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kv;

namespace {

// What a column of the drawn line holds: the ink of a suit symbol ('S'), of
// other text ('t'), of both ('B'), or only paper ('_'). The other text is
// drawn blue here so that the two kinds of ink can be told apart.
enum class TInk { None, Suit, Text };

TInk InkOf(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    if (b - std::max(r, g) > 40) return TInk::Text;
    if (r - g > 60) return TInk::Suit;                              // red
    if (std::max({r, g, b}) < 180 && b - r < 25) return TInk::Suit; // black
    return TInk::None;
}

std::string Columns(const QImage& line) {
    std::string columns;
    for (int x = 0; x < line.width(); ++x) {
        bool suit = false, text = false;
        for (int y = 0; y < line.height(); ++y) {
            const TInk ink = InkOf(line.pixel(x, y));
            suit |= ink == TInk::Suit;
            text |= ink == TInk::Text;
        }
        columns += suit && text ? 'B' : suit ? 'S' : text ? 't' : '_';
    }
    return columns;
}

// The red of each suit symbol drawn, left to right: 'r' red, 'k' black.
std::string SymbolColours(const QImage& line, const std::string& columns) {
    std::string colours;
    for (std::size_t x = 0; x < columns.size(); ++x) {
        if (columns[x] != 'S' || (x > 0 && columns[x - 1] == 'S')) continue;
        bool red = false;
        for (std::size_t end = x; end < columns.size() && columns[end] == 'S'; ++end)
            for (int y = 0; y < line.height(); ++y) {
                const QRgb p = line.pixel(int(end), y);
                red |= qRed(p) - qGreen(p) > 60;
            }
        colours += red ? 'r' : 'k';
    }
    return colours;
}

// The paper columns between each suit symbol and the text on either side of
// it; none where they touch.
std::vector<int> GapsAroundSymbols(const std::string& columns) {
    std::vector<int> gaps;
    for (std::size_t x = 0; x < columns.size(); ++x) {
        if (columns[x] != 'S') continue;
        if (x > 0 && columns[x - 1] != 'S') {
            const std::size_t text = columns.find_last_not_of('_', x - 1);
            if (text != std::string::npos) gaps.push_back(int(x - text - 1));
        }
        if (x + 1 < columns.size() && columns[x + 1] != 'S') {
            const std::size_t text = columns.find_first_not_of('_', x + 1);
            if (text != std::string::npos) gaps.push_back(int(text - x - 1));
        }
    }
    return gaps;
}

struct TParRow {
    const char* Name;
    TParResult Par;
    const char* Text;
    const char* Colours;
};

const TParRow kPars[] = {
    {"EastWestSacrificeInSpades", {300, {{5, 4, 1, true, -2}}}, "Par: EW 4\u2660x-2, NS +300", "k"},
    {"HeartsAndDiamonds",
     {-110, {{5, 2, 2, false, 0}, {1, 1, 3, false, 1}}},
     "Par: EW 2\u2665=; E 1\u2666+1, EW +110",
     "rr"},
    {"ClubsThenSpades",
     {100, {{5, 5, 4, true, -1}, {5, 5, 1, true, -1}}},
     "Par: EW 5\u2663x-1; EW 5\u2660x-1, NS +100",
     "kk"},
};

} // namespace

// In the program's font, whose stand-in on Linux has no suit symbols: they
// come from another font, drawn wider than their room. A tenth of the line's
// height of paper on each side keeps them apart to the eye.
TEST(ParLine, NamesTheSideAndKeepsEverySuitSymbolClearOfItsNeighbours) {
    const QFont font = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    const auto restore = qScopeGuard([&font] { QApplication::setFont(font); });
    for (const double zoom : {0.8, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0}) {
        for (const TParRow& row : kPars) {
            SCOPED_TRACE(std::string(row.Name) + " at zoom " + std::to_string(zoom));
            TDoubleDummyPanel panel(nullptr);
            panel.SetScale(zoom);
            auto* label = panel.findChild<QLabel*>("DDParLabel");
            QPalette blue = label->palette();
            blue.setColor(QPalette::WindowText, Qt::blue);
            label->setPalette(blue);
            panel.ShowAnalysis({true, {}, row.Par, {}});
            panel.show();
            EXPECT_EQ(panel.ParText(), QString::fromUtf8(row.Text));

            QWidget* card = label->parentWidget();
            const QImage line = card->grab(label->geometry()).toImage();
            const std::string columns = Columns(line);
            EXPECT_EQ(SymbolColours(line, columns), row.Colours) << columns;
            EXPECT_EQ(columns.find('B'), std::string::npos) << columns;
            for (const int gap : GapsAroundSymbols(columns))
                EXPECT_GE(10 * gap, line.height()) << columns;
        }
    }
}

TEST(ParLine, MessagesArePlainText) {
    TDoubleDummyPanel panel(nullptr);
    panel.ShowAnalysis({false, {}, {}, QStringLiteral("<b>Too many cards</b>")});
    const auto* label = panel.findChild<QLabel*>("DDParLabel");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(panel.ParText(), "<b>Too many cards</b>");
    panel.ShowAnalysis({true, {}, kPars[0].Par, {}});
    EXPECT_EQ(label->textFormat(), Qt::RichText);
    panel.ShowAnalysing();
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(panel.ParText(), "Analysing...");
}
