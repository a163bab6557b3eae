#include "LibraryState.h"

#include "BoardInfo.h"
#include "output/printlib/ZuzirorApi.h"

#include <QGuiApplication>

namespace kv::printlib {
namespace {

TCopyRequest CopyRequestOf(const TPrintRequest& request, const TLayout& layout) {
    TCopyRequest copy{layout,
                      QString::fromLocal8Bit(request.Title),
                      QString::fromLocal8Bit(request.Subtitle),
                      QString::fromLocal8Bit(request.Banner),
                      {}};
    copy.Style.Colour = request.Colour;
    copy.Style.ShowDealer = request.FlagA;
    copy.Style.ShowVulnerability = request.FlagB;
    copy.Style.TenAsDigits = request.TenCharacter == '1';
    return copy;
}

// Raises a flag for its lifetime.
class TBusy {
  public:
    explicit TBusy(bool& flag) : flag_(flag) { flag_ = true; }
    ~TBusy() { flag_ = false; }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

  private:
    bool& flag_;
};

} // namespace

TLibraryState& State() {
    static TLibraryState state;
    return state;
}

TLibraryState::~TLibraryState() {
    // A document still open here was never finished by ClearDeals, and the
    // host's application (with its fonts and printing system) is already
    // gone: ending it now could crash the exiting host, so it is abandoned.
    static_cast<void>(job_.release());
}

// A deal added without its board is the next board of the rotation.
int TLibraryState::AddDeal(const char* text) {
    if (analysing_) return KV_ZUZIROR_BUSY;
    if (text == nullptr) return KV_ZUZIROR_BAD_ARGUMENT;
    std::optional<THeldDeal> deal = ParseDealText(text);
    if (deal) {
        deal->Board = static_cast<int>(deals_.size()) + 1;
        deal->Dealer = DealerOf(deal->Board);
        deal->Vulnerability = VulnerabilityOf(deal->Board);
    }
    return Hold(std::move(deal));
}

int TLibraryState::AddBoard(const char* text, int board, int dealer, int vulnerability) {
    if (analysing_) return KV_ZUZIROR_BUSY;
    if (text == nullptr || board < 1 || dealer < 0 || dealer > 3 || vulnerability < 0 ||
        vulnerability > 3)
        return KV_ZUZIROR_BAD_ARGUMENT;
    std::optional<THeldDeal> deal = ParseDealText(text, true);
    if (deal) {
        deal->Board = board;
        deal->Dealer = static_cast<TSeat>(dealer);
        deal->Vulnerability = static_cast<TVulnerability>(vulnerability);
    }
    return Hold(std::move(deal));
}

int TLibraryState::Hold(std::optional<THeldDeal> deal) {
    if (!deal) return KV_ZUZIROR_BAD_ARGUMENT;
    deals_.push_back(std::move(*deal));
    analyses_.clear();
    return KV_ZUZIROR_OK;
}

int TLibraryState::AnalyseDeals(const TAnalysisProgress& progress) {
    if (analysing_) return KV_ZUZIROR_BUSY;
    if (!doubleDummy_ || analyses_.size() == deals_.size()) return KV_ZUZIROR_OK;
    const TBusy busy(analysing_);
    std::optional<std::vector<TBoardAnalysis>> analyses = AnalyseBoards(deals_, progress);
    if (!analyses) return KV_ZUZIROR_CANCELLED;
    analyses_ = std::move(*analyses);
    return KV_ZUZIROR_OK;
}

int TLibraryState::PrintMulti(const TPrintRequest& request) {
    if (analysing_) return KV_ZUZIROR_BUSY;
    const std::optional<TLayout> layout = LayoutOf(request.Layout);
    std::vector<TNumberedDeal> boards;
    if (!layout || !Select(request.Selector, boards)) return KV_ZUZIROR_BAD_ARGUMENT;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return KV_ZUZIROR_NO_APPLICATION;
    if (boards.empty()) return KV_ZUZIROR_OK;
    TCopyRequest copy = CopyRequestOf(request, *layout);
    copy.Style.ShowDoubleDummy = doubleDummy_ && layout->Diagram == TDiagram::Compass;
    if (copy.Style.ShowDoubleDummy) AttachAnalyses(boards);
    if (!job_) job_ = TPrintJob::Open(output_);
    if (!job_) return KV_ZUZIROR_OUTPUT_FAILED;
    TCopyPainter(*job_, copy).Print(boards);
    return KV_ZUZIROR_OK;
}

int TLibraryState::ClearDeals() {
    if (analysing_) return KV_ZUZIROR_BUSY;
    deals_.clear();
    analyses_.clear();
    doubleDummy_ = false;
    if (!job_) {
        lastOutput_.clear(); // a run that printed nothing wrote no file
        return KV_ZUZIROR_OK;
    }
    const bool finished = job_->Finish();
    lastOutput_ = job_->PdfFile();
    job_.reset();
    return finished ? KV_ZUZIROR_OK : KV_ZUZIROR_OUTPUT_FAILED;
}

bool TLibraryState::Select(int selector, std::vector<TNumberedDeal>& boards) const {
    if (selector == -1) {
        for (std::size_t k = 0; k < deals_.size(); ++k)
            boards.push_back({k, &deals_[k]});
        return true;
    }
    if (selector < 1 || static_cast<std::size_t>(selector) > deals_.size()) return false;
    const auto held = static_cast<std::size_t>(selector - 1);
    boards.push_back({held, &deals_[held]});
    return true;
}

void TLibraryState::AttachAnalyses(std::vector<TNumberedDeal>& boards) {
    if (analyses_.size() != deals_.size()) {
        const TBusy busy(analysing_);
        analyses_ = AnalyseBoards(deals_).value_or(std::vector<TBoardAnalysis>(deals_.size()));
    }
    for (TNumberedDeal& board : boards)
        board.Analysis = &analyses_[board.Held];
}

} // namespace kv::printlib
