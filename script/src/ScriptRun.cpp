#include "script/ScriptRun.h"

#include "script/DealMaker.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace kv::script {
namespace {

constexpr std::int64_t kCheckEvery = 4096;
using Clock = std::chrono::steady_clock;
constexpr auto kProgressEvery = std::chrono::milliseconds(100);

enum class TSearch { Found, Capped, Stopped, Fault };

struct TSlot {
    bool Ready = false;
    TSearch Search = TSearch::Found;
    TProducedDeal Produced;
    std::optional<TScriptError> Fault;
};

// What a run has delivered so far, in deal order.
struct TTally {
    TRunResult Result;
    std::int64_t Generated = 0;
    Clock::time_point LastProgress = Clock::now();
};

// The state the workers and the caller share. One thread deals on the
// caller's; several take chunks of consecutive deal numbers, so that cheap
// deals are not handed over one by one.
class TRun {
  public:
    TRun(const TScript& script, const TRunRequest& request, const TPbnTags& tags,
         const std::atomic<bool>& cancel)
        : script_(script), request_(request), tags_(tags), cancel_(cancel),
          tables_(THandTables::For(script.Program)), maker_(script, tables_, request.SeatFirst),
          threads_(std::max(1, request.Threads)),
          chunk_(std::clamp<std::int64_t>(request.Count / (threads_ * 16), 1, 64)),
          window_(static_cast<std::size_t>(
              std::max<std::int64_t>(4 * threads_ + 16, chunk_ * threads_ * 4))),
          slots_(window_) {}

    TRunResult Collect(const TRunCallbacks& callbacks);

  private:
    TRunResult Alone(const TRunCallbacks& callbacks);
    TRunResult Together(const TRunCallbacks& callbacks);
    void StopWorkers(std::vector<std::thread>& workers);
    void Work();
    TSlot Search(std::int64_t k, TEvaluator& evaluator, TDealScratch& scratch);
    TSlot Find(std::int64_t k, TEvaluator& evaluator, TDealScratch& scratch);
    bool Holds(TEvaluator& evaluator, TRandomStream& random, TDealScratch& scratch,
               TDealMasks& deal) const;
    bool Deliver(TSlot& slot, std::int64_t k, TTally& tally, const TRunCallbacks& callbacks);
    void Progress(TTally& tally, const TRunCallbacks& callbacks, bool now = false) const;
    std::int64_t Cap(std::int64_t k) const;
    bool Stopping() const {
        return stop_.load(std::memory_order_relaxed) || cancel_.load(std::memory_order_relaxed);
    }
    TScriptError DivisionFault(int node) const {
        const TNode& at = script_.Program.Nodes[static_cast<std::size_t>(node)];
        return TScriptError{script_.File, at.Line, at.Column, "division by zero"};
    }

    const TScript& script_;
    const TRunRequest& request_;
    const TPbnTags& tags_;
    const std::atomic<bool>& cancel_;
    const THandTables tables_;
    const TDealMaker maker_;
    const int threads_;
    const std::int64_t chunk_;
    const std::size_t window_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<TSlot> slots_;
    std::int64_t next_ = 0; // the next deal a worker takes
    std::atomic<std::int64_t> delivered_{0};
    std::atomic<std::int64_t> deliveredAttempts_{0};
    std::atomic<std::int64_t> attempts_{0};
    std::atomic<bool> stop_{false};
};

// The tries deal k may take: the limit less what deals before it took (at
// least one each); more would make the run exceed the limit before k.
std::int64_t TRun::Cap(std::int64_t k) const {
    const std::int64_t delivered = delivered_.load();
    return request_.Generate - deliveredAttempts_.load() - (k - delivered);
}

// Tests the condition's terms as the seats they read are dealt; false at
// the first that fails.
bool TRun::Holds(TEvaluator& evaluator, TRandomStream& random, TDealScratch& scratch,
                 TDealMasks& deal) const {
    for (int stage = 0;; ++stage) {
        for (const int term : maker_.Tests(stage))
            if (!evaluator.Holds(term)) return false;
        if (stage == maker_.ReadSeats()) return true;
        const int seat = maker_.DealNext(random, scratch, deal);
        evaluator.AddHand(seat, deal.Hands[static_cast<std::size_t>(seat)]);
    }
}

TSlot TRun::Find(std::int64_t k, TEvaluator& evaluator, TDealScratch& scratch) {
    TSlot slot;
    TRandomStream random =
        TRandomStream::ForDeal(request_.Seed, static_cast<std::uint64_t>(request_.First + k));
    maker_.Reset(scratch);
    TDealMasks deal;
    std::int64_t tries = 0, cap = Cap(k), counted = 0;
    slot.Search = TSearch::Capped;
    while (tries < cap) {
        maker_.Deal(random, scratch, deal);
        ++tries;
        evaluator.SetDeal(deal, &random);
        const bool holds = Holds(evaluator, random, scratch, deal);
        if (evaluator.Fault() != kNoNode) {
            slot.Search = TSearch::Fault;
            slot.Fault = DivisionFault(evaluator.Fault());
            break;
        }
        if (holds) {
            slot.Search = TSearch::Found;
            maker_.Complete(random, scratch, deal);
            break;
        }
        if (tries % kCheckEvery == 0) {
            attempts_ += tries - counted;
            counted = tries;
            if (Stopping()) {
                slot.Search = TSearch::Stopped;
                break;
            }
            cap = Cap(k);
        }
    }
    attempts_ += tries - counted;
    slot.Produced.Number = request_.First + k + 1;
    slot.Produced.Attempts = tries;
    if (slot.Search == TSearch::Found) {
        slot.Produced.Deal = deal;
        slot.Produced.Report = ReportDeal(script_, evaluator, deal, slot.Produced.Number, tags_);
        if (evaluator.Fault() != kNoNode) {
            slot.Search = TSearch::Fault;
            slot.Fault = DivisionFault(evaluator.Fault());
        }
    }
    slot.Ready = true;
    return slot;
}

// Find, with a solver failure as the slot's fault.
TSlot TRun::Search(std::int64_t k, TEvaluator& evaluator, TDealScratch& scratch) {
    try {
        return Find(k, evaluator, scratch);
    } catch (const std::exception& error) {
        TSlot slot;
        slot.Ready = true;
        slot.Search = TSearch::Fault;
        slot.Fault = TScriptError{script_.File, 0, 0, error.what()};
        return slot;
    }
}

void TRun::Progress(TTally& tally, const TRunCallbacks& callbacks, bool now) const {
    if (!callbacks.Progress) return;
    const auto time = Clock::now();
    if (!now && time - tally.LastProgress < kProgressEvery) return;
    tally.LastProgress = time;
    callbacks.Progress({attempts_.load(), tally.Result.Produced});
}

// Takes deal k in order; false when the run stops there.
bool TRun::Deliver(TSlot& slot, std::int64_t k, TTally& tally, const TRunCallbacks& callbacks) {
    TRunResult& result = tally.Result;
    if (slot.Search == TSearch::Fault) {
        result.Fault = slot.Fault;
        return false;
    }
    if (slot.Search == TSearch::Stopped) {
        result.Cancelled = true;
        return false;
    }
    if (slot.Search == TSearch::Capped ||
        tally.Generated + slot.Produced.Attempts > request_.Generate) {
        result.LimitReached = true;
        tally.Generated = request_.Generate;
        return false;
    }
    tally.Generated += slot.Produced.Attempts;
    deliveredAttempts_ = tally.Generated;
    delivered_ = k + 1;
    ++result.Produced;
    if (callbacks.Deal) callbacks.Deal(std::move(slot.Produced));
    return true;
}

TRunResult TRun::Alone(const TRunCallbacks& callbacks) {
    TTally tally;
    TEvaluator evaluator(script_.Program, tables_);
    TDealScratch scratch;
    for (std::int64_t k = 0; k < request_.Count; ++k) {
        if (cancel_.load()) {
            tally.Result.Cancelled = true;
            break;
        }
        TSlot slot = Search(k, evaluator, scratch);
        if (!Deliver(slot, k, tally, callbacks)) break;
        Progress(tally, callbacks);
    }
    tally.Result.Generated = tally.Generated;
    Progress(tally, callbacks, true);
    return tally.Result;
}

void TRun::Work() {
    TEvaluator evaluator(script_.Program, tables_);
    TDealScratch scratch;
    for (;;) {
        std::int64_t first, end;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] {
                return Stopping() || next_ >= request_.Count ||
                       next_ + chunk_ <= delivered_.load() + static_cast<std::int64_t>(window_);
            });
            if (Stopping() || next_ >= request_.Count) return;
            first = next_;
            end = std::min(request_.Count, next_ + chunk_);
            next_ = end;
        }
        std::vector<TSlot> found;
        for (std::int64_t k = first; k < end && !Stopping(); ++k)
            found.push_back(Search(k, evaluator, scratch));
        {
            const std::lock_guard lock(mutex_);
            for (std::size_t i = 0; i < found.size(); ++i)
                slots_[(static_cast<std::size_t>(first) + i) % window_] = std::move(found[i]);
        }
        changed_.notify_all();
    }
}

TRunResult TRun::Together(const TRunCallbacks& callbacks) {
    TTally tally;
    std::vector<std::thread> workers;
    for (int i = 0; i < threads_; ++i)
        workers.emplace_back([this] { Work(); });
    bool stopped = false; // cancelled: the workers are being joined
    for (std::int64_t k = 0; k < request_.Count; ++k) {
        TSlot slot;
        {
            std::unique_lock lock(mutex_);
            TSlot& waiting = slots_[static_cast<std::size_t>(k) % window_];
            while (!waiting.Ready && !stopped) {
                if (cancel_.load()) {
                    // The workers stop at their next look and hand over what
                    // they found; those deals are still taken in order.
                    lock.unlock();
                    StopWorkers(workers);
                    stopped = true;
                    lock.lock();
                    break;
                }
                changed_.wait_for(lock, kProgressEvery);
                lock.unlock();
                Progress(tally, callbacks);
                lock.lock();
            }
            if (!waiting.Ready) {
                tally.Result.Cancelled = true;
                break;
            }
            slot = std::move(waiting);
            waiting = TSlot{};
        }
        const bool more = Deliver(slot, k, tally, callbacks);
        changed_.notify_all();
        if (!more) break;
        Progress(tally, callbacks);
    }
    StopWorkers(workers);
    tally.Result.Generated = tally.Generated;
    Progress(tally, callbacks, true);
    return tally.Result;
}

void TRun::StopWorkers(std::vector<std::thread>& workers) {
    stop_ = true;
    changed_.notify_all();
    for (std::thread& worker : workers)
        if (worker.joinable()) worker.join();
}

TRunResult TRun::Collect(const TRunCallbacks& callbacks) {
    if (maker_.Impossible()) {
        TRunResult result;
        result.Impossible = true;
        return result;
    }
    return threads_ == 1 ? Alone(callbacks) : Together(callbacks);
}

} // namespace

TRunResult RunScript(const TScript& script, const TRunRequest& request, const TPbnTags& tags,
                     const TRunCallbacks& callbacks, const std::atomic<bool>& cancel) {
    TRun run(script, request, tags, cancel);
    return run.Collect(callbacks);
}

bool Accepts(const TScript& script, TEvaluator& evaluator, const TDealMasks& deal,
             TRandomStream& random) {
    for (std::size_t seat = 0; seat < kSeats; ++seat)
        if ((deal.Hands[seat] & script.Predeal[seat]) != script.Predeal[seat]) return false;
    evaluator.SetDeal(deal, &random);
    return evaluator.Holds(script.Condition);
}

} // namespace kv::script
