#pragma once
// What the deal generator needs from the user interface, and nothing more.
// The program implements it with its windows; tests and tools with recorders.

#include <string>

namespace kv {

class IEngineHost {
  public:
    virtual ~IEngineHost() = default;
    // Let pending window events run (once per attempt of a long search).
    virtual void ProcessMessages() = 0;
    // A warning box with a single OK button.
    virtual void ShowWarning(const std::string& text) = 0;
    // Close the hands window if it is showing.
    virtual void CloseHandsWindow() = 0;
};

} // namespace kv
