#pragma once
// The lines of a PBN file, read in blocks so that a file of any size never
// needs more memory than one line: LF or CRLF line ends, a UTF-8 byte-order
// mark dropped, and each line handed out as UTF-8 (a line that is not valid
// UTF-8 is taken as Latin-1).

#include <cstddef>
#include <string>
#include <vector>

namespace kv::pbn {

// Where the bytes come from: an open file or a stream.
class IByteSource {
  public:
    virtual ~IByteSource() = default;
    // Up to `size` bytes into `buffer`; 0 at the end of the file. On a read
    // error, sets `error` to the system's description.
    virtual std::size_t Read(char* buffer, std::size_t size, std::string& error) = 0;
};

class TPbnLines {
  public:
    // The longest line accepted, in bytes without its line end; PBN itself
    // asks for no more than 255.
    static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

    explicit TPbnLines(IByteSource& source);

    // The next line, without its line end; false after the last line.
    // Throws EPbnFormat for a read error, a zero byte (a binary file) or a
    // line longer than kMaxLineBytes.
    bool Next(std::string& line);
    // The number of the line Next returned last, from 1.
    long Number() const { return number_; }

  private:
    bool Fill();
    void Append(std::string& raw, std::size_t from, std::size_t to) const;
    std::string Decoded(std::string raw) const;

    IByteSource& source_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0, end_ = 0;
    bool atEnd_ = false;
    long number_ = 0;
};

} // namespace kv::pbn
