#pragma once
// Reads a printed hand record back: the text of a PDF (pdftotext -raw, which
// keeps the order in which the text was drawn) split into copies, pages and
// boards.

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace kv::test {

struct TPrintedBoard {
    int Number = 0;
    QString Dealer; // "North" ... or empty when not shown
    QString Vul;    // "None", "N-S", "E-W", "Both" or empty
    // Each hand as printed, suit by suit: "A K 10 3", "—" for a void.
    std::vector<std::array<QString, 4>> Hands;
    // The double-dummy results under the board, when printed: for declarers
    // N, S, E, W the level in NT, spades, hearts, diamonds and clubs as
    // printed ("4", or "–" below one), and the par contracts and score.
    bool HasResults = false;
    std::array<std::array<QString, 5>, 4> Makeable;
    QString ParContract, ParScore;
};

struct TPrintedCopy {
    QString Title;
    int Pages = 0;
    std::vector<TPrintedBoard> Boards;
};

// The PDF's text, pages separated by form feeds; empty when pdftotext fails.
QString PdfToText(const QString& pdfFile);
// A copy starts at every page headed "Page 1 of n".
std::vector<TPrintedCopy> ReadCopies(const QString& pdfText);

// The holding as the deal text writes it: "A K 10 3" -> "AKT3", "—" -> "".
std::string AsDealTextHolding(const QString& printed);

} // namespace kv::test
