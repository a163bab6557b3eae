// The progress and results windows: the same numbers as a direct run, Cancel
// and closing while the worker runs, failures shown through the message seam,
// and the results window's tables, comparison, exports and copy.
#include "GatedTrickSolver.h"
#include "analysis/ResultCsv.h"
#include "analysis/SummaryText.h"
#include "analysis/src/SummaryJson.h"
#include "engine/EngineMessages.h"
#include "ui/analysis/ShowAnalyse.h"
#include "ui/analysis/src/AnalysisProgressDialog.h"
#include "ui/analysis/src/AnalysisResultsForm.h"
#include "ui/analysis/src/ChartImage.h"
#include "ui/analysis/src/ComparePanel.h"
#include "ui/analysis/src/ExportFile.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/ProgressTimes.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <thread>

using namespace kv;
using namespace kv::analysis;

namespace {

TAnalysisRequest Tricks(std::int64_t count) {
    TAnalysisRequest r;
    r.Seed = 0x00ABCDEF;
    r.Count = count;
    r.Types = {THandParam{}};
    r.Types[0].SHCPMin = 12, r.Types[0].SSpadeMin = 5, r.Types[0].NSpadeMin = 3;
    r.Kind = TAnalysisKind::Tricks;
    r.Strains = {0, 1};
    r.Declarers = {TDeclarer::South, TDeclarer::Better};
    return r;
}

template <typename T> T* Child(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

using TResults = std::unique_ptr<TAnalysisResultsForm>;

TResults RunWindows(const TAnalysisRequest& request, ITrickSolver& solver) {
    return TResults(RunAnalysisWindows(nullptr, request, solver));
}

TEST(AnalysisWindows, SameNumbersAsADirectRun) {
    TDdsSolver solver;
    const TRecordedMessages messages;
    const TResults results = RunWindows(Tricks(30), solver);
    ASSERT_NE(results, nullptr);
    const TAnalysisOutcome direct = RunAnalysis(Tricks(30), solver, false);
    EXPECT_EQ(SummaryToJson(results->Summary()), SummaryToJson(direct.Summary));
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(Child<QLabel>(*results, "PartialLabel")->isVisibleTo(results.get()));
}

// Cancel while the solver is busy: the batch in hand is still counted, the
// run stops before its next deal, and the results say they are partial.
TEST(AnalysisWindows, CancelKeepsThePartialResultAndSaysSo) {
    test::TGatedTrickSolver solver(10);
    solver.Allow(1);
    TAnalysisProgressDialog progress(Tricks(50), solver);
    EXPECT_EQ(Child<QLabel>(progress, "DealsText")->text(), "0 of 50 deals");
    QTimer::singleShot(0, [&] {
        const auto release = qScopeGuard([&] { solver.Allow(-1); }); // also when an assertion fails
        auto* deals = Child<QLabel>(progress, "DealsText");
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return solver.Started() == 2 && deals->text() == "10 of 50 deals"; }, 10000));
        auto* cancel = Child<QPushButton>(progress, "CancelBtn");
        QTest::mouseClick(cancel, Qt::LeftButton);
        EXPECT_EQ(cancel->text(), "Cancelling...");
        EXPECT_FALSE(cancel->isEnabled());
        EXPECT_TRUE(progress.isVisible()); // it waits for the worker
    });
    progress.exec();
    const TAnalysisOutcome& outcome = progress.Worker().Outcome();
    EXPECT_TRUE(outcome.Cancelled);
    EXPECT_EQ(outcome.Summary.Deals, 20);
    EXPECT_EQ(progress.Worker().Deals().size(), 20u);
    const TAnalysisResultsForm results(outcome.Summary, progress.Worker().Deals());
    EXPECT_EQ(Child<QLabel>(results, "PartialLabel")->text(), "partial: 20 of 50 deals");
    EXPECT_TRUE(Child<QLabel>(results, "PartialLabel")->isVisibleTo(&results));
}

TEST(AnalysisWindows, ClosingWhileTheWorkerRunsWaitsForIt) {
    test::TGatedTrickSolver solver(10);
    TAnalysisProgressDialog progress(Tricks(50), solver);
    bool closed = true;
    QTimer::singleShot(0, [&] {
        const auto release = qScopeGuard([&] { solver.Allow(-1); });
        ASSERT_TRUE(QTest::qWaitFor([&] { return solver.Started() == 1; }, 10000));
        closed = progress.close();
        EXPECT_TRUE(progress.isVisible());
    });
    progress.exec();
    EXPECT_FALSE(closed);
    EXPECT_TRUE(progress.Worker().Outcome().Cancelled);
    EXPECT_FALSE(progress.isVisible());
}

// The window destroyed with the worker blocked in the solver: the thread is
// told to stop and joined once the solver returns.
TEST(AnalysisWindows, DestroyedWhileRunningJoinsTheThread) {
    test::TGatedTrickSolver solver(10);
    auto worker = std::make_unique<TAnalysisWorker>(Tricks(1000), solver);
    worker->Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return solver.Started() == 1; }, 10000));
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        solver.Allow(-1);
    });
    worker.reset();
    release.join();
    EXPECT_EQ(solver.Started(), 1); // no batch after the one in hand
}

// The results read before Finished has arrived: the reader waits for the run
// instead of reading what the worker is still writing.
TEST(AnalysisWindows, ResultsReadDuringTheRunWaitForIt) {
    test::TGatedTrickSolver solver(10);
    TAnalysisWorker worker(Tricks(30), solver);
    worker.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return solver.Started() == 1; }, 10000));
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        solver.Allow(-1);
    });
    const TAnalysisOutcome& outcome = worker.Outcome();
    release.join();
    EXPECT_EQ(outcome.Summary.Deals, 30);
    EXPECT_FALSE(outcome.Cancelled);
    EXPECT_EQ(worker.Deals().size(), 30u);
    EXPECT_EQ(worker.TakeDeals().size(), 30u);
}

class TFailingSecondBatch : public ITrickSolver {
  public:
    std::size_t BatchSize(const TSolveOrder&) const override { return 10; }
    void Solve(std::span<TDealResult> deals, const TSolveOrder& order) override {
        if (++calls_ == 2) throw std::runtime_error("double-dummy analysis failed: out of memory");
        for (TDealResult& d : deals)
            for (int s : order.Strains)
                d.Tricks[static_cast<std::size_t>(s)] = {9, 9};
    }

  private:
    int calls_ = 0;
};

TEST(AnalysisWindows, SolverFailureIsShownAndTheDealsBeforeKept) {
    TFailingSecondBatch solver;
    const TRecordedMessages messages;
    const TResults results = RunWindows(Tricks(50), solver);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, "double-dummy analysis failed: out of memory");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(Child<QLabel>(*results, "PartialLabel")->text(), "partial: 10 of 50 deals");
}

TEST(AnalysisWindows, GeneratorMessagesAreShown) {
    TAnalysisRequest request = Tricks(40);
    request.Types.push_back(THandParam{});
    request.Types[1].SSpadeMin = 7, request.Types[1].SHeartMin = 7; // no pattern
    test::TGatedTrickSolver solver;
    solver.Allow(-1);
    {
        const TRecordedMessages messages;
        const TResults results = RunWindows(request, solver);
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Text, kv::msg::kFirstUnsatisfiable);
        EXPECT_NE(results, nullptr);
    }
    request.Types.erase(request.Types.begin());
    const TRecordedMessages messages;
    EXPECT_EQ(RunWindows(request, solver), nullptr);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, kv::msg::kNoHands);
}

TEST(AnalysisWindows, ElapsedAndRemainingTimes) {
    EXPECT_EQ(DurationText(0), "0:00");
    EXPECT_EQ(DurationText(59999), "0:59");
    EXPECT_EQ(DurationText(60000), "1:00");
    EXPECT_EQ(DurationText(3599999), "59:59");
    EXPECT_EQ(DurationText(3600000), "1:00:00");
    EXPECT_EQ(DurationText(3723000), "1:02:03");
    EXPECT_EQ(ElapsedText(7000), "Elapsed: 0:07");
    EXPECT_EQ(TimeLeftText(7000, 0, 10), "Time left: estimating...");
    EXPECT_EQ(TimeLeftText(7000, 1, 10), "Time left: about 1:03");
    EXPECT_EQ(TimeLeftText(7000, 10, 10), "Time left: about 0:00");
    EXPECT_EQ(TimeLeftText(7000, 11, 10), "Time left: about 0:00");
}

class ResultsWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        TDdsSolver solver;
        TAnalysisRequest request = Tricks(40);
        request.Compare = TCompareSpec{{4, 1, TDeclarer::South}, {3, 0, TDeclarer::South}, false};
        std::vector<TDealResult> deals;
        TRunCallbacks callbacks;
        callbacks.Deal = [&](const TDealResult& d) { deals.push_back(d); };
        const TAnalysisOutcome outcome = RunAnalysis(request, solver, false, callbacks);
        compared_ = new TSummary(outcome.Summary);
        TSummary summary = outcome.Summary;
        summary.Key.Compare.reset();
        summary.Compare = {};
        deals_ = new std::vector<TDealResult>(deals);
        form_ = new TAnalysisResultsForm(summary, deals);
    }
    static void TearDownTestSuite() {
        delete form_;
        delete compared_;
        delete deals_;
    }

    static TAnalysisResultsForm* form_;
    static TSummary* compared_;
    static std::vector<TDealResult>* deals_;
};

TAnalysisResultsForm* ResultsWindow::form_ = nullptr;
TSummary* ResultsWindow::compared_ = nullptr;
std::vector<TDealResult>* ResultsWindow::deals_ = nullptr;

TEST_F(ResultsWindow, TabsAndMakeTable) {
    auto* tabs = Child<QTabWidget>(*form_, "ResultTabs");
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(0), "&Make table");
    EXPECT_EQ(tabs->tabText(2), "Compare &two contracts");
    auto* table = Child<QTableWidget>(*form_, "MakeTable");
    ASSERT_EQ(table->rowCount(), 4); // NT and spades, South and the better of the two
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), "1");
    EXPECT_EQ(table->horizontalHeaderItem(9)->text(), "7");
    const TTrickCounts& spadesBySouth = *form_->Summary().TricksOf(1, TDeclarer::South);
    EXPECT_EQ(table->item(2, 0)->text(), "S");
    EXPECT_EQ(table->item(2, 1)->text(), "S");
    EXPECT_EQ(table->item(2, 2)->text().toStdString(), Fixed(spadesBySouth.MeanTricks(), 2));
    EXPECT_EQ(table->item(2, 6)->text().toStdString(), Percent(spadesBySouth.Makes(4), 40));
    EXPECT_EQ(Child<QTableWidget>(*form_, "TypeMixTable")->item(0, 2)->text(), "40");
    EXPECT_EQ(Child<QLabel>(*form_, "BetterNoteLabel")->text(), kBetterDeclarerNote);
}

TEST_F(ResultsWindow, ComparisonEqualsTheRunsOwnTally) {
    auto* panel = Child<TComparePanel>(*form_, "ComparePanel");
    Child<QSpinBox>(*panel, "ALevelSpin")->setValue(4);
    Child<QComboBox>(*panel, "AStrainCombo")->setCurrentIndex(1);   // spades
    Child<QComboBox>(*panel, "ADeclarerCombo")->setCurrentIndex(0); // South
    Child<QSpinBox>(*panel, "BLevelSpin")->setValue(3);
    Child<QComboBox>(*panel, "BStrainCombo")->setCurrentIndex(0); // notrump
    Child<QComboBox>(*panel, "BDeclarerCombo")->setCurrentIndex(0);
    Child<QComboBox>(*panel, "VulnerableCombo")->setCurrentIndex(0);
    EXPECT_EQ(panel->Spec(), *compared_->Key.Compare);
    EXPECT_EQ(panel->Tally(), compared_->Compare);
    EXPECT_EQ(Child<QLabel>(*panel, "CompareResult")->text(), panel->Text());
    EXPECT_TRUE(panel->Text().startsWith("Compare 4S by S with 3NT by S, not vulnerable\n"));
}

TEST_F(ResultsWindow, ExportsPerDealCsv) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("deals.csv");
    const TScriptedExportFiles files({path});
    const TRecordedMessages messages;
    ASSERT_TRUE(form_->ExportCsv());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Shown()[0].Title, "Export Per-Deal Results");
    EXPECT_EQ(messages.Shown()[0].Text, "The per-deal results were saved as\n" +
                                            QDir::toNativeSeparators(path) + "\n\n" +
                                            kBetterDeclarerNote);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::string expected = CsvHeader(form_->Summary().Key);
    for (const TDealResult& d : *deals_)
        expected += CsvLine(d, form_->Summary().Key);
    EXPECT_EQ(file.readAll().toStdString(), expected);
    EXPECT_EQ(TExportFileSeam::AskedTitles(), std::vector<QString>{"Export Per-Deal Results"});
}

TEST_F(ResultsWindow, ExportCancelledWritesNothing) {
    const TScriptedExportFiles files({std::nullopt});
    const TRecordedMessages messages;
    EXPECT_FALSE(form_->ExportCsv());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ResultsWindow, ExportThatCannotBeWrittenSaysWhy) {
    const QString path = "/nonexistent-folder/deals.csv";
    const TScriptedExportFiles files({path});
    const TRecordedMessages messages;
    EXPECT_FALSE(form_->ExportCsv());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Error);
    EXPECT_EQ(messages.Shown()[0].Title, "Error");
    const QString start = "The file /nonexistent-folder/deals.csv could not be written: ";
    EXPECT_TRUE(messages.Shown()[0].Text.startsWith(start))
        << messages.Shown()[0].Text.toStdString();
    EXPECT_GT(messages.Shown()[0].Text.size(), start.size());
}

// Each chart is saved for print: 7.5 inches at 300 dots per inch whatever the
// window's size, its caption above it, and the file named afterwards.
TEST_F(ResultsWindow, ChartsSaveAsPngAtPrintResolution) {
    const QTemporaryDir dir;
    for (const char* name : {"Tricks", "Points", "Fit"}) {
        const QString path = dir.filePath(QString::fromLatin1(name) + ".png");
        const TScriptedExportFiles files({path});
        const TRecordedMessages messages;
        ASSERT_TRUE(form_->SaveChart(QString::fromLatin1(name)));
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.width(), 2250) << name;
        EXPECT_EQ(image.dotsPerMeterX(), 11811) << name;
        EXPECT_EQ(image.dotsPerMeterY(), 11811) << name;
        // The bold heading is drawn in the band above the chart.
        int dark = 0;
        for (int y = 50; y < 100; ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        EXPECT_GT(dark, 100) << name;
        const QString title = QStringLiteral("Save %1 Chart").arg(QString::fromLatin1(name));
        EXPECT_EQ(TExportFileSeam::AskedTitles(), std::vector<QString>{title});
        ASSERT_EQ(messages.Shown().size(), 1u) << name;
        EXPECT_EQ(messages.Shown()[0].Title, title);
        EXPECT_EQ(messages.Shown()[0].Text,
                  "The chart was saved as\n" + QDir::toNativeSeparators(path));
    }
}

// The caption says which deals and types the chart shows, and what NS means
// on a chart by NS.
TEST_F(ResultsWindow, ChartCaptionsSayWhatTheyShow) {
    const TChartCaption south = ChartCaption(form_->Summary(), false);
    EXPECT_EQ(south.Heading,
              (QStringList{"Analysis of 40 deals, seed 00ABCDEF",
                           "Type 1, 100.0%: South 12+ HCP, 5+ spades; North 3+ spades"}));
    EXPECT_TRUE(south.Note.isEmpty());
    EXPECT_EQ(ChartCaption(form_->Summary(), true).Note, kBetterDeclarerNote);
    auto* declarer = Child<QComboBox>(*form_, "ChartDeclarerCombo");
    declarer->setCurrentIndex(0); // South
    const QImage bySouth = form_->ChartPicture("Tricks");
    declarer->setCurrentIndex(1); // NS
    const QImage byBetter = form_->ChartPicture("Tricks");
    EXPECT_GT(byBetter.height(), bySouth.height()) << "the note under the chart";
}

TEST_F(ResultsWindow, ChartsFollowTheData) {
    auto* tricks = Child<QChartView>(*form_, "TricksChartView");
    auto* declarer = Child<QComboBox>(*form_, "ChartDeclarerCombo");
    EXPECT_EQ(declarer->itemText(0), "Declarer S");
    EXPECT_EQ(declarer->itemText(1), "Declarer NS (the better of North and South)");
    declarer->setCurrentIndex(0);
    EXPECT_EQ(tricks->chart()->title(), "Tricks by S");
    declarer->setCurrentIndex(1);
    EXPECT_EQ(tricks->chart()->title(), "Tricks by NS");
    const auto* series = qobject_cast<QBarSeries*>(tricks->chart()->series().at(0));
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 2);
    EXPECT_EQ(series->barSets()[0]->label(), "Notrump");
    EXPECT_EQ(series->barSets()[1]->label(), "Spades");
    EXPECT_EQ(Child<QChartView>(*form_, "PointsChartView")->chart()->title(),
              "North-South combined points");
}

TEST_F(ResultsWindow, CopyTablesPutsEveryTableOnTheClipboard) {
    QTest::mouseClick(Child<QPushButton>(*form_, "CopyTablesBtn"), Qt::LeftButton);
    const QString text = QApplication::clipboard()->text();
    EXPECT_EQ(text, form_->TablesText());
    EXPECT_TRUE(text.startsWith("Analysis of 40 deals, seed 00ABCDEF\n\nMake table:"));
    EXPECT_TRUE(text.contains("Hand types: requested and delivered"));
    EXPECT_TRUE(text.contains("Compare 4S by S with 3NT by"));
    EXPECT_TRUE(text.contains(QString::fromLatin1(kBetterDeclarerNote)));
}

TEST(ResultsWindowShape, ShowsNoSolverTabs) {
    TAnalysisRequest request = Tricks(100);
    request.Kind = TAnalysisKind::ShapeAndPoints;
    TDdsSolver solver;
    const TResults results = RunWindows(request, solver);
    ASSERT_NE(results, nullptr);
    auto* tabs = Child<QTabWidget>(*results, "ResultTabs");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "C&harts");
    EXPECT_EQ(results->findChild<QTableWidget*>("MakeTable"), nullptr);
}

} // namespace
