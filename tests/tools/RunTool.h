#pragma once
// Runs the built kestrovanhalme-deal in a temporary folder and captures what it prints.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kv::test {

struct TToolRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class TToolFolder {
  public:
    TToolFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv-deal-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
    }
    ~TToolFolder() { std::filesystem::remove_all(dir_); }
    TToolFolder(const TToolFolder&) = delete;
    TToolFolder& operator=(const TToolFolder&) = delete;

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    // The files in the folder, apart from the captured output.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
            const std::string name = entry.path().filename().string();
            if (name != ".out" && name != ".err") names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // `args` is appended to the program path as shell words; `shell` runs
    // before the program in the same shell (a limit, say).
    TToolRun Run(const std::string& args, const std::string& shell = "") const {
        const std::string command = "cd '" + dir_ + "' && " + shell + " '" KV_DEAL_TOOL "' " +
                                    args + " >'" + Path(".out") + "' 2>'" + Path(".err") +
                                    "' </dev/null";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWhole(Path(".out")),
                ReadWhole(Path(".err"))};
    }

  private:
    std::string dir_;
};

} // namespace kv::test
