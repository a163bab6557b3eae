#pragma once
// Where a run's text goes: standard output as it is made, or a file written
// whole or not at all. Text is gathered in a large buffer and written in big
// blocks, never a line at a time; what goes to a terminal, pipe or socket
// (standard output, or a device named by --output) is also written once it has
// waited a quarter of a second, so that a slow run shows its deals as they
// come. Memory stays the size of the buffer however long the run.

#include "storage/paramsfile/FileReplacement.h"

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kv::cli {

// A failure to write the output; what() is the message for standard error.
class EOutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TRunOutput {
  public:
    // Standard output.
    TRunOutput();
    // The file at path, replaced only by Finish (through a temporary file in its
    // folder; a symbolic link's target, which may be new). A device or pipe is
    // written as it is, as standard output is. Throws EOutputError.
    explicit TRunOutput(const std::string& path);
    // A file not finished keeps its old contents.
    ~TRunOutput();
    TRunOutput(const TRunOutput&) = delete;
    TRunOutput& operator=(const TRunOutput&) = delete;

    // Throws EOutputError.
    void Write(std::string_view text);
    // Writes the rest and puts a file in place. Throws EOutputError.
    void Finish();
    // After a failed run: standard output and devices get what was made
    // before the failure; a file keeps its old contents.
    void EndFailedRun();

  private:
    using Clock = std::chrono::steady_clock;
    void Flush();
    [[noreturn]] void Fail(const std::string& reason) const;

    std::string target_; // for messages: "to standard output" or 'path'
    std::unique_ptr<TFileReplacement> file_;
    int fd_ = -1; // when there is no file_: standard output or the opened device
    bool ownFd_ = false;
    bool streamed_ = false; // a reader may be waiting: write after kStreamDelay
    std::string buffer_;
    Clock::time_point flushed_;
};

} // namespace kv::cli
