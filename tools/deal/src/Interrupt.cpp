#include "Interrupt.h"

#include <csignal>
#include <ctime>

namespace kv::cli {
namespace {

// A signal handler can reach only what has static storage.
std::atomic<bool> interrupted{false};
std::atomic<long long> firstAt{0}; // the first interrupt, in milliseconds of the monotonic clock

#ifdef _WIN32
long long Now() {
    return 0;
}
constexpr long long kLate = 0; // any second interrupt ends the program
#else
long long Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t); // safe in a signal handler
    return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}
// The same interrupt may come twice at once (to the program and to its process
// group, as timeout sends it): only one a second or more after the first ends
// the program.
constexpr long long kLate = 1000;
#endif

extern "C" void OnInterrupt(int signal) {
    if (!interrupted.exchange(true)) {
        firstAt = Now();
    } else if (Now() - firstAt >= kLate) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

} // namespace

const std::atomic<bool>& StopOnInterrupt() {
    static const bool installed = [] {
        std::signal(SIGINT, OnInterrupt);
        std::signal(SIGTERM, OnInterrupt);
        return true;
    }();
    (void)installed;
    return interrupted;
}

} // namespace kv::cli
