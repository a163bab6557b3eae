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

enum class TSearch { Found, Capped, Stopped, Fault };

struct TSlot {
    bool Ready = false;
    TSearch Search = TSearch::Found;
    TProducedDeal Produced;
    std::optional<TScriptError> Fault;
};

// The state the workers and the caller share.
class TRun {
  public:
    TRun(const TScript& script, const TRunRequest& request, const TPbnTags& tags,
         const std::atomic<bool>& cancel)
        : script_(script), request_(request), tags_(tags), cancel_(cancel),
          tables_(THandTables::For(script.Program)), maker_(script, tables_, request.SeatFirst),
          window_(static_cast<std::size_t>(4 * std::max(1, request.Threads) + 16)),
          slots_(window_) {}

    TRunResult Collect(const TRunCallbacks& callbacks);

  private:
    void Work();
    TSlot Find(std::int64_t k, TEvaluator& evaluator, TDealScratch& scratch);
    std::int64_t Cap(std::int64_t k) const;
    bool Stopping() const {
        return stop_.load(std::memory_order_relaxed) || cancel_.load(std::memory_order_relaxed);
    }

    const TScript& script_;
    const TRunRequest& request_;
    const TPbnTags& tags_;
    const std::atomic<bool>& cancel_;
    const THandTables tables_;
    const TDealMaker maker_;
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
        const bool holds = evaluator.Holds(script_.Condition);
        if (evaluator.Fault() != kNoNode) {
            const TNode& at = script_.Program.Nodes[static_cast<std::size_t>(evaluator.Fault())];
            slot.Search = TSearch::Fault;
            slot.Fault = TScriptError{script_.File, at.Line, at.Column, "division by zero"};
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
            const TNode& at = script_.Program.Nodes[static_cast<std::size_t>(evaluator.Fault())];
            slot.Search = TSearch::Fault;
            slot.Fault = TScriptError{script_.File, at.Line, at.Column, "division by zero"};
        }
    }
    return slot;
}

void TRun::Work() {
    TEvaluator evaluator(script_.Program, tables_);
    TDealScratch scratch;
    for (;;) {
        std::int64_t k;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] {
                return Stopping() || next_ >= request_.Count ||
                       next_ < delivered_.load() + static_cast<std::int64_t>(window_);
            });
            if (Stopping() || next_ >= request_.Count) return;
            k = next_++;
        }
        TSlot slot;
        try {
            slot = Find(k, evaluator, scratch);
        } catch (const std::exception& error) {
            slot.Search = TSearch::Fault;
            slot.Fault = TScriptError{script_.File, 0, 0, error.what()};
        }
        slot.Ready = true;
        {
            const std::lock_guard lock(mutex_);
            slots_[static_cast<std::size_t>(k) % window_] = std::move(slot);
        }
        changed_.notify_all();
    }
}

TRunResult TRun::Collect(const TRunCallbacks& callbacks) {
    TRunResult result;
    if (maker_.Impossible()) {
        result.Impossible = true;
        return result;
    }
    std::vector<std::thread> workers;
    for (int i = 0; i < std::max(1, request_.Threads); ++i)
        workers.emplace_back([this] { Work(); });
    auto lastProgress = std::chrono::steady_clock::now();
    std::int64_t generated = 0;
    for (std::int64_t k = 0; k < request_.Count; ++k) {
        TSlot slot;
        {
            std::unique_lock lock(mutex_);
            TSlot& waiting = slots_[static_cast<std::size_t>(k) % window_];
            while (!waiting.Ready && !cancel_.load()) {
                changed_.wait_for(lock, std::chrono::milliseconds(100));
                if (callbacks.Progress && std::chrono::steady_clock::now() - lastProgress >=
                                              std::chrono::milliseconds(100)) {
                    lastProgress = std::chrono::steady_clock::now();
                    lock.unlock();
                    callbacks.Progress({attempts_.load(), result.Produced});
                    lock.lock();
                }
            }
            if (!waiting.Ready) {
                result.Cancelled = true;
                break;
            }
            slot = std::move(waiting);
            waiting = TSlot{};
        }
        if (slot.Search == TSearch::Fault) {
            result.Fault = slot.Fault;
            break;
        }
        if (slot.Search == TSearch::Stopped) {
            result.Cancelled = true;
            break;
        }
        if (slot.Search == TSearch::Capped ||
            generated + slot.Produced.Attempts > request_.Generate) {
            result.LimitReached = true;
            generated = request_.Generate;
            break;
        }
        generated += slot.Produced.Attempts;
        deliveredAttempts_ = generated;
        delivered_ = k + 1;
        changed_.notify_all();
        ++result.Produced;
        if (callbacks.Deal) callbacks.Deal(std::move(slot.Produced));
        if (cancel_.load() && k + 1 < request_.Count) {
            result.Cancelled = true;
            break;
        }
    }
    stop_ = true;
    changed_.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    result.Generated = generated;
    if (callbacks.Progress) callbacks.Progress({attempts_.load(), result.Produced});
    return result;
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
