#include "script/DealerPrint.h"

#include <array>
#include <cinttypes>
#include <cstdio>

namespace kv::script {
namespace {

constexpr std::string_view kRanks = "23456789TJQKA";

template <typename... Args> void Printf(std::string& out, const char* format, Args... args) {
    char text[64];
    const int n = std::snprintf(text, sizeof text, format, args...);
    out.append(text, static_cast<std::size_t>(std::max(n, 0)));
}

// The ranks of a holding, highest first, each followed by a blank; the count.
int AppendSpaced(std::string& out, unsigned holding) {
    int cards = 0;
    for (int r = 12; r >= 0; --r)
        if (holding & (1u << r)) {
            out += kRanks[static_cast<std::size_t>(r)];
            out += ' ';
            ++cards;
        }
    if (cards == 0) {
        out += "- ";
        cards = 1;
    }
    return cards;
}

// One suit of several hands side by side: each column padded to ten cards.
void AppendSideBySide(std::string& out, const std::vector<std::uint64_t>& hands, int suit) {
    int cards = 10;
    for (const std::uint64_t hand : hands) {
        for (; cards < 10; ++cards)
            out += "  ";
        cards = AppendSpaced(out, Holding(hand, suit));
    }
    out += '\n';
}

void AppendHand(std::string& out, std::uint64_t hand) {
    for (int suit = 0; suit < kSuits; ++suit) {
        const unsigned holding = Holding(hand, suit);
        for (int r = 12; r >= 0; --r)
            if (holding & (1u << r)) out += kRanks[static_cast<std::size_t>(r)];
        if (suit < kSuits - 1) out += '.';
    }
}

constexpr std::array<char, 4> kSeatLetters = {'n', 'e', 's', 'w'};

} // namespace

void AppendPrintAll(std::string& out, const TDealMasks& deal, std::int64_t number) {
    Printf(out, "%4" PRId64 ".\n", number);
    const std::vector<std::uint64_t> hands(deal.Hands.begin(), deal.Hands.end());
    for (int suit = 0; suit < kSuits; ++suit)
        AppendSideBySide(out, hands, suit);
    out += '\n';
}

void AppendPrintEw(std::string& out, const TDealMasks& deal) {
    const std::vector<std::uint64_t> hands{deal.Hands[3], deal.Hands[1]};
    for (int suit = 0; suit < kSuits; ++suit)
        AppendSideBySide(out, hands, suit);
    out += '\n';
}

void AppendCompact(std::string& out, const TDealMasks& deal) {
    for (int seat = 0; seat < kSeats; ++seat) {
        out += kSeatLetters[static_cast<std::size_t>(seat)];
        out += ' ';
        AppendHand(out, deal.Hands[static_cast<std::size_t>(seat)]);
        out += '\n';
    }
}

void AppendOneLine(std::string& out, const TDealMasks& deal) {
    for (int seat = 0; seat < kSeats; ++seat) {
        out += kSeatLetters[static_cast<std::size_t>(seat)];
        out += ' ';
        AppendHand(out, deal.Hands[static_cast<std::size_t>(seat)]);
        out += ' ';
    }
}

void AppendPbn(std::string& out, const TDealMasks& deal, std::int64_t number,
               const TPbnTags& tags) {
    static constexpr std::array<const char*, 4> kVulnerability = {"None", "NS", "EW", "All"};
    static constexpr std::array<int, 16> kRotation = {0, 1, 2, 3, 1, 2, 3, 0,
                                                      2, 3, 0, 1, 3, 0, 1, 2};
    static constexpr std::array<const char*, 4> kDealer = {"N", "E", "S", "W"};
    const std::size_t board = static_cast<std::size_t>(number - 1);
    out += "[Event \"Hand simulated by dealer with file " + tags.File + ", seed " + tags.Seed +
           "\"]\n[Site \"-\"]\n[Date \"" + tags.Date + "\"]\n";
    Printf(out, "[Board \"%" PRId64 "\"]\n", number);
    out += "[West \"-\"]\n[North \"-\"]\n[East \"-\"]\n[South \"-\"]\n";
    const int dealer = tags.Dealer.value_or(static_cast<int>(board % 4));
    const int vulnerable = tags.Vulnerable.value_or(kRotation[board % 16]);
    out += std::string("[Dealer \"") + kDealer[static_cast<std::size_t>(dealer)] + "\"]\n";
    out += std::string("[Vulnerable \"") + kVulnerability[static_cast<std::size_t>(vulnerable)] +
           "\"]\n";
    out += "[Deal \"N:";
    for (int seat = 0; seat < kSeats; ++seat) {
        AppendHand(out, deal.Hands[static_cast<std::size_t>(seat)]);
        if (seat < kSeats - 1) out += ' ';
    }
    out += "\"]\n[Declarer \"?\"]\n[Contract \"?\"]\n[Result \"?\"]\n\n";
}

void AppendHandsRow(std::string& out, const std::vector<TDealMasks>& deals, int seat,
                    std::int64_t first) {
    for (std::size_t i = 0; i < deals.size(); ++i)
        Printf(out, "%4" PRId64 ".%15c", first + static_cast<std::int64_t>(i), ' ');
    out += '\n';
    std::vector<std::uint64_t> hands;
    for (const TDealMasks& deal : deals)
        hands.push_back(deal.Hands[static_cast<std::size_t>(seat)]);
    for (int suit = 0; suit < kSuits; ++suit)
        AppendSideBySide(out, hands, suit);
    out += '\n';
}

std::string HandsHeading(int seat) {
    static constexpr std::array<const char*, 4> kNames = {"North", "East", "South", "West"};
    return std::string("\n\n") + kNames[static_cast<std::size_t>(seat)] + " hands:\n\n\n\n";
}

void AppendAverage(std::string& out, const std::optional<std::string>& label, std::int64_t sum,
                   std::int64_t count) {
    if (label) out += *label + ": ";
    if (count == 0) {
        out += "-nan\n";
        return;
    }
    Printf(out, "%g\n", static_cast<double>(sum) / static_cast<double>(count));
}

void AppendFrequency(std::string& out, const std::optional<std::string>& label,
                     const THistogram& h) {
    out += "Frequency " + label.value_or("") + ":\n";
    if (h.Below) Printf(out, "Low\t%8" PRId64 "\n", h.Below);
    for (int v = h.Low; v <= h.High; ++v)
        Printf(out, "%5d\t%8" PRId64 "\n", v, h.Counts[static_cast<std::size_t>(v - h.Low)]);
    if (h.Above) Printf(out, "High\t%8" PRId64 "\n", h.Above);
}

void AppendFrequency2(std::string& out, const std::optional<std::string>& label,
                      const THistogram2& h) {
    const int rows = h.High - h.Low + 3, columns = h.High2 - h.Low2 + 3;
    auto cell = [&](int row, int column) {
        return h.Cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                       static_cast<std::size_t>(column)];
    };
    out += "Frequency " + label.value_or("") + ":\n        Low";
    for (int v = h.Low2; v <= h.High2; ++v)
        Printf(out, " %6d", v);
    out += "   High    Sum\n";
    std::int64_t total = 0;
    for (int row = 0; row < rows; ++row) {
        if (row == 0) {
            out += "Low ";
        } else if (row == rows - 1) {
            out += "High";
        } else {
            Printf(out, "%4d", h.Low + row - 1);
        }
        std::int64_t sum = 0;
        for (int column = 0; column < columns; ++column) {
            sum += cell(row, column);
            Printf(out, " %6" PRId64, cell(row, column));
        }
        Printf(out, " %6" PRId64 "\n", sum);
        total += sum;
    }
    out += "Sum ";
    for (int column = 0; column < columns; ++column) {
        std::int64_t sum = 0;
        for (int row = 0; row < rows; ++row)
            sum += cell(row, column);
        Printf(out, " %6" PRId64, sum);
    }
    Printf(out, " %6" PRId64 "\n\n", total);
}

} // namespace kv::script
