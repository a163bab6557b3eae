#pragma once
// A print run wired to the recording print library, a settings store in a
// temporary folder and a seeded engine, with hooks into the run's progress.

#include "RecordingHost.h"
#include "RecordingLibrary.h"
#include "engine/GenerateDeal.h"
#include "output/dealtext/DealText.h"
#include "output/print/PrintRun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace kv::test {

inline constexpr std::int32_t kSeed = 0x2c3d4e5f;

// Calls a hook at every yield of the generator.
class THookedHost : public TRecordingHost {
  public:
    void ProcessMessages() override {
        TRecordingHost::ProcessMessages();
        if (OnYield) OnYield();
    }
    std::function<void()> OnYield;
};

// South maxima adding up to 12: no South pattern, so the generator gives up.
inline THandParam UnsatisfiableType() {
    THandParam t;
    t.SSpadeMax = 3, t.SHeartMax = 3, t.SDiamondMax = 3, t.SClubMax = 3;
    return t;
}

struct PrintRunFixture : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<TSettingsStore> store = TSettingsStore::OpenFile(dir.filePath("store.ini"));
    TPrintLibrary library{QStringLiteral(KV_RECORD_LIB)};
    TRecordedCalls calls;
    TDealEngine engine;
    TTypeList types{THandParam{}};
    THookedHost host;
    QString tenSymbol = QStringLiteral("T");
    bool colour = true;
    std::vector<QString> statuses;

    void SetUp() override {
        ASSERT_EQ(library.Bind(), TBindResult::Bound) << library.ErrorString().toStdString();
        engine.Random().RandomSeed = kSeed;
        calls.Take();
    }

    TPrintRun MakeRun(const TPrinterChoice* printer = nullptr) {
        TPrintRun run({engine, types, host, library, *store, {tenSymbol, colour}, printer});
        run.SetStatusSink([this](const QString& s) { statuses.push_back(s); });
        return run;
    }

    // The deal texts the run should hand over: the same seed, the same types.
    static std::vector<std::string> ExpectedAddDeals(int n) {
        TDealEngine e;
        e.Random().RandomSeed = kSeed;
        TTypeList types{THandParam{}};
        TRecordingHost host;
        std::vector<std::string> lines;
        for (int k = 0; k < n; ++k) {
            const TFullDeal d = GenerateDeal(e, types, host).Deal;
            lines.push_back("AddDeal " + DealText(d.North(), d.East(), d.South(), d.West()));
        }
        return lines;
    }
};

inline std::string PrintLine(int layout, const std::string& title, char ten = 'T',
                             const std::string& flags = "1|1|1") {
    return "PrintMulti " + std::to_string(layout) + "|-1|" + title + "||" + kPrintBanner + "|" +
           std::string(1, ten) + "|" + flags;
}

inline TPrintCounts Counts(int deals, int south, int north, int both, int west, int east, int all,
                           bool dealerAndVul = true, bool doubleDummy = false) {
    return TPrintCounts{deals, south, north, both, west, east, all, dealerAndVul, doubleDummy};
}

} // namespace kv::test
