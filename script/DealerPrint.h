#pragma once
// The deal layouts and reports of dealer's actions, byte for byte as Debian's
// dealer 20211121 prints them: ranks "AKQJT98765432", suits spades first,
// seats North, East, South, West; "-" for a void in the side-by-side layouts,
// whose columns are 20 characters wide unless a suit has more than ten cards.

#include "script/DealMasks.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv::script {

// printall: "   7.\n", then the four hands side by side, one line per suit,
// and an empty line. `number` counts the deals produced, from 1.
void AppendPrintAll(std::string& out, const TDealMasks& deal, std::int64_t number);

// printew: West and East side by side, one line per suit, and an empty line.
void AppendPrintEw(std::string& out, const TDealMasks& deal);

// printcompact: "n AJ6.J.KJ764.A753\n" for each seat.
void AppendCompact(std::string& out, const TDealMasks& deal);

// printoneline without its line end: "n ... e ... s ... w ... ".
void AppendOneLine(std::string& out, const TDealMasks& deal);

// printpbn: one PBN game with dealer's tags. Board `number` (from 1) takes
// the dealer and vulnerability of the rotation unless the script sets them
// (0..3 = N E S W; none, NS, EW, all). `file` and `seed` go into the Event
// tag, `date` ("YYYY.MM.DD") into the Date tag.
struct TPbnTags {
    std::string File;
    std::string Seed;
    std::string Date;
    std::optional<int> Dealer;
    std::optional<int> Vulnerable;
};
void AppendPbn(std::string& out, const TDealMasks& deal, std::int64_t number, const TPbnTags& tags);

// print(seat): the seat's hand of up to four deals side by side, headed by
// their numbers (`first` is the number of deals[0]).
void AppendHandsRow(std::string& out, const std::vector<TDealMasks>& deals, int seat,
                    std::int64_t first);
// "\n\nNorth hands:\n\n\n\n": the heading of a seat's pages.
std::string HandsHeading(int seat);

// average: "label: mean\n" (without a label, the mean alone), the mean as
// printf's %g; over no deal at all "-nan", as dealer prints it.
void AppendAverage(std::string& out, const std::optional<std::string>& label, std::int64_t sum,
                   std::int64_t count);

// frequency: the counts of values low..high, with "Low" and "High" rows for
// values outside when there are any.
struct THistogram {
    int Low = 0, High = 0;
    std::int64_t Below = 0, Above = 0;
    std::vector<std::int64_t> Counts; // High - Low + 1
};
void AppendFrequency(std::string& out, const std::optional<std::string>& label,
                     const THistogram& h);

// frequency of two values: the joint counts with Low and High rows and
// columns and the sums. Cells (Low2 - High2 + 3) per row, row 0 for values
// below Low, the last row for values above High.
struct THistogram2 {
    int Low = 0, High = 0, Low2 = 0, High2 = 0;
    std::vector<std::int64_t> Cells;
};
void AppendFrequency2(std::string& out, const std::optional<std::string>& label,
                      const THistogram2& h);

} // namespace kv::script
