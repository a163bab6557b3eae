#pragma once
// An engine host that records what the generator asks of the user interface.

#include "engine/EngineHost.h"

#include <string>
#include <vector>

namespace kv::test {

class TRecordingHost : public IEngineHost {
  public:
    void ProcessMessages() override { ++Yields; }
    void ShowWarning(const std::string& text) override { Warnings.push_back(text); }
    void CloseHandsWindow() override { ++Closes; }

    int Yields = 0;
    int Closes = 0;
    std::vector<std::string> Warnings;
};

} // namespace kv::test
