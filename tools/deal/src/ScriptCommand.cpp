#include "ScriptCommand.h"

#include "DealRun.h"
#include "RunOutput.h"
#include "ScriptBoards.h"
#include "TerminalText.h"
#include "engine/RandomSource.h"
#include "engine/SeedText.h"
#include "output/pbnimport/PbnImport.h"
#include "script/ScriptRun.h"

#include <charconv>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <iostream>
#include <memory>
#include <thread>
#include <unistd.h>

namespace kv::cli {
namespace {

using namespace kv::script;

// The deals of shard "K/N" of a run of `count` deals: numbers first + 1 to
// first + size, where first = (K - 1) * count / N, so that the shards in
// order concatenate into the whole run.
struct TShardRange {
    std::int64_t First = 0;
    std::int64_t Count = 0;
};

std::optional<TShardRange> ShardRange(const std::string& text, std::int64_t count) {
    long k = 0, n = 0;
    const char* end = text.data() + text.size();
    const auto [slash, e1] = std::from_chars(text.data(), end, k);
    if (e1 != std::errc() || slash == end || *slash != '/') return std::nullopt;
    const auto [last, e2] = std::from_chars(slash + 1, end, n);
    if (e2 != std::errc() || last != end || n < 1 || n > 1000000 || k < 1 || k > n)
        return std::nullopt;
    const std::int64_t first = (k - 1) * count / n;
    return TShardRange{first, k * count / n - first};
}

std::unique_ptr<TRunOutput> OutputOf(const TDealOptions& options) {
    return options.Output ? std::make_unique<TRunOutput>(*options.Output)
                          : std::make_unique<TRunOutput>();
}

TBoardDeal BoardOf(const TScript& script, const TDealMasks& deal, std::int64_t number) {
    TBoardDeal board = RotationBoard(FullDealOf(deal), static_cast<int>(number));
    static constexpr const char* kVulnerability[] = {"None", "NS", "EW", "All"};
    if (script.Dealer) board.Dealer = static_cast<TSeat>(*script.Dealer);
    if (script.Vulnerable) board.Vulnerable = kVulnerability[*script.Vulnerable];
    return board;
}

// "\r1234567 tries, 12 of 40 deals, 3456789 tries/s" on a terminal, once the
// run has taken more than a moment.
class TProgressLine {
  public:
    explicit TProgressLine(std::int64_t total) : total_(total), shown_(::isatty(STDERR_FILENO)) {}
    ~TProgressLine() {
        if (written_) std::fputc('\n', stderr);
    }
    TProgressLine(const TProgressLine&) = delete;
    TProgressLine& operator=(const TProgressLine&) = delete;

    void Show(const TRunProgress& p) {
        const auto now = Clock::now();
        if (!shown_ || now - start_ < std::chrono::milliseconds(500)) return;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        std::fprintf(stderr, "\r%" PRId64 " tries, %" PRId64 " of %" PRId64 " deals, %.0f tries/s ",
                     p.Attempts, p.Produced, total_, static_cast<double>(p.Attempts) / seconds);
        written_ = true;
    }

  private:
    using Clock = std::chrono::steady_clock;
    std::int64_t total_;
    bool shown_;
    bool written_ = false;
    Clock::time_point start_ = Clock::now();
};

// Where a run's deals go: the script's actions, or boards in a --format.
class TSink {
  public:
    // `generator` is the PBN Generator tag's value: empty for boards read
    // from a file, which were not dealt here.
    TSink(const TDealOptions& options, const TScript& script, std::string generator,
          const std::string& date, TRunOutput& out)
        : script_(script), out_(out), totals_(script) {
        if (options.FormatGiven || options.DoubleDummy) {
            const TFormat format = options.FormatGiven ? options.Format : TFormat::Deal;
            boards_ = std::make_unique<TScriptBoards>(format, options.DoubleDummy,
                                                      std::move(generator), date, out);
        }
    }

    // Deal `number` of those taken (from 1); `board` makes its board for --format.
    template <typename F>
    void Take(const TDealMasks& deal, std::int64_t number, const TDealReport& report, F&& board) {
        if (boards_) return boards_->Add(board());
        out_.Write(report.Text);
        totals_.Take(deal, number, report);
    }
    void Finish() {
        if (boards_) return boards_->Flush();
        out_.Write(totals_.Finish());
    }

  private:
    const TScript& script_;
    TRunOutput& out_;
    TActionTotals totals_;
    std::unique_ptr<TScriptBoards> boards_;
};

std::int32_t RunSeed(const TDealOptions& options) {
    if (options.Seed) return *options.Seed;
    TRandomSource clock;
    clock.SeedFromClock();
    std::cerr << SeedToText(clock.RandomSeed) << '\n';
    return clock.RandomSeed;
}

void Summary(const TRunResult& result, std::int32_t seed, double seconds) {
    std::fprintf(stderr,
                 "Generated %" PRId64 " hands\nProduced %" PRId64
                 " hands\nInitial random seed %s\nTime needed %8.3f sec\n",
                 result.Generated, result.Produced, SeedToText(seed).c_str(), seconds);
}

int Deal(const TDealOptions& options, const TScript& script, const std::string& date,
         const std::atomic<bool>& cancel) {
    TRunRequest request;
    request.Count = options.CountGiven ? options.Count : script.ProduceCount();
    request.Generate = options.Generate ? *options.Generate : script.GenerateLimit();
    request.Threads = options.Threads
                          ? *options.Threads
                          : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (!options.Shard.empty()) {
        const std::optional<TShardRange> shard = ShardRange(options.Shard, request.Count);
        if (!shard) {
            std::cerr << "kestrovanhalme-deal: --shard: '" << Printable(options.Shard)
                      << "' is not K/N with 1 <= K <= N\n";
            return 2;
        }
        request.First = shard->First;
        request.Count = shard->Count;
    }
    request.Seed = RunSeed(options);
    const std::unique_ptr<TRunOutput> out = OutputOf(options);
    TSink sink(options, script, GeneratorValue(request.Seed), date, *out);
    const script::TPbnTags tags{options.Script.value_or(""), SeedToText(request.Seed), date,
                                script.Dealer, script.Vulnerable};
    const auto start = std::chrono::steady_clock::now();
    TRunResult result;
    {
        TProgressLine progress(request.Count);
        result = RunScript(script, request, tags,
                           {[&](TProducedDeal&& d) {
                                sink.Take(d.Deal, d.Number, d.Report,
                                          [&] { return BoardOf(script, d.Deal, d.Number); });
                            },
                            [&](const TRunProgress& p) { progress.Show(p); }},
                           cancel);
    }
    if (result.Fault || result.Impossible) {
        std::cerr << (result.Fault ? Printable(result.Fault->Message())
                                   : "kestrovanhalme-deal: " + Printable(script.File) +
                                         ": no deal can meet the condition")
                  << '\n';
        out->EndFailedRun();
        return 1;
    }
    sink.Finish();
    out->Finish();
    Summary(result, request.Seed,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (result.LimitReached)
        std::cerr << "kestrovanhalme-deal: the generate limit of " << request.Generate
                  << " tries was reached: " << result.Produced << " of " << request.Count
                  << " deals produced\n";
    return result.Cancelled ? 130 : 0;
}

// The message of a board that cannot be used, or of a file that cannot be read on.
void Refuse(const TPbnError& error) {
    std::cerr << Printable(error.RawMessage()) << '\n';
}

// The boards of the --input file that meet the script, in the file's order,
// each taken as it is read, so that only the current game is held.
int Filter(const TDealOptions& options, const TScript& script, const std::string& date) {
    TPbnReader reader(*options.Input);
    if (reader.Error()) {
        Refuse(*reader.Error());
        return 1;
    }
    const std::unique_ptr<TRunOutput> out = OutputOf(options);
    TSink sink(options, script, "", date, *out);
    const THandTables tables = THandTables::For(script.Program);
    TEvaluator evaluator(script.Program, tables);
    const script::TPbnTags tags{options.Script.value_or(""), "-", date, script.Dealer,
                                script.Vulnerable};
    std::int64_t kept = 0, read = 0;
    TPbnBoard b;
    while (reader.Next(b)) {
        if (!b.Complete()) {
            Refuse(TPbnError{*options.Input, b.Line,
                             "board " + std::to_string(b.Board) +
                                 " leaves hands out; a script needs all four"});
            out->EndFailedRun();
            return 1;
        }
        const TDealMasks deal = MasksOf(b.Deal);
        TRandomStream random = TRandomStream::ForDeal(0, static_cast<std::uint64_t>(read++));
        if (!Accepts(script, evaluator, deal, random)) continue;
        ++kept;
        sink.Take(deal, kept, ReportDeal(script, evaluator, deal, kept, tags), [&] {
            return TBoardDeal{b.Board, b.Dealer, b.Vulnerable, b.Deal, b.Known};
        });
        if (evaluator.Fault() != kNoNode) break;
    }
    if (evaluator.Fault() != kNoNode || reader.Error()) {
        if (reader.Error()) {
            Refuse(*reader.Error());
        } else {
            const TNode& at = script.Program.Nodes[static_cast<std::size_t>(evaluator.Fault())];
            std::cerr << Printable(TScriptError{script.File, at.Line, at.Column, "division by zero"}
                                       .Message())
                      << '\n';
        }
        out->EndFailedRun();
        return 1;
    }
    sink.Finish();
    out->Finish();
    std::fprintf(stderr, "Read %" PRId64 " boards\nKept %" PRId64 " boards\n", read, kept);
    return 0;
}

} // namespace

int RunScriptCommand(const TDealOptions& options, const std::string& date,
                     const std::atomic<bool>& cancel) {
    const TScriptRead read = ReadScriptFile(*options.Script);
    if (!read.Ok()) {
        std::cerr << Printable(read.Error->Message()) << '\n';
        return 2;
    }
    return options.Input ? Filter(options, *read.Script, date)
                         : Deal(options, *read.Script, date, cancel);
}

} // namespace kv::cli
