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

// Every board of the reader; none when the file cannot be read to its end.
TPbnImport ReadAll(TPbnReader& reader) {
    TPbnImport result;
    for (TPbnBoard board; reader.Next(board);)
        result.Boards.push_back(std::move(board));
    if (reader.Error()) {
        result.Boards.clear();
        result.Boards.shrink_to_fit();
        result.Error = reader.Error();
    }
    return result;
}

} // namespace

// The reading's parts, in the order they are made: the bytes, their lines,
// the tags, the games.
struct TPbnReader::TState {
    explicit TState(std::unique_ptr<pbn::IByteSource> from)
        : source(std::move(from)), lines(*source), lexer(lines), games(lexer) {}
    std::unique_ptr<pbn::IByteSource> source;
    pbn::TPbnLines lines;
    pbn::TPbnLexer lexer;
    pbn::TPbnGames games;
};

TPbnReader::TPbnReader(const std::string& path) : name_(path) {
    auto file = std::make_unique<TFileSource>(path);
    if (!file->IsOpen()) {
        error_ = TPbnError{path, 0, std::string("cannot open the file: ") + std::strerror(errno)};
        return;
    }
    state_ = std::make_unique<TState>(std::move(file));
}

TPbnReader::TPbnReader(std::istream& in, const std::string& name)
    : name_(name), state_(std::make_unique<TState>(std::make_unique<TStreamSource>(in))) {}

TPbnReader::~TPbnReader() = default;

bool TPbnReader::Next(TPbnBoard& board) {
    if (error_) return false;
    try {
        return state_->games.Next(board);
    } catch (const pbn::EPbnFormat& error) {
        error_ = TPbnError{name_, error.Line, error.Text};
        state_.reset();
        return false;
    }
}

const std::string* TPbnBoard::Tag(std::string_view name) const {
    const auto found = std::find_if(OtherTags.begin(), OtherTags.end(),
                                    [&](const auto& tag) { return tag.first == name; });
    return found == OtherTags.end() ? nullptr : &found->second;
}

std::string TPbnError::RawMessage() const {
    const std::string where = Line > 0 ? File + ", line " + std::to_string(Line) : File;
    return where + ": " + Text;
}

std::string TPbnError::Message() const {
    return pbn::EscapeControls(RawMessage());
}

TBoardDeal ToBoardDeal(TPbnBoard&& board) {
    return TBoardDeal{board.Board, board.Dealer, std::move(board.Vulnerable),
                      board.Deal,  board.Known,  std::move(board.OtherTags)};
}

TPbnImport ReadPbn(std::istream& in, const std::string& name) {
    TPbnReader reader(in, name);
    return ReadAll(reader);
}

TPbnImport ReadPbnFile(const std::string& path) {
    TPbnReader reader(path);
    return ReadAll(reader);
}

} // namespace kv
