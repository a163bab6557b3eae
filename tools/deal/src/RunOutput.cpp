#include "RunOutput.h"

#include "TerminalText.h"
#include "storage/paramsfile/ParamsErrors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::cli {
namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 20;
constexpr auto kStreamDelay = std::chrono::milliseconds(250);

#ifdef _WIN32
// Windows keeps a descriptor from child programs with _O_NOINHERIT, and no
// file there is a socket.
constexpr int kCloseOnExec = _O_NOINHERIT;
bool IsSocket(unsigned) {
    return false;
}
#else
constexpr int kCloseOnExec = O_CLOEXEC;
bool IsSocket(mode_t mode) {
    return S_ISSOCK(mode);
}
#endif

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// True when a reader may be waiting for what is written to fd: a terminal, a
// pipe or a socket, but not a file or /dev/null.
bool HasReader(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return true;
    return ::isatty(fd) || S_ISFIFO(st.st_mode) || IsSocket(st.st_mode);
}

// A device or pipe (/dev/stdout, a named pipe) is written as it is: there is
// nothing to replace.
bool IsDevice(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

} // namespace

TRunOutput::TRunOutput() : target_("to standard output"), fd_(STDOUT_FILENO) {
    buffer_.reserve(kBufferSize);
    flushed_ = Clock::now();
    streamed_ = HasReader(fd_);
}

TRunOutput::TRunOutput(const std::string& path) : target_("'" + Printable(path) + "'") {
    buffer_.reserve(kBufferSize);
    flushed_ = Clock::now();
    if (IsDevice(path)) {
        fd_ = ::open(path.c_str(), O_WRONLY | O_TRUNC | kCloseOnExec);
        if (fd_ < 0) Fail(std::strerror(errno));
        ownFd_ = true;
        streamed_ = HasReader(fd_);
        return;
    }
    try {
        file_ = std::make_unique<TFileReplacement>(path);
    } catch (const EInOutError& error) {
        Fail(error.Description());
    }
}

TRunOutput::~TRunOutput() {
    if (ownFd_) ::close(fd_);
}

void TRunOutput::Write(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= kBufferSize || (streamed_ && Clock::now() - flushed_ >= kStreamDelay))
        Flush();
}

void TRunOutput::Finish() {
    Flush();
    if (!file_) return;
    try {
        file_->Commit();
    } catch (const EInOutError& error) {
        Fail(error.Description());
    }
}

void TRunOutput::EndFailedRun() {
    if (!file_) Flush();
}

void TRunOutput::Flush() {
    flushed_ = Clock::now();
    if (buffer_.empty()) return;
    if (file_) {
        try {
            file_->Write(buffer_);
        } catch (const EInOutError& error) {
            Fail(error.Description());
        }
    } else if (!WriteAll(fd_, buffer_)) {
        Fail(std::strerror(errno));
    }
    buffer_.clear();
}

void TRunOutput::Fail(const std::string& reason) const {
    throw EOutputError("cannot write " + target_ + ": " + reason);
}

} // namespace kv::cli
