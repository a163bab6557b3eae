#pragma once
// The print dialog: how many deals to generate and how many copies of them to
// print in each of six layouts, whether to show dealer and vulnerability and
// the double-dummy results. "Print" runs the print job (TPrintRun) and
// closes the dialog when it has printed; a run that fails leaves it open.
// The dialog is made for one use, shown modally and then destroyed.

#include "PrintRun.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QPushButton;
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
};

class TPrintForm : public QDialog {
    Q_OBJECT
  public:
    explicit TPrintForm(TPrintFormContext context, QWidget* parent = nullptr);

    bool Running() const { return run_.Running(); }

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    void PrintBtnClick();
    void PrinterSetupBtnClick();

  private:
    void BuildControls();
    void BuildLayout();
    void SetFocusOrder();
    void ShowCounts(const TPrintCounts& counts);
    TPrintCounts CountsShown() const;
    void SetRunning(bool running);
    void Finish(TPrintOutcome outcome);

    TPrintFormContext context_;
    TPrintRun run_;
    std::array<TCountBox*, 7> counts_{}; // UpDown1 .. UpDown7
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* doubleDummyBox_ = nullptr; // disabled when the library cannot print the results
    QPushButton* printerSetupBtn_ = nullptr;
    QPushButton* printBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
    bool closeAfterRun_ = false;
};

} // namespace kv
