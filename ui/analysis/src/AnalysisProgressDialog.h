#pragma once
// The progress window of an analysis: a bar with the deals done of the total,
// the time elapsed and the estimated time left, and Cancel. The run goes on a
// worker thread; the window stays responsive. Cancel, Escape and the close box
// all stop the run, which keeps the deals counted so far; the window closes
// once the worker has finished, and its destruction joins the thread.

#include "AnalysisWorker.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kv {

class TAnalysisProgressDialog : public QDialog {
    Q_OBJECT
  public:
    TAnalysisProgressDialog(analysis::TAnalysisRequest request, analysis::ITrickSolver& solver,
                            QWidget* parent = nullptr);
    // The progress of any run: dealt deals or given boards.
    explicit TAnalysisProgressDialog(std::unique_ptr<TAnalysisWorker> worker,
                                     QWidget* parent = nullptr);
    ~TAnalysisProgressDialog() override;

    // Starts the run and waits, events running, until it has finished.
    int exec() override;
    void reject() override; // cancels; the window closes when the run has stopped

    const TAnalysisWorker& Worker() const { return *worker_; }
    TAnalysisWorker& Worker() { return *worker_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ShowProgress(qint64 done, qint64 total);
    void ShowTimes();
    void RunFinished();

    std::unique_ptr<TAnalysisWorker> worker_;
    QProgressBar* bar_;
    QLabel* dealsText_;
    QLabel* elapsedText_;
    QLabel* remainingText_;
    QPushButton* cancelButton_;
    QElapsedTimer clock_;
    QTimer ticker_;
    qint64 done_ = 0;
    qint64 total_ = 0;
};

} // namespace kv
