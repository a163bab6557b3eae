#pragma once
// A warning sink that keeps every warning the parameter-file operations show.

#include "storage/paramsfile/WarningSink.h"

#include <string>
#include <vector>

namespace kv::test {

class TRecordingWarnings : public IWarningSink {
  public:
    void ShowWarning(const std::string& text) override { Shown.push_back(text); }
    std::vector<std::string> Shown;
};

} // namespace kv::test
