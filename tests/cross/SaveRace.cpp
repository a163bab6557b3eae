// kv-save-race FILE PREFIX COUNT PARTNER: one side of a race of two programs
// saving sets into one parameter file, run on every platform by the
// cross-platform checks. It saves COUNT sets named PREFIX and a number,
// printing "name record" for each, once the partner is ready too, so that
// both programs change the file at the same time. Meanwhile it holds the
// replacement of PREFIX.txt open, whose temporary file the saves' removal of
// stale temporary files must leave alone, and commits it at the end. Exits 1
// with the message when a save fails or is refused.
#include "storage/paramsfile/FileReplacement.h"
#include "storage/paramsfile/ParamsFile.h"
#include "storage/paramsfile/PlatformIo.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

namespace {

using namespace kv;

constexpr auto kPartnerWait = std::chrono::seconds(60);

class TWarningsAsErrors : public IWarningSink {
  public:
    void ShowWarning(const std::string& text) override { throw std::runtime_error(text); }
};

// Marks this side ready and waits for the partner's mark (false when it never comes).
bool MeetPartner(const std::string& prefix, const std::string& partner) {
    TFileReplacement mark(prefix + ".ready");
    mark.Commit();
    const auto deadline = std::chrono::steady_clock::now() + kPartnerWait;
    while (!std::filesystem::exists(partner + ".ready")) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void SaveMany(const std::string& file, const std::string& prefix, int count) {
    const THandParam type;
    TWarningsAsErrors warnings;
    for (int i = 0; i < count; ++i) {
        const std::string name = prefix + std::to_string(i);
        const TWriteResult written =
            WriteParameterSet(file, NewSetRecord(name, std::span(&type, 1)), warnings);
        if (!written.Written) throw std::runtime_error("not written: " + name);
        std::printf("%s %d\n", name.c_str(), static_cast<int>(written.RecordNumber));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: kv-save-race FILE PREFIX COUNT PARTNER\n");
        return 2;
    }
    kv::platform::UseBinaryOutput(); // lines end in LF everywhere
    const std::string file = argv[1], prefix = argv[2], partner = argv[4];
    try {
        TFileReplacement held(prefix + ".txt");
        held.Write("held by " + prefix + "\n");
        if (!MeetPartner(prefix, partner)) throw std::runtime_error("the partner never came");
        SaveMany(file, prefix, std::stoi(argv[3]));
        held.Commit();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
