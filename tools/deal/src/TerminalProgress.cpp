#include "TerminalProgress.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace kv::cli {
namespace {

using Clock = std::chrono::steady_clock;

// The one line that the counts of a run share.
class TTerminalLine {
  public:
    explicit TTerminalLine(long total) : total_(total), start_(Clock::now()) {}
    ~TTerminalLine() {
        if (open_) std::fputc('\n', stderr);
    }
    TTerminalLine(const TTerminalLine&) = delete;
    TTerminalLine& operator=(const TTerminalLine&) = delete;

    void Show(long done, const char* what) {
        const auto now = Clock::now();
        const bool last = done == total_;
        if (now - start_ < std::chrono::milliseconds(500)) return;
        if (now - shown_ < std::chrono::milliseconds(100) && !last) return;
        shown_ = now;
        char text[64];
        if (total_ > 0)
            std::snprintf(text, sizeof text, "%ld/%ld %s", done, total_, what);
        else
            std::snprintf(text, sizeof text, "%ld %s", done, what);
        // Padded, so that a shorter count leaves nothing of a longer one.
        std::fprintf(stderr, "\r%-40s", text);
        open_ = !last;
        if (last) std::fputc('\n', stderr);
    }

  private:
    long total_;
    Clock::time_point start_;
    Clock::time_point shown_{};
    bool open_ = false;
};

} // namespace

TProgress TerminalProgress(long total, const char* made, bool analysed) {
    if (!::isatty(STDERR_FILENO)) return {};
    const auto line = std::make_shared<TTerminalLine>(total);
    TProgress progress;
    progress.Made = [line, made](long n) { line->Show(n, made); };
    if (analysed) progress.Analysed = [line](long n) { line->Show(n, "deals analysed"); };
    return progress;
}

} // namespace kv::cli
