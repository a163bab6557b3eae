#pragma once
// Failures that abandon a parameter-file operation and the user action that
// started it. They are not handled where they occur: the program's general
// error report shows their text.

#include <stdexcept>
#include <string>

namespace kv {

// An input/output failure on a parameter file: the file cannot be opened,
// read, written or replaced (access denied, disk full, reading past the end).
// Description() is the system's wording of the failure ("Permission denied",
// "No space left on device") or, for a short read, "Read beyond end of file".
class EInOutError : public std::runtime_error {
  public:
    EInOutError(const std::string& fileName, int code, const std::string& description);
    // The file name as the caller passed it.
    const std::string& FileName() const { return fileName_; }
    // The system error number (errno), or 0 for a failure the system did not report.
    int Code() const { return code_; }
    const std::string& Description() const { return description_; }

  private:
    std::string fileName_;
    int code_;
    std::string description_;
};

// A field of a type text that is not a number at all (a letter in a decimal
// field), or a value that has no form in its field when encoding.
class EConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A set name holding a character that the files' single-byte code page
// (Windows-1252) cannot hold. what() is a message fit to show to the user.
class ENameError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace kv
