#include "Interrupt.h"

#include <csignal>

namespace kv::cli {
namespace {

// A signal handler can reach only what has static storage.
std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int signal) {
    if (interrupted.exchange(true)) {
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
