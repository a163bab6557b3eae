#include "ui/print/PrintForm.h"

#include "CountBox.h"
#include "PrinterSetup.h"
#include "ui/common/AnalysisProgress.h"
#include "ui/common/HelpContext.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/SavedFileOffer.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>

namespace kv {
namespace {

// The run prints to the printer chosen in this dialog.
TPrintFormContext WithPrinter(TPrintFormContext context) {
    if (context.Printer != nullptr) context.Run.Printer = context.Printer;
    return context;
}

} // namespace

TPrintForm::TPrintForm(TPrintFormContext context, QWidget* parent)
    : QDialog(parent), context_(WithPrinter(std::move(context))), run_(context_.Run) {
    setObjectName(QStringLiteral("TPrintForm"));
    setWindowTitle(QStringLiteral("Print"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    SetHelpContext(this, help::PrintDialog);
    run_.SetStatusSink([this](const QString& text) { statusBar_->showMessage(text); });
    BuildControls();
    BuildLayout();
    SetFocusOrder();
}

void TPrintForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    statusBar_->clearMessage();
    ShowCounts(ReadPrintCounts(context_.Run.Settings));
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void TPrintForm::ShowCounts(const TPrintCounts& c) {
    const std::array<int, 7> values{c.South, c.North, c.NorthAndSouth, c.Deals, c.West,
                                    c.East,  c.All};
    for (std::size_t i = 0; i < counts_.size(); ++i)
        counts_[i]->setValue(values[i]);
    if (SessionMode()) {
        fromBox_->setValue(1);
        toBox_->setValue(static_cast<int>(context_.Boards.size()));
    }
    dealerBox_->setChecked(c.DealerAndVul);
    doubleDummyBox_->setChecked(c.DoubleDummy);
    doubleDummyBox_->setEnabled(context_.Run.Library.HasDoubleDummy());
}

TPrintCounts TPrintForm::CountsShown() const {
    TPrintCounts c;
    c.South = counts_[0]->value();
    c.North = counts_[1]->value();
    c.NorthAndSouth = counts_[2]->value();
    c.Deals = counts_[3]->value();
    c.West = counts_[4]->value();
    c.East = counts_[5]->value();
    c.All = counts_[6]->value();
    c.DealerAndVul = dealerBox_->isChecked();
    c.DoubleDummy = doubleDummyBox_->isChecked();
    if (SessionMode()) c.Deals = toBox_->value() - fromBox_->value() + 1;
    return c;
}

std::vector<TBoardDeal> TPrintForm::ChosenBoards() const {
    const auto first = context_.Boards.begin() + (fromBox_->value() - 1);
    return {first, context_.Boards.begin() + toBox_->value()};
}

bool TPrintForm::OutputMayBeWritten() {
    const TPrinterChoice* printer = context_.Run.Printer;
    if (printer == nullptr || printer->OutputFile.isEmpty()) return true;
    const QFileInfo file(printer->OutputFile);
    if (!file.exists()) return true;
    return TMessageSeam::Confirm(
        this, QStringLiteral("Confirm"),
        QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(file.fileName()));
}

// The progress window appears with the first news of the analysis and goes
// with the run.
void TPrintForm::OnPrint() {
    if (run_.Running()) return;
    const TPrintCounts counts = CountsShown();
    if (counts.NothingToPrint()) {
        TMessageSeam::Show(this, TMessageKind::Warning, QStringLiteral("Warning"),
                           QStringLiteral("Nothing to print!"));
        return;
    }
    if (!OutputMayBeWritten()) return;
    SetRunning(true);
    std::unique_ptr<TAnalysisProgress> progress;
    run_.SetAnalysisProgress([this, &progress](int done, int total) {
        if (!progress)
            progress = std::make_unique<TAnalysisProgress>(this, total, QStringLiteral("Print"));
        return progress->Update(done);
    });
    const TPrintOutcome outcome =
        SessionMode() ? run_.RunBoards(counts, ChosenBoards()) : run_.Run(counts);
    run_.SetAnalysisProgress({});
    progress.reset();
    SetRunning(false);
    Finish(outcome);
}

void TPrintForm::Finish(TPrintOutcome outcome) {
    if (outcome == TPrintOutcome::Printed) {
        const QString file = run_.OutputFile();
        if (!file.isEmpty() && context_.ShowStatus)
            context_.ShowStatus(QStringLiteral("Hand records saved as ") +
                                QDir::toNativeSeparators(file));
        if (!file.isEmpty())
            OfferToOpenFile(this, QStringLiteral("Print"),
                            QStringLiteral("The hand records were saved as"), file);
        accept();
        return;
    }
    if (outcome == TPrintOutcome::Cancelled)
        statusBar_->showMessage(QStringLiteral("Cancelled: nothing was printed."));
    if (outcome == TPrintOutcome::PrintFailed)
        TMessageSeam::Show(this, TMessageKind::Warning, QStringLiteral("Warning"),
                           QStringLiteral("The hands could not be printed."));
    if (closeAfterRun_) QDialog::reject();
}

void TPrintForm::SetRunning(bool running) {
    printButton_->setEnabled(!running);
    printerSetupButton_->setEnabled(!running);
    if (running) closeAfterRun_ = false;
}

void TPrintForm::reject() {
    if (run_.Running()) {
        closeAfterRun_ = true; // the run goes on; the dialog closes when it ends
        return;
    }
    QDialog::reject();
}

void TPrintForm::OnPrinterSetup() {
    if (run_.Running() || context_.Printer == nullptr) return;
    RunPrinterSetup(this, *context_.Printer);
}

} // namespace kv
