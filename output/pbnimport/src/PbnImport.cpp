#include "output/pbnimport/PbnImport.h"

#include "PbnFormatError.h"
#include "PbnGames.h"
#include "PbnLexer.h"
#include "PbnLines.h"
#include "PbnText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <istream>
#include <unistd.h>

namespace kv {
namespace {

#ifdef _WIN32
// Windows reads bytes as they are only in binary mode, and keeps a descriptor
// from child programs with _O_NOINHERIT.
constexpr int kOpenFlags = O_RDONLY | _O_BINARY | _O_NOINHERIT;
#else
constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC;
#endif

class TStreamSource : public pbn::IByteSource {
  public:
    explicit TStreamSource(std::istream& in) : in_(in) {}
    std::size_t Read(char* buffer, std::size_t size, std::string& error) override {
        in_.read(buffer, static_cast<std::streamsize>(size));
        if (in_.bad()) error = "read error";
        return static_cast<std::size_t>(in_.gcount());
    }

  private:
    std::istream& in_;
};

// A file read through its descriptor, so that a failure has the system's words.
class TFileSource : public pbn::IByteSource {
  public:
    explicit TFileSource(const std::string& path) : fd_(::open(path.c_str(), kOpenFlags)) {}
    ~TFileSource() override {
        if (fd_ >= 0) ::close(fd_);
    }
    TFileSource(const TFileSource&) = delete;
    TFileSource& operator=(const TFileSource&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    std::size_t Read(char* buffer, std::size_t size, std::string& error) override {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, size);
            if (n >= 0) return static_cast<std::size_t>(n);
            if (errno == EINTR) continue;
            error = std::strerror(errno);
            return 0;
        }
    }

  private:
    int fd_;
};

TPbnImport ReadFrom(pbn::IByteSource& source, const std::string& name) {
    TPbnImport result;
    try {
        pbn::TPbnLines lines(source);
        pbn::TPbnLexer lexer(lines);
        pbn::TPbnGames games(lexer);
        for (TPbnBoard board; games.Next(board);)
            result.Boards.push_back(std::move(board));
    } catch (const pbn::EPbnFormat& error) {
        result.Boards.clear();
        result.Boards.shrink_to_fit();
        result.Error = TPbnError{name, error.Line, error.Text};
    }
    return result;
}

} // namespace

const std::string* TPbnBoard::Tag(std::string_view name) const {
    const auto found = std::find_if(OtherTags.begin(), OtherTags.end(),
                                    [&](const auto& tag) { return tag.first == name; });
    return found == OtherTags.end() ? nullptr : &found->second;
}

std::string TPbnError::Message() const {
    const std::string where = Line > 0 ? File + ", line " + std::to_string(Line) : File;
    return pbn::EscapeControls(where + ": " + Text);
}

TPbnImport ReadPbn(std::istream& in, const std::string& name) {
    TStreamSource source(in);
    return ReadFrom(source, name);
}

TPbnImport ReadPbnFile(const std::string& path) {
    TFileSource source(path);
    if (!source.IsOpen()) {
        TPbnImport result;
        result.Error =
            TPbnError{path, 0, std::string("cannot open the file: ") + std::strerror(errno)};
        return result;
    }
    return ReadFrom(source, path);
}

} // namespace kv
