#pragma once
// Runs the built kestrovanhalme-deal in a temporary folder and captures what it prints.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace kv::test {

struct TToolRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class TToolFolder {
public:
    TToolFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv-deal-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
    }
    ~TToolFolder() { std::filesystem::remove_all(dir_); }
    TToolFolder(const TToolFolder&) = delete;
    TToolFolder& operator=(const TToolFolder&) = delete;

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    // `args` is appended to the program path as shell words.
    TToolRun Run(const std::string& args) const
    {
        const std::string command = "cd '" + dir_ + "' && '" KV_DEAL_TOOL "' " + args + " >'" + Path(".out") +
                                    "' 2>'" + Path(".err") + "' </dev/null";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWhole(Path(".out")), ReadWhole(Path(".err"))};
    }

private:
    std::string dir_;
};

} // namespace kv::test
