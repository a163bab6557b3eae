#include "script/ScriptActions.h"

#include <stdexcept>

namespace kv::script {
namespace {

constexpr std::size_t kHeldBytes = sizeof(std::uint64_t) * kSeats;

void Hold(std::FILE* file, const TDealMasks& deal) {
    unsigned char bytes[kHeldBytes];
    for (std::size_t seat = 0; seat < kSeats; ++seat)
        for (std::size_t b = 0; b < 8; ++b)
            bytes[seat * 8 + b] = static_cast<unsigned char>(deal.Hands[seat] >> (8 * b));
    if (std::fwrite(bytes, 1, kHeldBytes, file) != kHeldBytes)
        throw std::runtime_error(
            "cannot hold the deals for print(): the temporary file cannot be written");
}

bool ReadHeld(std::FILE* file, TDealMasks& deal) {
    unsigned char bytes[kHeldBytes];
    if (std::fread(bytes, 1, kHeldBytes, file) != kHeldBytes) return false;
    for (std::size_t seat = 0; seat < kSeats; ++seat) {
        deal.Hands[seat] = 0;
        for (std::size_t b = 0; b < 8; ++b)
            deal.Hands[seat] |= std::uint64_t{bytes[seat * 8 + b]} << (8 * b);
    }
    return true;
}

void Count(THistogram& h, std::int32_t value) {
    if (value < h.Low) {
        ++h.Below;
    } else if (value > h.High) {
        ++h.Above;
    } else {
        ++h.Counts[static_cast<std::size_t>(value - h.Low)];
    }
}

// Row or column 0 holds the values below the range, the last one those above.
int Bin(std::int32_t value, int low, int high) {
    if (value > high) return high - low + 2;
    return value < low ? 0 : value - low + 1;
}

} // namespace

TDealReport ReportDeal(const TScript& script, TEvaluator& evaluator, const TDealMasks& deal,
                       std::int64_t number, const TPbnTags& tags) {
    TDealReport report;
    std::string& out = report.Text;
    out.reserve(256);
    for (const TAction& action : script.Actions) {
        switch (action.Kind) {
        case TActionKind::PrintAll:
            AppendPrintAll(out, deal, number);
            break;
        case TActionKind::PrintEw:
            AppendPrintEw(out, deal);
            break;
        case TActionKind::Print:
            break;
        case TActionKind::PrintCompact:
            AppendCompact(out, deal);
            if (action.Expr != kNoNode) out += std::to_string(evaluator.Value(action.Expr)) + "\n";
            break;
        case TActionKind::PrintOneLine:
            AppendOneLine(out, deal);
            if (action.Expr != kNoNode) out += std::to_string(evaluator.Value(action.Expr));
            out += '\n';
            break;
        case TActionKind::PrintPbn:
            AppendPbn(out, deal, number, tags);
            break;
        case TActionKind::PrintEs:
            for (const TPrintItem& item : action.Items)
                out +=
                    item.Node == kNoNode ? item.Text : std::to_string(evaluator.Value(item.Node));
            break;
        case TActionKind::Average:
        case TActionKind::Frequency:
            report.Values.push_back(evaluator.Value(action.Expr));
            break;
        case TActionKind::Frequency2:
            report.Values.push_back(evaluator.Value(action.Expr));
            report.Values.push_back(evaluator.Value(action.Expr2));
            break;
        }
    }
    return report;
}

TActionTotals::TActionTotals(const TScript& script) : script_(script) {
    for (const TAction& action : script.Actions) {
        TStat stat;
        stat.Histogram = {
            action.Low, action.High, 0, 0,
            std::vector<std::int64_t>(static_cast<std::size_t>(action.High - action.Low + 1))};
        if (action.Kind == TActionKind::Frequency2) {
            const std::size_t cells = static_cast<std::size_t>(action.High - action.Low + 3) *
                                      static_cast<std::size_t>(action.High2 - action.Low2 + 3);
            stat.Histogram2 = {action.Low, action.High, action.Low2, action.High2,
                               std::vector<std::int64_t>(cells)};
        }
        if (action.Kind == TActionKind::Print && !held_) {
            held_ = std::tmpfile();
            if (!held_)
                throw std::runtime_error("cannot hold the deals for print(): no temporary file");
        }
        stats_.push_back(std::move(stat));
    }
}

TActionTotals::~TActionTotals() {
    if (held_) std::fclose(held_);
}

void TActionTotals::Take(const TDealMasks& deal, std::int64_t number, const TDealReport& report) {
    if (count_++ == 0) first_ = number;
    if (held_) Hold(held_, deal);
    std::size_t value = 0;
    for (std::size_t i = 0; i < stats_.size(); ++i) {
        const TAction& action = script_.Actions[i];
        TStat& stat = stats_[i];
        if (action.Kind == TActionKind::Average) {
            stat.Sum += report.Values[value++];
        } else if (action.Kind == TActionKind::Frequency) {
            Count(stat.Histogram, report.Values[value++]);
        } else if (action.Kind == TActionKind::Frequency2) {
            const int row = Bin(report.Values[value], action.Low, action.High);
            const int column = Bin(report.Values[value + 1], action.Low2, action.High2);
            value += 2;
            const std::size_t columns = static_cast<std::size_t>(action.High2 - action.Low2 + 3);
            ++stat.Histogram2.Cells[static_cast<std::size_t>(row) * columns +
                                    static_cast<std::size_t>(column)];
        }
    }
}

// Each seat's hands in rows of four deals, the seat's pages ended by a form feed.
void TActionTotals::AppendPages(std::string& out, int seats) const {
    for (int seat = 0; seat < kSeats; ++seat) {
        if (!(seats & (1 << seat))) continue;
        out += HandsHeading(seat);
        std::rewind(held_);
        std::vector<TDealMasks> row;
        std::int64_t number = first_;
        TDealMasks deal;
        for (std::int64_t i = 0; i < count_; ++i) {
            if (!ReadHeld(held_, deal))
                throw std::runtime_error("cannot read back the deals held for print()");
            row.push_back(deal);
            if (row.size() == 4 || i + 1 == count_) {
                AppendHandsRow(out, row, seat, number);
                number += static_cast<std::int64_t>(row.size());
                row.clear();
            }
        }
        out += '\f';
    }
}

std::string TActionTotals::Finish() const {
    std::string out;
    if (held_) std::fflush(held_);
    for (std::size_t i = 0; i < stats_.size(); ++i) {
        const TAction& action = script_.Actions[i];
        const TStat& stat = stats_[i];
        switch (action.Kind) {
        case TActionKind::Print:
            AppendPages(out, action.Seats);
            break;
        case TActionKind::Average:
            AppendAverage(out, action.Label, stat.Sum, count_);
            break;
        case TActionKind::Frequency:
            AppendFrequency(out, action.Label, stat.Histogram);
            break;
        case TActionKind::Frequency2:
            AppendFrequency2(out, action.Label, stat.Histogram2);
            break;
        default:
            break;
        }
    }
    return out;
}

} // namespace kv::script
