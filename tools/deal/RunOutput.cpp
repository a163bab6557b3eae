#include "RunOutput.h"

#include "ParamsErrors.h"
#include "RecordFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <span>
#include <unistd.h>

namespace kv::cli {
namespace {

std::string SystemError(const std::string& what) { return what + ": " + std::strerror(errno); }

bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A device or pipe (/dev/stdout, a named pipe) is written as it is: there is
// nothing to replace.
std::string WriteInPlace(const std::string& path, const std::string& text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0) return SystemError("cannot write '" + path + "'");
    const bool written = WriteAll(fd, text);
    const std::string error = written ? "" : SystemError("cannot write '" + path + "'");
    ::close(fd);
    return error;
}

} // namespace

std::string WriteWholeFile(const std::string& path, const std::string& text)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return WriteInPlace(path, text);
    try {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        detail::ReplaceFile(path, std::span<const std::uint8_t>(bytes, text.size()));
    } catch (const EInOutError& error) {
        return "cannot write '" + path + "': " + error.Description();
    }
    return {};
}

std::string WriteStdout(const std::string& text)
{
    if (!WriteAll(STDOUT_FILENO, text)) return SystemError("cannot write to standard output");
    return {};
}

} // namespace kv::cli
