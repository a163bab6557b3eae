#pragma once
// The progress of a double-dummy analysis of many boards, which takes tens of
// seconds for a hundred: a window titled after the work it serves, with
// "Analysing board k of n", the time elapsed and the time left, and a Cancel
// button. While it is up the windows that were open take no input, so that
// nothing changes the boards under the analysis; they still repaint.

#include "engine/doubledummy/DoubleDummy.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QProgressDialog;
class QWidget;

namespace kv {

class TUserInputBlock;

class TAnalysisProgress {
  public:
    // The window ("AnalysisProgress") titled `title` over `parent`, for
    // `total` boards; it shows itself when the analysis takes more than a moment.
    TAnalysisProgress(QWidget* parent, int total, const QString& title);
    ~TAnalysisProgress();
    TAnalysisProgress(const TAnalysisProgress&) = delete;
    TAnalysisProgress& operator=(const TAnalysisProgress&) = delete;

    // Shows that `done` boards are analysed ("Analysing board done + 1 of
    // total") with the times, and lets pending events run, so that Cancel
    // works; false once the user has cancelled.
    bool Update(int done);
    bool Cancelled() const;
    // The text shown now: the board line, then the times.
    QString Text() const;

  private:
    std::unique_ptr<TUserInputBlock> block_;
    std::unique_ptr<QProgressDialog> dialog_;
    QElapsedTimer clock_;
    int total_;
};

// The board line of the progress window with `done` of `total` boards analysed.
QString AnalysisProgressText(int done, int total);
// The whole text of the window: the board line, then "Elapsed: m:ss" and
// "Time left: ..." on the line below.
QString AnalysisProgressText(int done, int total, qint64 elapsedMs);

using TTableSolver = std::function<TDDTable(const TFullDeal&)>;

// Solves `deals` one at a time on another thread, in order, with the progress
// window titled `title` over `parent`. The tables, or nothing when the user cancelled (the
// board being solved then is finished and dropped). A solver failure is
// thrown again here.
std::optional<std::vector<TDDTable>> AnalyseWithProgress(QWidget* parent, const QString& title,
                                                         const std::vector<TFullDeal>& deals,
                                                         const TTableSolver& solver = SolveTable);

} // namespace kv
