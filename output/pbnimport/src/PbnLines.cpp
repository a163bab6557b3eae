#include "PbnLines.h"

#include "PbnFormatError.h"
#include "PbnText.h"

#include <algorithm>
#include <cstring>

namespace kv::pbn {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{64} * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

TPbnLines::TPbnLines(IByteSource& source) : source_(source), buffer_(kBlockBytes) {}

bool TPbnLines::Fill() {
    if (atEnd_) return false;
    std::string error;
    end_ = source_.Read(buffer_.data(), buffer_.size(), error);
    pos_ = 0;
    if (!error.empty()) throw EPbnFormat{number_ + 1, "the file cannot be read: " + error};
    atEnd_ = end_ == 0;
    return !atEnd_;
}

// Adds buffer_[from, to) to the line being read, refusing zero bytes and
// lines past the limit (one byte more for the CR of a CRLF line end).
void TPbnLines::Append(std::string& raw, std::size_t from, std::size_t to) const {
    const char* first = buffer_.data() + from;
    const char* last = buffer_.data() + to;
    if (std::find(first, last, '\0') != last)
        throw EPbnFormat{number_ + 1, "not a PBN file: it holds binary data (a zero byte)"};
    if (raw.size() + (to - from) > kMaxLineBytes + 1)
        throw EPbnFormat{number_ + 1, "the line is longer than " + std::to_string(kMaxLineBytes) +
                                          " bytes: not a PBN file"};
    raw.append(first, last);
}

std::string TPbnLines::Decoded(std::string raw) const {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (raw.size() > kMaxLineBytes)
        throw EPbnFormat{number_, "the line is longer than " + std::to_string(kMaxLineBytes) +
                                      " bytes: not a PBN file"};
    if (number_ == 1 && raw.starts_with(kByteOrderMark)) raw.erase(0, kByteOrderMark.size());
    return IsUtf8(raw) ? raw : Latin1ToUtf8(raw);
}

bool TPbnLines::Next(std::string& line) {
    std::string raw;
    bool any = false;
    while (pos_ < end_ || Fill()) {
        any = true;
        const char* start = buffer_.data() + pos_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
        const std::size_t stop =
            newline ? static_cast<std::size_t>(newline - buffer_.data()) : end_;
        Append(raw, pos_, stop);
        pos_ = newline ? stop + 1 : end_;
        if (newline) break;
    }
    if (!any) return false;
    ++number_;
    line = Decoded(std::move(raw));
    return true;
}

} // namespace kv::pbn
