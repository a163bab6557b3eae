#pragma once
// The parameter editor page: ten rows (South's on the left, North's on the
// right), each a Min button, a track bar and a Max button, under the headings
// "South", "North", "Min" and "Max", with the row labels between the halves.
// The page shows the editor model and forwards every move to it; the model
// decides every bound.

#include "params/EditorModel.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QGridLayout;
class QLabel;

namespace kv {

class TBoundButton;
class TTrackBar;

class TEditorPage : public QWidget {
    Q_OBJECT
  public:
    TEditorPage(TEditorModel& model, QWidget* parent = nullptr);

    // Shows one row of the model again; ShowAll every row.
    void ShowRow(TEditorRow row);
    void ShowAll();

    TTrackBar* Track(TEditorRow row) const { return Row(row).Track; }
    TBoundButton* MinButton(TEditorRow row) const { return Row(row).MinButton; }
    TBoundButton* MaxButton(TEditorRow row) const { return Row(row).MaxButton; }
    // The row labels HCP, spade, heart, diamond, club.
    QLabel* RowLabel(TRange range) const;

  private:
    struct TRowControls {
        TBoundButton* MinButton = nullptr;
        TTrackBar* Track = nullptr;
        TBoundButton* MaxButton = nullptr;
        QButtonGroup* Group = nullptr;
    };

    const TRowControls& Row(TEditorRow row) const { return rows_[RowIndex(row)]; }
    void BuildHeadings(QGridLayout* grid);
    void BuildRow(QGridLayout* grid, TEditorRow row);
    void BuildRowLabels(QGridLayout* grid);
    void BuildFrames(QGridLayout* grid);
    void TrackChange(TEditorRow row, int position);

    TEditorModel& model_;
    std::array<TRowControls, kEditorRowCount> rows_;
    std::array<QLabel*, 5> labels_{};
};

} // namespace kv
