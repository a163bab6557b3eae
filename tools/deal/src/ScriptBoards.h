#pragma once
// A script's deals written as boards instead of by its actions: our deal
// lines, our PBN export or BBO's .lin, each board with its number and the
// script's dealer and vulnerability (the duplicate rotation where the script
// sets none), analysed double dummy in batches when asked. Boards are written
// as they come; only the current batch is held.

#include "DealOptions.h"
#include "output/dealtext/BoardDeal.h"

#include <string>
#include <vector>

namespace kv::cli {

class TRunOutput;

// One .lin line for uploading to an online bridge room: the board number, the
// dealer, the hands in the order .lin wants (South, West, North, East) and the
// vulnerability: "qx|o1|md|3S...H...D...C...,...|rh||ah|Board 1|sv|o|pg||".
std::string LinBoard(const TBoardDeal& board);

class TScriptBoards {
  public:
    // `format` is Deal, Pbn or Lin; `generator` the PBN Generator tag's value.
    TScriptBoards(TFormat format, bool doubleDummy, std::string generator, std::string date,
                  TRunOutput& out);

    void Add(const TBoardDeal& board);
    // Analyses and writes what is held. Throws std::runtime_error when the solver fails.
    void Flush();

  private:
    void Write(const TBoardDeal& board, const TDDTable* table);

    TFormat format_;
    bool doubleDummy_;
    std::string generator_;
    std::string date_;
    TRunOutput& out_;
    std::vector<TBoardDeal> batch_;
    long written_ = 0;
};

} // namespace kv::cli
