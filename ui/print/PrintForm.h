#pragma once
// The print dialog: how many deals to generate (or, over the boards of the
// hands window's session, which of them) and how many copies of them to print
// in each of six layouts, whether to show dealer and vulnerability and the
// double-dummy results. "Print" runs the print job (TPrintRun), with a
// progress window that can stop the double-dummy analysis, and closes the
// dialog when it has printed, offering to open a PDF file it wrote; a run
// that fails or is stopped leaves it open. An output file that exists is
// replaced only after the user agreed. The dialog is made for one use, shown
// modally and then destroyed.

#include "output/print/PrintRun.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QLayout;
class QPushButton;
class QSpinBox;
class QStatusBar;

namespace kv {

class TCountBox;

struct TPrintFormContext {
    TPrintRunContext Run;
    // The printer chosen with "Printer Setup", kept by the main window from
    // one print dialog to the next; nullptr leaves the choice to the library.
    TPrinterChoice* Printer = nullptr;
    // The main window's status bar, told where a PDF went once the dialog has
    // closed.
    std::function<void(const QString&)> ShowStatus = {};
    // The boards to print; empty to generate new deals.
    std::vector<TBoardDeal> Boards = {};
};

class TPrintForm : public QDialog {
    Q_OBJECT
  public:
    explicit TPrintForm(TPrintFormContext context, QWidget* parent = nullptr);

    bool Running() const { return run_.Running(); }
    // Printing the boards of a session rather than new deals.
    bool SessionMode() const { return !context_.Boards.empty(); }

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    void OnPrint();
    void OnPrinterSetup();

  private:
    void BuildControls();
    void BuildBoardRange();
    void BuildLayout();
    QLayout* TopRow();
    // The boards from the first to the last chosen.
    std::vector<TBoardDeal> ChosenBoards() const;
    // False when the output is a file that exists and the user would not
    // have it replaced.
    bool OutputMayBeWritten();
    void SetFocusOrder();
    void ShowCounts(const TPrintCounts& counts);
    TPrintCounts CountsShown() const;
    void SetRunning(bool running);
    void Finish(TPrintOutcome outcome);

    TPrintFormContext context_;
    TPrintRun run_;
    std::array<TCountBox*, 7> counts_{}; // South, North, both, deals, West, East, All
    QSpinBox* fromBox_ = nullptr;        // the range of boards in session mode
    QSpinBox* toBox_ = nullptr;
    QCheckBox* dealerBox_ = nullptr;
    QCheckBox* doubleDummyBox_ = nullptr; // disabled when the library cannot print the results
    QPushButton* printerSetupButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    bool closeAfterRun_ = false;
};

} // namespace kv
