// Reading PBN files: boards per second, and how much the process grows while
// it reads, holding every board or one at a time; and "#" tag values, whose
// rate must not fall as games have more tags. The file is made game by game as the reader asks for
// it, so the growth is the reader's alone: the boards it returns plus what it holds to read them
// (one line and one game when it streams as it should).
#include "output/pbnimport/PbnImport.h"

#include <benchmark/benchmark.h>

#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <sys/resource.h>

namespace {

// A PBN file of `games` games in our export's form, made as it is read.
class TGeneratedPbn : public std::streambuf {
  public:
    explicit TGeneratedPbn(long games) : games_(games) {}

  private:
    int_type underflow() override {
        if (made_ == games_) return traits_type::eof();
        ++made_;
        game_ = "[Event \"Club night\"]\r\n[Site \"\"]\r\n[Date \"2026.12.07\"]\r\n[Board \"" +
                std::to_string(made_) +
                "\"]\r\n[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 "
                "432.432.432.5432\"]\r\n[Scoring \"\"]\r\n[DoubleDummyTricks "
                "\"0D0D00D0D000D0D00D0D\"]\r\n\r\n";
        setg(game_.data(), game_.data(), game_.data() + game_.size());
        return traits_type::to_int_type(game_[0]);
    }

    long games_;
    long made_ = 0;
    std::string game_;
};

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The same file read board by board, as the command line reads --input: the
// growth stays that of one game however many games. Registered first, since
// the peak that the others raise would hide its growth.
void StreamGames(benchmark::State& state) {
    const long games = state.range(0);
    const long before = PeakRssKb();
    for (auto _ : state) {
        TGeneratedPbn file(games);
        std::istream in(&file);
        kv::TPbnReader reader(in, "bench.pbn");
        long read = 0;
        for (kv::TPbnBoard board; reader.Next(board);)
            ++read;
        if (reader.Error() || read != games) state.SkipWithError("not read");
    }
    state.counters["boards/s"] = benchmark::Counter(static_cast<double>(state.iterations() * games),
                                                    benchmark::Counter::kIsRate);
    state.counters["peak growth kB"] = static_cast<double>(PeakRssKb() - before);
}

BENCHMARK(StreamGames)->Arg(1000)->Arg(200000)->Unit(benchmark::kMillisecond);

void ReadGames(benchmark::State& state) {
    const long games = state.range(0);
    const long before = PeakRssKb();
    for (auto _ : state) {
        TGeneratedPbn file(games);
        std::istream in(&file);
        const kv::TPbnImport import = kv::ReadPbn(in, "bench.pbn");
        if (!import.Ok() || static_cast<long>(import.Boards.size()) != games)
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(import.Boards.data());
    }
    state.SetItemsProcessed(state.iterations() * games);
    state.counters["boards/s"] = benchmark::Counter(static_cast<double>(state.iterations() * games),
                                                    benchmark::Counter::kIsRate);
    state.counters["peak growth B/board"] =
        static_cast<double>(PeakRssKb() - before) * 1024.0 / games;
    state.counters["sizeof board B"] = static_cast<double>(sizeof(kv::TPbnBoard));
}

BENCHMARK(ReadGames)->Arg(1000)->Arg(200000)->Unit(benchmark::kMillisecond);

// Two games, the second giving "#" for each of the first's tags: tags per
// second stay the same however many tags a game has.
void InheritTags(benchmark::State& state) {
    const long tags = state.range(0);
    const std::string deal = "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 "
                             "432.432.432.5432\"]\n";
    std::string first = deal, second = "\n" + deal;
    for (long k = 0; k < tags; ++k) {
        first += "[T" + std::to_string(k) + " \"v" + std::to_string(k) + "\"]\n";
        second += "[T" + std::to_string(k) + " \"#\"]\n";
    }
    const std::string text = first + second;
    for (auto _ : state) {
        std::istringstream in(text);
        const kv::TPbnImport import = kv::ReadPbn(in, "bench.pbn");
        if (!import.Ok() || import.Boards.size() != 2) state.SkipWithError("not read");
    }
    state.counters["tags/s"] = benchmark::Counter(static_cast<double>(state.iterations() * tags),
                                                  benchmark::Counter::kIsRate);
}

BENCHMARK(InheritTags)->Arg(1000)->Arg(10000)->Arg(150000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
