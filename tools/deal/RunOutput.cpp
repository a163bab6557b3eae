#include "RunOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
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

} // namespace

std::string WriteWholeFile(const std::string& path, const std::string& text)
{
    const std::filesystem::path target(path);
    std::string temp = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return SystemError("cannot write '" + path + "'");
    // mkstemp makes the file private; give it the permissions a new file gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool written = ::fchmod(fd, 0666 & ~mask) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ::close(fd);
    if (written && std::rename(temp.c_str(), path.c_str()) == 0) return {};
    if (!written) errno = writeErrno;
    const std::string message = SystemError("cannot write '" + path + "'");
    std::remove(temp.c_str());
    return message;
}

std::string WriteStdout(const std::string& text)
{
    if (!WriteAll(STDOUT_FILENO, text)) return SystemError("cannot write to standard output");
    return {};
}

} // namespace kv::cli
