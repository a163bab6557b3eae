// paramsfile_stress [WRITERS [CHANGES]]: WRITERS programs (default 4) change one
// parameter file at the same time, each making CHANGES changes (default 1700),
// saves and deletes in turn, as fast as the lock lets it; then prints, for each
// writer and for all, how many changes were made, how many failed because the
// lock stayed taken for all of its wait, the longest change (its wait for the
// lock included), and the most changes the others made during one change.
// The file lies in a new folder under the system's temporary folder.
#include "WriterRace.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

using kv::test::TWriterTally;

void Print(const char* who, const TWriterTally& t) {
    std::printf("%-8s changes %6llu  failed %4llu  longest %8.1f ms  most changes by others "
                "during one %5llu\n",
                who, static_cast<unsigned long long>(t.Changes),
                static_cast<unsigned long long>(t.Failures), t.Longest.count() / 1000.0,
                static_cast<unsigned long long>(t.MostOthers));
}

TWriterTally Total(const std::vector<TWriterTally>& tallies) {
    TWriterTally all;
    for (const TWriterTally& t : tallies) {
        all.Changes += t.Changes;
        all.Failures += t.Failures;
        all.Longest = std::max(all.Longest, t.Longest);
        all.MostOthers = std::max(all.MostOthers, t.MostOthers);
    }
    return all;
}

int Run(int writers, int changes) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kv-stress-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    const std::string file = (std::filesystem::path(pattern) / "PARAMS.SAV").string();
    kv::CreateParamsFile(file);
    const std::vector<TWriterTally> tallies = kv::test::RunWriterRace(file, writers, changes);
    int failed = 0;
    for (std::size_t w = 0; w < tallies.size(); ++w) {
        Print(("writer " + std::to_string(w + 1)).c_str(), tallies[w]);
        if (!tallies[w].Error.empty()) {
            std::fprintf(stderr, "writer %zu: %s\n", w + 1, tallies[w].Error.c_str());
            failed = 1;
        }
    }
    Print("all", Total(tallies));
    std::filesystem::remove_all(pattern);
    return failed;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc > 1 ? std::atoi(argv[1]) : 4, argc > 2 ? std::atoi(argv[2]) : 1700);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
