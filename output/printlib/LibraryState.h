#pragma once
// What the library holds between calls: the deals of the current run, the
// output chosen for its documents, and the document of the run once its first
// copy has been printed.

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
    int PrintMulti(const TPrintRequest& request);
    int ClearDeals();
    void SetOutput(const TOutputChoice& choice) { output_ = choice; }
    const std::string& LastOutputFile() const { return lastOutput_; }
    std::size_t HeldDeals() const { return deals_.size(); }

  private:
    // The held deals a request prints, numbered; nothing for a bad selector.
    bool Select(int selector, std::vector<TNumberedDeal>& boards) const;

    std::vector<THeldDeal> deals_;
    TOutputChoice output_;
    std::unique_ptr<TPrintJob> job_;
    std::string lastOutput_;
};

// The library's one state.
TLibraryState& State();

} // namespace kv::printlib
