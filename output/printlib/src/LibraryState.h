#pragma once
// What the library holds between calls: the deals of the current run, the
// output chosen for its documents, whether the run shows double-dummy results
// (and, once made, their analysis), and the document of the run once its
// first copy has been printed.

#include "BoardAnalysis.h"
#include "CopyPainter.h"
#include "HeldDeal.h"
#include "PrintJob.h"

#include <memory>
#include <string>
#include <vector>

namespace kv::printlib {

struct TPrintRequest {
    int Layout = 0;
    int Selector = -1; // -1: every held deal; n: held deal n only
    std::string Title, Subtitle, Banner;
    char TenCharacter = 'T';
    bool Colour = true;
    bool FlagA = true; // dealer
    bool FlagB = true; // vulnerability
};

class TLibraryState {
  public:
    TLibraryState() = default;
    TLibraryState(const TLibraryState&) = delete;
    TLibraryState& operator=(const TLibraryState&) = delete;
    ~TLibraryState();

    // The return values are the codes of the C interface.
    int AddDeal(const char* text);
    // A deal with its own board number (1 and up), dealer (0..3 = N, E, S, W)
    // and vulnerability (0..3 = none, N-S, E-W, both); hands may be "-".
    int AddBoard(const char* text, int board, int dealer, int vulnerability);
    // Makes the double-dummy analysis of the held deals now, when this run
    // shows it and it is not made yet, telling `progress` how far it is;
    // KV_ZUZIROR_CANCELLED when `progress` stopped it.
    int AnalyseDeals(const TAnalysisProgress& progress);
    int PrintMulti(const TPrintRequest& request);
    int ClearDeals();
    void SetOutput(const TOutputChoice& choice) { output_ = choice; }
    const std::string& LastOutputFile() const { return lastOutput_; }
    // Until ClearDeals: the all-four-hands layout shows double-dummy results.
    void SetDoubleDummy(bool on) { doubleDummy_ = on; }
    bool DoubleDummy() const { return doubleDummy_; }
    std::size_t HeldDeals() const { return deals_.size(); }

  private:
    // The held deals a request prints, numbered; nothing for a bad selector.
    bool Select(int selector, std::vector<TNumberedDeal>& boards) const;
    // Analyses the held deals unless done already, and points each board at its results.
    void AttachAnalyses(std::vector<TNumberedDeal>& boards);
    // Holds a parsed deal, or refuses what did not parse.
    int Hold(std::optional<THeldDeal> deal);

    std::vector<THeldDeal> deals_;
    bool doubleDummy_ = false;
    std::vector<TBoardAnalysis> analyses_; // one per held deal once made
    bool analysing_ = false;               // the host's events run meanwhile
    TOutputChoice output_;
    std::unique_ptr<TPrintJob> job_;
    std::string lastOutput_;
};

// The library's one state.
TLibraryState& State();

} // namespace kv::printlib
