#pragma once
// An engine host for benchmarks: no events to run, warnings counted, no window.

#include "engine/EngineHost.h"

#include <string>

namespace kv::bench {

class TQuietHost : public IEngineHost {
  public:
    void ProcessMessages() override {}
    void ShowWarning(const std::string&) override { ++Warnings; }
    void CloseHandsWindow() override {}
    int Warnings = 0;
};

} // namespace kv::bench
