#include "AnalysisProgressDialog.h"

#include "AnalyseDialog.h"
#include "ui/common/HelpContext.h"
#include "ui/common/ProgressTimes.h"
#include "ui/common/WindowPlacement.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

TAnalysisProgressDialog::TAnalysisProgressDialog(analysis::TAnalysisRequest request,
                                                 analysis::ITrickSolver& solver, QWidget* parent)
    : TAnalysisProgressDialog(std::make_unique<TAnalysisWorker>(std::move(request), solver),
                              parent) {}

TAnalysisProgressDialog::TAnalysisProgressDialog(std::unique_ptr<TAnalysisWorker> worker,
                                                 QWidget* parent)
    : QDialog(parent), worker_(std::move(worker)), bar_(new QProgressBar(this)),
      dealsText_(new QLabel(this)), elapsedText_(new QLabel(this)),
      remainingText_(new QLabel(this)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("AnalysisProgressDialog"));
    setWindowTitle(QStringLiteral("Analysing Hands"));
    SetHelpContext(this, kAnalysisHelpContext);
    bar_->setObjectName(QStringLiteral("ProgressBar"));
    dealsText_->setObjectName(QStringLiteral("DealsText"));
    elapsedText_->setObjectName(QStringLiteral("ElapsedText"));
    remainingText_->setObjectName(QStringLiteral("RemainingText"));
    cancelButton_->setObjectName(QStringLiteral("CancelBtn"));
    bar_->setMinimumWidth(bar_->fontMetrics().averageCharWidth() * 48);
    bar_->setRange(0, 1000);
    bar_->setValue(0);

    auto* times = new QHBoxLayout;
    times->addWidget(elapsedText_);
    times->addStretch(1);
    times->addWidget(remainingText_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dealsText_);
    layout->addWidget(bar_);
    layout->addLayout(times);
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cancelButton_, &QPushButton::clicked, this, &TAnalysisProgressDialog::reject);
    connect(worker_.get(), &TAnalysisWorker::Progress, this,
            &TAnalysisProgressDialog::ShowProgress);
    connect(worker_.get(), &TAnalysisWorker::Finished, this, &TAnalysisProgressDialog::RunFinished);
    connect(&ticker_, &QTimer::timeout, this, &TAnalysisProgressDialog::ShowTimes);
    ShowProgress(0, worker_->Total());
}

TAnalysisProgressDialog::~TAnalysisProgressDialog() = default;

int TAnalysisProgressDialog::exec() {
    clock_.start();
    ticker_.start(250);
    ShowTimes();
    worker_->Start();
    return QDialog::exec();
}

void TAnalysisProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnParent(*this);
}

void TAnalysisProgressDialog::reject() {
    if (!worker_->Running()) return QDialog::reject();
    worker_->Cancel();
    cancelButton_->setEnabled(false);
    cancelButton_->setText(QStringLiteral("Cancelling..."));
}

void TAnalysisProgressDialog::closeEvent(QCloseEvent* event) {
    if (!worker_->Running()) return QDialog::closeEvent(event);
    event->ignore();
    reject();
}

void TAnalysisProgressDialog::ShowProgress(qint64 done, qint64 total) {
    done_ = done;
    total_ = total;
    dealsText_->setText(QStringLiteral("%1 of %2 deals").arg(done).arg(total));
    bar_->setValue(total == 0 ? 0 : static_cast<int>(done * 1000 / total));
    ShowTimes();
}

void TAnalysisProgressDialog::ShowTimes() {
    const qint64 elapsed = clock_.isValid() ? clock_.elapsed() : 0;
    elapsedText_->setText(ElapsedText(elapsed));
    remainingText_->setText(TimeLeftText(elapsed, done_, total_));
}

void TAnalysisProgressDialog::RunFinished() {
    ticker_.stop();
    done(QDialog::Accepted);
}

} // namespace kv
