// The print dialog over the boards of a session ("&Print These Hands..."):
// the range of boards in place of the number of hands, exactly the chosen
// boards printed with their own numbers and nothing dealt; an existing
// output file replaced only after the user agreed; and the progress window
// of the double-dummy analysis, whose Cancel prints nothing.
#include "PrintFormFixture.h"
#include "engine/GenerateDeal.h"
#include "output/dealtext/PbnExport.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTimer>

using namespace kv;
using namespace kv::test;
using Lines = std::vector<std::string>;

namespace {

std::vector<TBoardDeal> FourBoards() {
    TDealEngine e;
    e.Random().RandomSeed = 0x0B0A;
    TTypeList types{THandParam{}};
    TRecordingHost host;
    std::vector<TBoardDeal> boards;
    for (int k = 1; k <= 4; ++k) {
        boards.push_back(RotationBoard(GenerateDeal(e, types, host).Deal, k));
    }
    return boards;
}

std::string AddBoardLine(const TBoardDeal& b) {
    return "AddBoard " + BoardDealText(b) + "|" + std::to_string(b.Board) + "|" +
           std::to_string(static_cast<int>(b.Dealer)) + "|" +
           std::to_string(VulnerabilityIndex(b.Vulnerable));
}

struct SessionPrintForm : PrintFormFixture {
    std::vector<TBoardDeal> boards = FourBoards();

    void SetUp() override {
        PrintRunFixture::SetUp();
        form = std::make_unique<TPrintForm>(
            TPrintFormContext{{engine, types, host, library, *store, tenSymbol, colour},
                              &printer,
                              [this](const QString& s) { mainStatus.push_back(s); },
                              boards});
        form->show();
    }
    QSpinBox* From() const { return Find<QSpinBox>("FromBoardBox"); }
    QSpinBox* To() const { return Find<QSpinBox>("ToBoardBox"); }
};

} // namespace

TEST_F(SessionPrintForm, TheRangeOfBoardsTakesThePlaceOfTheNumberOfHands) {
    EXPECT_TRUE(form->SessionMode());
    EXPECT_EQ(From()->value(), 1);
    EXPECT_EQ(To()->value(), 4);
    EXPECT_EQ(Find<QLabel>("BoardCountLabel")->text(), "of 4");
    EXPECT_FALSE(Box(4)->isVisible()) << "no hands are generated";
    for (int n : {1, 2, 3, 5, 6, 7})
        EXPECT_TRUE(Box(n)->isVisible()) << n;
    EXPECT_EQ(From()->maximum(), 4);
    EXPECT_EQ(To()->minimum(), 1);
}

TEST_F(SessionPrintForm, TheFirstBoardNeverFollowsTheLast) {
    From()->setValue(3);
    EXPECT_EQ(To()->minimum(), 3);
    To()->setValue(1); // held at 3
    EXPECT_EQ(To()->value(), 3);
    To()->setValue(3);
    EXPECT_EQ(From()->maximum(), 3);
    From()->setValue(4); // held at 3
    EXPECT_EQ(From()->value(), 3);
}

TEST_F(SessionPrintForm, ExactlyTheChosenBoardsArePrintedAndNothingIsDealt) {
    SetCounts(0, 1, 0, 0, 0, 0, 1);
    From()->setValue(2);
    To()->setValue(3);
    PressPrint();
    EXPECT_EQ(calls.Take(),
              (Lines{AddBoardLine(boards[1]), AddBoardLine(boards[2]), "SetOutput ||0|0|0",
                     PrintLine(4, "South Hands"), PrintLine(1, "Hands"), "ClearDeals"}));
    EXPECT_EQ(engine.Random().Draws(), 0u);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SessionPrintForm, NoCopiesIsNothingToPrint) {
    SetCounts(0, 0, 0, 0, 0, 0, 0);
    PressPrint();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, "Nothing to print!");
    EXPECT_TRUE(calls.Take().empty());
}

TEST_F(SessionPrintForm, AnExistingOutputFileIsReplacedOnlyAfterTheUserAgreed) {
    QTemporaryDir out;
    printer.OutputFile = out.filePath("tonight.pdf");
    QFile existing(printer.OutputFile);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    SetCounts(0, 1, 0, 0, 0, 0, 0);

    TMessageSeam::SetNextAnswers({false});
    PressPrint();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Confirm");
    EXPECT_EQ(messages.Shown()[0].Text, "tonight.pdf already exists.\nDo you want to replace it?");
    EXPECT_TRUE(calls.Take().empty()) << "nothing is printed";
    EXPECT_TRUE(form->isVisible());

    TMessageSeam::SetNextAnswers({true});
    PressPrint();
    const Lines printed = calls.Take();
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.back(), "ClearDeals");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SessionPrintForm, CancelInTheProgressWindowPrintsNothingAndKeepsTheDialogOpen) {
    SetCounts(0, 1, 0, 0, 0, 0, 1);
    Find<QCheckBox>("DoubleDummyBox")->setChecked(true);
    QString shownText;
    QString shownTitle;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* progress = form->findChild<QProgressDialog*>("AnalysisProgress");
        if (progress == nullptr || progress->wasCanceled()) return;
        shownText = progress->labelText().section(u'\n', 0, 0); // the board, not the times
        shownTitle = progress->windowTitle();
        progress->cancel();
    });
    watch.start(0);
    PressPrint();
    watch.stop();
    EXPECT_TRUE(shownText.startsWith("Analysing board ")) << shownText.toStdString();
    EXPECT_TRUE(shownText.endsWith(" of 4")) << shownText.toStdString();
    EXPECT_EQ(shownTitle, "Print");
    const Lines all = calls.Take();
    for (const std::string& line : all)
        EXPECT_EQ(line.find("PrintMulti"), std::string::npos) << line;
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[all.size() - 2].rfind("AnalyseDeals stopped at ", 0), 0u) << all[all.size() - 2];
    EXPECT_EQ(all.back(), "ClearDeals");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Find<QStatusBar>("StatusBar1")->currentMessage(), "Cancelled: nothing was printed.");
    EXPECT_EQ(form->findChild<QProgressDialog*>("AnalysisProgress"), nullptr)
        << "gone with the run";
    EXPECT_TRUE(mainStatus.empty());
}

TEST_F(PrintFormFixture, TheProgressWindowCountsTheGeneratedDealsToo) {
    SetCounts(3, 0, 0, 0, 0, 0, 1);
    Find<QCheckBox>("DoubleDummyBox")->setChecked(true);
    QStringList texts;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* progress = form->findChild<QProgressDialog*>("AnalysisProgress");
        if (progress == nullptr) return;
        const QString board = progress->labelText().section(u'\n', 0, 0);
        if (texts.isEmpty() || texts.back() != board) texts << board;
    });
    watch.start(0);
    PressPrint();
    watch.stop();
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.back(), "Analysing board 3 of 3");
    EXPECT_FALSE(form->isVisible());
}
