#include "RecordFile.h"

#include "FileReplacement.h"
#include "LinkTarget.h"
#include "ParamsErrors.h"
#include "TempFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::detail {
namespace {

constexpr const char* kReadBeyondEnd = "Read beyond end of file";

[[noreturn]] void Fail(const std::string& fileName, int code) {
    throw EInOutError(fileName, code, std::strerror(code));
}

int OpenOrFail(const std::string& fileName, int flags) {
    // Non-blocking, so that naming a pipe fails at the size test instead of hanging.
    const int fd = ::open(fileName.c_str(), flags | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) Fail(fileName, errno);
    return fd;
}

void WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw std::system_error(n < 0 ? errno : EIO, std::generic_category());
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
}

// The file a rename must replace: the target of a symbolic link, else the name itself.
std::filesystem::path ReplacedPath(const std::string& fileName) {
    try {
        return LinkTarget(fileName);
    } catch (const std::system_error& e) {
        Fail(fileName, e.code().value());
    }
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A temporary file beside the replaced one, removed on destruction unless kept
// (TempFiles.h: its name, its lock, and the removal of those left by killed programs).
class TTempFile {
  public:
    explicit TTempFile(const std::filesystem::path& beside) {
        const auto folder = beside.has_parent_path() ? beside.parent_path() : ".";
        RemoveStaleTempFiles(folder);
        fd_ = MakeTempFile(folder, path_, lock_);
    }
    ~TTempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(path_.c_str());
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    int Fd() const { return fd_; }
    const std::string& Path() const { return path_; }
    void Close() {
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0) throw std::system_error(errno, std::generic_category());
    }
    void Keep() { kept_ = true; }

  private:
    int fd_ = -1;
    std::string path_;
    bool kept_ = false;
    TTempFileLock lock_;
};

// Gives the new file the permissions and owner of the file it replaces.
void CopyAccess(int fd, const std::filesystem::path& replaced) {
    struct stat old {};
    if (::stat(replaced.c_str(), &old) != 0) {
        if (::fchmod(fd, NewFileMode()) != 0)
            throw std::system_error(errno, std::generic_category());
        return;
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        throw std::system_error(errno, std::generic_category());
    const bool otherOwner = old.st_uid != ::geteuid() || old.st_gid != ::getegid();
    if (otherOwner && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Only a privileged user may give a file away; the new file stays ours.
    }
}

void SyncFolder(const std::filesystem::path& file) {
    const auto folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

TOpenFile TOpenFile::ForReading(const std::string& fileName) {
    return TOpenFile(fileName, OpenOrFail(fileName, O_RDONLY));
}

TOpenFile TOpenFile::ForWriting(const std::string& fileName) {
    return TOpenFile(fileName, OpenOrFail(fileName, O_RDWR));
}

TOpenFile::TOpenFile(TOpenFile&& other) noexcept
    : fileName_(std::move(other.fileName_)), fd_(std::exchange(other.fd_, -1)) {}

TOpenFile::~TOpenFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::uint64_t TOpenFile::Size() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) Fail(fileName_, errno);
    if (!S_ISREG(st.st_mode)) Fail(fileName_, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    return static_cast<std::uint64_t>(st.st_size);
}

void TOpenFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) const {
    while (!into.empty()) {
        const ssize_t n = ::pread(fd_, into.data(), into.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(fileName_, errno);
        if (n == 0) ThrowReadBeyondEnd(fileName_);
        into = into.subspan(static_cast<std::size_t>(n));
        offset += static_cast<std::uint64_t>(n);
    }
}

std::vector<std::uint8_t> TOpenFile::ReadAll() const {
    std::vector<std::uint8_t> bytes(Size());
    ReadAt(0, bytes);
    return bytes;
}

void ThrowReadBeyondEnd(const std::string& fileName) {
    throw EInOutError(fileName, 0, kReadBeyondEnd);
}

bool FileExists(const std::string& fileName) {
    struct stat st {};
    return ::stat(fileName.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

void ReplaceFile(const std::string& fileName, std::span<const std::uint8_t> bytes) {
    TFileReplacement replacement(fileName);
    replacement.Write(bytes);
    replacement.Commit();
}

} // namespace kv::detail

namespace kv {

struct TFileReplacement::TImpl {
    std::string FileName;
    std::filesystem::path Replaced;
    std::unique_ptr<detail::TTempFile> Temp;
};

TFileReplacement::TFileReplacement(const std::string& fileName) : impl_(new TImpl) {
    using namespace detail;
    impl_->FileName = fileName;
    impl_->Replaced = ReplacedPath(fileName);
    if (FileExists(impl_->Replaced.string())) ::close(OpenOrFail(fileName, O_WRONLY));
    try {
        impl_->Temp = std::make_unique<TTempFile>(impl_->Replaced);
        CopyAccess(impl_->Temp->Fd(), impl_->Replaced);
    } catch (const std::system_error& e) {
        detail::Fail(fileName, e.code().value());
    }
}

TFileReplacement::~TFileReplacement() = default;

void TFileReplacement::Write(std::span<const std::uint8_t> bytes) {
    try {
        detail::WriteAll(impl_->Temp->Fd(), bytes);
    } catch (const std::system_error& e) {
        detail::Fail(impl_->FileName, e.code().value());
    }
}

void TFileReplacement::Write(std::string_view text) {
    Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void TFileReplacement::Commit() {
    detail::TTempFile& temp = *impl_->Temp;
    try {
        if (::fsync(temp.Fd()) != 0) throw std::system_error(errno, std::generic_category());
        temp.Close();
        if (::rename(temp.Path().c_str(), impl_->Replaced.c_str()) != 0)
            throw std::system_error(errno, std::generic_category());
        temp.Keep();
    } catch (const std::system_error& e) {
        detail::Fail(impl_->FileName, e.code().value());
    }
    detail::SyncFolder(impl_->Replaced);
}

} // namespace kv
