
#include "StorageTestUtil.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kv::test {

TBytes ReferenceFile(const std::string& relativePath) {
    return ReadBytes(std::filesystem::path(KV_TEST_DATA_DIR) / relativePath);
}

TBytes Concat(std::initializer_list<TBytes> parts) {
    TBytes all;
    for (const TBytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TBytes RecordBytes(const TSetRecord& record) {
    return TBytes(record.begin(), record.end());
}

TSetRecord DefaultSet(const std::string& name) {
    const THandParam type;
    return NewSetRecord(name, std::span(&type, 1));
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TFolderFixture::TFolderFixture() : previous_(std::filesystem::current_path()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kv-paramsfile-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    std::filesystem::current_path(folder_);
}

TFolderFixture::~TFolderFixture() {
    std::filesystem::current_path(previous_);
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

namespace {

std::string RunBody(const std::function<std::string()>& body, int& code) {
    try {
        code = 0;
        return body();
    } catch (const std::exception& e) {
        code = 2;
        return std::string("unexpected exception: ") + e.what();
    }
}

bool DropPrivileges() {
    if (::geteuid() != 0) return true;
    const gid_t nobodyGroup = 65534;
    const uid_t nobody = 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(nobodyGroup) == 0 && ::setuid(nobody) == 0;
}

// Starts body in a child that first waits for a byte on startFd (when given);
// its text comes back through the pipe end put into output.
pid_t StartChild(const std::function<std::string()>& body, bool unprivileged, int startFd,
                 int& output) {
    int channel[2];
    if (::pipe(channel) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(channel[0]);
        char go;
        if (startFd >= 0) [[maybe_unused]]
            const auto n = ::read(startFd, &go, 1);
        int code = kCannotDropPrivileges;
        std::string text;
        if (!unprivileged || DropPrivileges()) text = RunBody(body, code);
        [[maybe_unused]] const auto written = ::write(channel[1], text.data(), text.size());
        ::_exit(code);
    }
    ::close(channel[1]);
    output = channel[0];
    return pid;
}

TChildResult WaitChild(pid_t pid, int output) {
    TChildResult result;
    char buffer[512];
    for (ssize_t n; (n = ::read(output, buffer, sizeof buffer)) > 0;)
        result.Text.append(buffer, static_cast<std::size_t>(n));
    ::close(output);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

TChildResult Fork(const std::function<std::string()>& body, bool unprivileged) {
    int output = -1;
    const pid_t pid = StartChild(body, unprivileged, -1, output);
    return WaitChild(pid, output);
}

} // namespace

TChildResult RunInChild(const std::function<std::string()>& body) {
    return Fork(body, false);
}
TChildResult RunUnprivileged(const std::function<std::string()>& body) {
    return Fork(body, true);
}

TChildResult RunWithLittleMemory(const std::function<std::string()>& body) {
    return RunInChild([&]() -> std::string {
        std::ifstream statm("/proc/self/statm");
        std::uint64_t pages = 0;
        statm >> pages;
        const rlim_t limit = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (64 << 20);
        const rlimit l{limit, limit};
        if (::setrlimit(RLIMIT_AS, &l) != 0) return "setrlimit failed";
        return body();
    });
}

TRunningChild::TRunningChild(const std::function<std::string()>& body) {
    int start[2];
    if (::pipe(start) != 0) throw std::runtime_error("pipe failed");
    pid_ = StartChild(body, false, start[0], output_);
    ::close(start[0]);
    start_ = start[1];
}

TRunningChild::~TRunningChild() {
    if (pid_ > 0) Wait();
}

// A byte rather than the end of the pipe: a later child holds a copy of this end too.
void TRunningChild::Release() {
    if (start_ < 0) return;
    [[maybe_unused]] const auto written = ::write(start_, "g", 1);
    ::close(start_);
    start_ = -1;
}

TChildResult TRunningChild::Wait() {
    Release();
    const TChildResult result = WaitChild(pid_, output_);
    pid_ = -1;
    return result;
}

} // namespace kv::test
