#pragma once
// Runs the dealing programs of other makers (Debian's dealer and deal) and
// our own command-line program in a temporary folder, for the interoperation
// tests. A program that is not installed fails the test with the reason.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kv::test {

inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The first file of an installed Debian package whose path matches `pattern`.
inline std::string PackageFile(const std::string& package, const std::string& pattern) {
    FILE* pipe = ::popen(("dpkg -L " + package + " 2>/dev/null").c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run dpkg -L");
    std::string listing;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;)
        listing.append(block, n);
    ::pclose(pipe);
    std::istringstream lines(listing);
    const std::regex wanted(pattern);
    for (std::string line; std::getline(lines, line);)
        if (std::regex_search(line, wanted)) return line;
    throw std::runtime_error("the Debian package '" + package +
                             "' is not installed (scripts/install-deps installs it)");
}

class TRunFolder {
  public:
    TRunFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv-peers-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        dir_ = pattern;
    }
    ~TRunFolder() { std::filesystem::remove_all(dir_); }
    TRunFolder(const TRunFolder&) = delete;
    TRunFolder& operator=(const TRunFolder&) = delete;

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
    }

    // Runs `command` (shell words) in `folder`, its standard output going to
    // the file `out` of this folder; throws when it fails.
    std::string Run(const std::string& folder, const std::string& command,
                    const std::string& out) const {
        const std::string line = "cd '" + folder + "' && " + command + " >'" + Path(out) + "' 2>'" +
                                 Path(out + ".err") + "' </dev/null";
        const int status = std::system(line.c_str());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            throw std::runtime_error("'" + command + "' failed: " + FileText(Path(out + ".err")));
        return Path(out);
    }

  private:
    std::string dir_;
};

} // namespace kv::test
