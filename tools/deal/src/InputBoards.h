#pragma once
// The boards of the --input file, read one at a time as they are written, so
// that only the current game is held however large the file. Every message
// names the file and the line, escaped for the terminal.

#include "DealOptions.h"
#include "output/dealtext/BoardDeal.h"
#include "output/pbnimport/PbnImport.h"

namespace kv::cli {

class TInputBoards {
  public:
    // Opens the --input file; when it cannot be opened, Failed() at once,
    // after the message.
    explicit TInputBoards(const TDealOptions& options);

    // The next board; false after the last one, and after the message when
    // the file cannot be read on or a board leaves hands out where all four
    // are needed (deal lines, analysis).
    bool Next(TBoardDeal& board);
    bool Failed() const { return failed_; }

  private:
    void Fail(const TPbnError& error);

    TPbnReader reader_;
    std::string name_;
    bool needsAllHands_;
    bool failed_ = false;
    TPbnBoard read_;
};

} // namespace kv::cli
