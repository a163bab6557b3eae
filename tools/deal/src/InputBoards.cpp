#include "InputBoards.h"

#include "TerminalText.h"

#include <iostream>
#include <utility>

namespace kv::cli {

TInputBoards::TInputBoards(const TDealOptions& options)
    : reader_(*options.Input), name_(*options.Input),
      needsAllHands_(options.DoubleDummy || options.Format == TFormat::Deal) {
    if (reader_.Error()) Fail(*reader_.Error());
}

bool TInputBoards::Next(TBoardDeal& board) {
    if (failed_) return false;
    if (!reader_.Next(read_)) {
        if (reader_.Error()) Fail(*reader_.Error());
        return false;
    }
    if (needsAllHands_ && !read_.Complete()) {
        Fail(TPbnError{name_, read_.Line,
                       "board " + std::to_string(read_.Board) +
                           " leaves hands out; it can be written only as PBN, without --dd"});
        return false;
    }
    board = ToBoardDeal(std::move(read_));
    return true;
}

void TInputBoards::Fail(const TPbnError& error) {
    failed_ = true;
    std::cerr << Printable(error.RawMessage()) << '\n';
}

} // namespace kv::cli
