// libFuzzer target: any bytes, read as a PBN file from a stream and from a
// file, must give the same result without a crash, an out-of-bounds access or
// an exception; a refusal holds no board and a message safe on a terminal;
// every board accepted is a sound deal; and the accepted boards, written out
// as PBN again, read back the same.

#include "FuzzInput.h"
#include "output/dealtext/DealText.h"
#include "output/pbnimport/PbnImport.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

using namespace kv;

using fuzz::Check;

const std::string& InputFile() {
    return fuzz::InputFile("kv-fuzz-pbn-XXXXXX", "input.pbn");
}

TPbnImport ReadBytes(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    return ReadPbn(in, "input.pbn");
}

void CheckHand(const tHand& hand, bool known) {
    Check(hand.CardCount() == (known ? 13 : 0));
    for (int suit = 0; suit < 4; ++suit) {
        const tSuit& cards = hand.Suit(suit);
        for (int i = 0; i < cards.Count; ++i) {
            const int rank = cards.Card(i + 1);
            Check(rank >= 2 && rank <= 14);
            Check(i == 0 || rank < cards.Card(i));
        }
    }
}

void CheckBoard(const TPbnBoard& board) {
    Check(board.Board >= 1 && board.Line >= 1);
    const std::string& v = board.Vulnerable;
    Check(v == "None" || v == "NS" || v == "EW" || v == "All");
    Check(static_cast<int>(board.Dealer) >= 0 && static_cast<int>(board.Dealer) <= 3);
    int cards = 0;
    std::uint64_t seen = 0;
    for (std::size_t seat = 0; seat < 4; ++seat) {
        const tHand& hand = board.Deal.Hands[seat];
        CheckHand(hand, board.Known[seat]);
        for (int suit = 0; suit < 4; ++suit)
            for (int i = 1; i <= hand.Suit(suit).Count; ++i) {
                const std::uint64_t bit = std::uint64_t{1}
                                          << (suit * 13 + hand.Suit(suit).Card(i) - 2);
                Check((seen & bit) == 0);
                seen |= bit;
                ++cards;
            }
    }
    Check(cards == 13 * static_cast<int>(std::count(board.Known.begin(), board.Known.end(), true)));
}

std::string Escaped(const std::string& value) {
    std::string text;
    for (const char c : value) {
        if (c == '"' || c == '\\') text += '\\';
        text += c;
    }
    return text;
}

// The board as a PBN game with all its values given.
std::string GameText(const TPbnBoard& board) {
    std::string deal = "N:";
    for (std::size_t seat = 0; seat < 4; ++seat)
        deal += (seat ? " " : "") + (board.Known[seat] ? HandText(board.Deal.Hands[seat]) : "-");
    std::string text = "[Board \"" + std::to_string(board.Board) + "\"]\n[Dealer \"" +
                       SeatLetter(board.Dealer) + "\"]\n[Vulnerable \"" + board.Vulnerable +
                       "\"]\n[Deal \"" + deal + "\"]\n";
    for (const auto& [name, value] : board.OtherTags)
        text += "[" + name + " \"" + Escaped(value) + "\"]\n";
    return text + "\n";
}

bool SameBoard(const TPbnBoard& a, const TPbnBoard& b) {
    return a.Board == b.Board && a.Dealer == b.Dealer && a.Vulnerable == b.Vulnerable &&
           a.Known == b.Known && a.Deal.Hands == b.Deal.Hands && a.OtherTags == b.OtherTags;
}

bool SameResult(const TPbnImport& a, const TPbnImport& b) {
    if (a.Ok() != b.Ok() || a.Boards.size() != b.Boards.size()) return false;
    if (!a.Ok()) return a.Error->Line == b.Error->Line && a.Error->Text == b.Error->Text;
    for (std::size_t i = 0; i < a.Boards.size(); ++i)
        if (!SameBoard(a.Boards[i], b.Boards[i]) || a.Boards[i].Line != b.Boards[i].Line)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TPbnImport import = ReadBytes(bytes);
    fuzz::WriteInput(InputFile(), data, size);
    TPbnImport fromFile = ReadPbnFile(InputFile());
    if (fromFile.Error) fromFile.Error->File = "input.pbn";
    Check(SameResult(import, fromFile));

    if (!import.Ok()) {
        Check(import.Boards.empty() && import.Error->Line >= 1);
        for (const char c : import.Error->Message())
            Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        return 0;
    }
    Check(!import.Boards.empty());
    std::string again;
    for (const TPbnBoard& board : import.Boards) {
        CheckBoard(board);
        again += GameText(board);
    }
    const TPbnImport reread = ReadBytes(again);
    Check(reread.Ok() && reread.Boards.size() == import.Boards.size());
    for (std::size_t i = 0; i < import.Boards.size(); ++i)
        Check(SameBoard(import.Boards[i], reread.Boards[i]));
    return 0;
}
