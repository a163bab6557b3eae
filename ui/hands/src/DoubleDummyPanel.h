#pragma once
// The hands window's double-dummy table: a card on the green table under the
// hands, with the tricks each declarer (rows N, S, E, W) takes in each
// denomination (columns NT, spades, hearts, diamonds, clubs) with all cards
// visible, and the par under them; or why they are not there yet.

#include "DoubleDummyAnalyser.h"
#include "HandPanel.h"

#include <QFrame>

#include <array>

class QLabel;

namespace kv {

inline constexpr int kDoubleDummyPanelHeight = 144;

class TDoubleDummyPanel : public QFrame {
  public:
    explicit TDoubleDummyPanel(QWidget* parent);

    // No deal to analyse: empty cells and no par.
    void ShowNothing();
    // Empty cells, and "Analysing..." for the par.
    void ShowAnalysing();
    // The tricks and the par, or the solver's complaint.
    void ShowAnalysis(const TDDAnalysis& analysis);
    // A board that leaves hands out: empty cells and why.
    void ShowIncomplete();
    // Sizes the panel, its table and its text for zoom `zoom`.
    void SetScale(double zoom);

    // Strain and declarer in table order (NT, S, H, D, C; N, S, E, W).
    QString CellText(int strain, int declarer) const;
    // The par line, "Par: EW 4♠x-2, NS +300", or the message in its place, as
    // plain text.
    QString ParText() const;

  private:
    QFrame* BuildCard();
    void SetCells(const TDDTable* table);
    void SetParLine(const QString& line, bool isPar);

    QLabel* label_;
    QFrame* card_ = nullptr;
    double zoom_ = 1.0;
    std::array<std::array<QLabel*, kDeclarers>, kStrains> cells_{};
    QLabel* par_ = nullptr;
    QString parText_;
};

} // namespace kv
