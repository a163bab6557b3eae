#pragma once
// Programs changing one parameter file at the same time, each a forked process,
// for the fairness test of the folder lock and its stress run
// (bench/ParamsFileStress.cpp). Each writer saves a set and deletes it again,
// in turn, as fast as it can, and tallies how its changes fared: how many
// failed because the lock stayed taken for all of the wait, its longest change
// (the wait for the lock included), and the most changes the other writers
// completed while one of its changes was under way.

#include "storage/paramsfile/ParamsFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kv::test {

struct TWriterTally {
    std::uint64_t Changes = 0; // made or failed
    std::uint64_t Failures = 0;
    std::chrono::microseconds Longest{0};
    std::uint64_t MostOthers = 0;
    std::string Error; // an unexpected failure that ended the writer
};

namespace race {

inline constexpr int kMaxWriters = 16;

// What the writers share, in memory mapped into every one of them.
struct TShared {
    std::atomic<std::uint64_t> Done{0}; // changes completed, by all writers
    std::atomic<int> Ready{0};
    struct TSlot {
        std::uint64_t Changes = 0, Failures = 0, MostOthers = 0;
        std::int64_t LongestMicros = 0;
        char Error[256] = {};
    } Slots[kMaxWriters];
};

class TNoWarnings : public IWarningSink {
  public:
    void ShowWarning(const std::string& text) override { throw std::runtime_error(text); }
};

// One change: the save of a set, or the delete of the set saved before.
inline void Change(const std::string& file, int writer, std::optional<std::int32_t>& saved) {
    if (saved) {
        DeleteParameterSet(file, *saved);
        saved.reset();
        return;
    }
    const THandParam type;
    TNoWarnings warnings;
    const std::string name = "Writer " + std::to_string(writer);
    saved = WriteParameterSet(file, NewSetRecord(name, std::span(&type, 1)), warnings).RecordNumber;
}

inline void RunWriter(const std::string& file, int writer, int writers, int changes,
                      TShared& shared) {
    TShared::TSlot& slot = shared.Slots[writer];
    shared.Ready.fetch_add(1);
    while (shared.Ready.load() < writers)
        std::this_thread::yield();
    std::optional<std::int32_t> saved;
    for (int i = 0; i < changes; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const std::uint64_t before = shared.Done.load();
        bool failed = false;
        try {
            Change(file, writer, saved);
        } catch (const EInOutError& e) {
            if (e.Code() != EWOULDBLOCK) throw;
            failed = true;
        }
        const std::uint64_t after = failed ? shared.Done.load() : shared.Done.fetch_add(1);
        const auto took = std::chrono::steady_clock::now() - start;
        ++slot.Changes;
        slot.Failures += failed ? 1 : 0;
        slot.MostOthers = std::max(slot.MostOthers, after - before);
        slot.LongestMicros = std::max<std::int64_t>(
            slot.LongestMicros,
            std::chrono::duration_cast<std::chrono::microseconds>(took).count());
    }
}

inline void RunChild(const std::string& file, int writer, int writers, int changes,
                     TShared& shared) {
    try {
        RunWriter(file, writer, writers, changes, shared);
    } catch (const std::exception& e) {
        std::strncpy(shared.Slots[writer].Error, e.what(), sizeof shared.Slots[writer].Error - 1);
    }
    ::_exit(0);
}

inline TWriterTally TallyOf(const TShared::TSlot& slot) {
    return {slot.Changes, slot.Failures, std::chrono::microseconds(slot.LongestMicros),
            slot.MostOthers, slot.Error};
}

} // namespace race

// Runs writers (at most 16) that each make changes changes of file, an
// existing parameter file, all starting together; returns their tallies.
inline std::vector<TWriterTally> RunWriterRace(const std::string& file, int writers, int changes) {
    if (writers < 1 || writers > race::kMaxWriters) throw std::invalid_argument("writers");
    void* memory = ::mmap(nullptr, sizeof(race::TShared), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw std::runtime_error("mmap failed");
    auto* shared = new (memory) race::TShared;
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) race::RunChild(file, w, writers, changes, *shared);
        if (pid < 0) {
            shared->Ready.fetch_add(writers); // releases the writers already started
            break;
        }
        children.push_back(pid);
    }
    std::vector<TWriterTally> tallies;
    for (std::size_t w = 0; w < children.size(); ++w) {
        int status = 0;
        ::waitpid(children[w], &status, 0);
        tallies.push_back(race::TallyOf(shared->Slots[w]));
        if (!WIFEXITED(status)) tallies.back().Error = "the writer died";
    }
    if (children.size() != static_cast<std::size_t>(writers))
        tallies.push_back({.Error = "fork failed"});
    shared->~TShared();
    ::munmap(memory, sizeof(race::TShared));
    return tallies;
}

} // namespace kv::test
