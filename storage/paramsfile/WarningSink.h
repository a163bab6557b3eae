#pragma once
// How the parameter-file operations report the failures they handle
// themselves: a warning box with a single OK button. The program implements
// it with its message seam; tests and tools record or print the text.

#include <string>

namespace kv {

class IWarningSink {
  public:
    virtual ~IWarningSink() = default;
    virtual void ShowWarning(const std::string& text) = 0;
};

} // namespace kv
