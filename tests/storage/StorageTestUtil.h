#pragma once
// Files and processes for the parameter-file tests: a temporary folder that is
// also the current directory (the database is opened by bare name), byte-level
// file access, reference files, and child processes for failures that need a
// file-size limit or an unprivileged user.

#include "FileBytes.h"
#include "RecordingWarnings.h"
#include "storage/paramsfile/ParamsFile.h"
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kv::test {

// A file of tests/data.
TBytes ReferenceFile(const std::string& relativePath);
TBytes Concat(std::initializer_list<TBytes> parts);
TBytes RecordBytes(const TSetRecord& record);
// A set record of one default type under name.
TSetRecord DefaultSet(const std::string& name);
// The names of the files in a folder.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

// A fresh folder, made the current directory while the fixture lives.
class TFolderFixture : public ::testing::Test {
  protected:
    TFolderFixture();
    ~TFolderFixture() override;
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    const std::filesystem::path& Folder() const { return folder_; }

    TRecordingWarnings warnings;

  private:
    std::filesystem::path folder_;
    std::filesystem::path previous_;
};

struct TChildResult {
    int ExitCode = -1;
    std::string Text;
};

// Runs body in a forked child and returns its exit code (0 when body returned,
// 2 on an unexpected exception) and the text body returned or the exception's.
TChildResult RunInChild(const std::function<std::string()>& body);

// A forked child running body while the test goes on; Wait() gives what
// RunInChild gives. Every child waits at the start until Release(), so that
// several children start their work together.
class TRunningChild {
  public:
    explicit TRunningChild(const std::function<std::string()>& body);
    ~TRunningChild();
    TRunningChild(const TRunningChild&) = delete;
    TRunningChild& operator=(const TRunningChild&) = delete;
    void Release();
    TChildResult Wait();

  private:
    int pid_ = -1;
    int output_ = -1;
    int start_ = -1;
};
// The same, as an unprivileged user when the tests run as root; exit code 77
// when the child could not give up its privileges.
TChildResult RunUnprivileged(const std::function<std::string()>& body);
inline constexpr int kCannotDropPrivileges = 77;
// The same, in a child whose address space may grow by only 64 MB: less than
// the big files of the tests, which an operation reading one whole fails on.
TChildResult RunWithLittleMemory(const std::function<std::string()>& body);

} // namespace kv::test
