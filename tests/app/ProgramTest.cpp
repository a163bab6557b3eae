// The program started and ended as a whole: the print library bound by name
// with its two warnings, the hidden hands and Read From File windows, the
// database listed (and created) in the current folder, the options written at
// exit, and the windows wired to the main window's actions.
#include "app/src/Program.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/common/MessageSeam.h"
#include "ui/hands/GraphicDisplayForm.h"
#include "ui/help/HelpSystem.h"
#include "ui/paramsets/ParamSetActions.h"
#include "ui/paramsets/ReadFromFileForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;

namespace {

const QString kNotFound = QStringLiteral(
    "ZUZIROR3.DLL not found.\r\rThe routines in this program for printing hands require the file "
    "ZUZIROR3.DLL.  The file must be located (1) in the same directory as the program file, (2) in "
    "the current directory, (3) in the Windows system directory, (4) in the Windows directory, or "
    "(5) in a directory listed in the PATH environmental variable.");
const QString kUnusable = QStringLiteral(
    "There was a problem interfacing with ZUZIROR3.DLL,  which the hand-printing routines in this "
    "program require.  Printing will be disabled.");

// Each test runs in its own current folder, where the database lives.
struct ProgramFixture : ::testing::Test {
    QTemporaryDir dir;
    QString oldDir = QDir::currentPath();
    TRecordedMessages messages;

    void SetUp() override { QDir::setCurrent(dir.path()); }
    void TearDown() override { QDir::setCurrent(oldDir); }

    std::unique_ptr<TProgram> Start(const QString& library = QStringLiteral(KV_REAL_PRINT_LIB)) {
        return std::make_unique<TProgram>(TSettingsStore::OpenFile(dir.filePath("settings.ini")),
                                          library);
    }
    // A PBN file in the test's folder holding `text`; its path.
    QString WritePbn(const char* text) const {
        QFile file(dir.filePath("tonight.pbn"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
    bool PrintEnabled(TProgram& p) const {
        return p.MainWindow().findChild<QAction*>("PrintHandsAction")->isEnabled();
    }
};

} // namespace

TEST_F(ProgramFixture, MissingPrintLibraryWarnsAndDisablesPrinting) {
    auto program = Start(dir.filePath(TPrintLibrary::FileName()));
    EXPECT_FALSE(PrintEnabled(*program));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, kNotFound);
}

TEST_F(ProgramFixture, MissingEntryPointWarnsAndDisablesPrinting) {
    auto program = Start(QStringLiteral(KV_RECORD_NOCLEAR_LIB));
    EXPECT_FALSE(PrintEnabled(*program));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, kUnusable);
}

TEST_F(ProgramFixture, StartUpMakesEveryWindowAndTheDatabase) {
    auto program = Start();
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(PrintEnabled(*program));
    EXPECT_TRUE(program->MainWindow().findChild<QAction*>("ShowHandsAction")->isEnabled());
    EXPECT_TRUE(program->MainWindow().findChild<QAction*>("ReadParams1")->isEnabled());
    EXPECT_FALSE(program->HandsWindow().isVisible());
    ASSERT_NE(program->ParamSets().ReadFromFileForm(), nullptr);
    EXPECT_FALSE(program->ParamSets().ReadFromFileForm()->isVisible());
    EXPECT_EQ(QFileInfo(dir.filePath("PARAMS.SAV")).size(), 841)
        << "the missing database is created";
    EXPECT_GE(program->Engine().Random().RandomSeed, 0);
    EXPECT_LT(program->Engine().Random().RandomSeed, 86400000) << "seeded from the clock";
}

TEST_F(ProgramFixture, TheOptionsAreWrittenWhenTheProgramEnds) {
    {
        auto program = Start();
        EXPECT_NE(THelpSystem::Instance(), nullptr);
        program->MainWindow().Options().WarnOnNewTypes = false;
        program->MainWindow().Options().View.HandToView = THandToView::North;
    }
    EXPECT_EQ(THelpSystem::Instance(), nullptr);
    QSettings raw(dir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(raw.value("2.1/WarnOnNewTypes").toString(), "0");
    EXPECT_EQ(raw.value("2.1/ViewOptions/HandToView").toString(), "North");
    EXPECT_EQ(raw.value("2.1/PrintOptions/ColorPrinting").toString(), "1");
}

// Written as soon as they change, so that a run that ends otherwise than
// normally loses none of them.
TEST_F(ProgramFixture, TheHandsWindowsViewIsStoredWhenItChanges) {
    auto program = Start();
    TGraphicDisplayForm& hands = program->HandsWindow();
    hands.show();
    hands.findChild<QAction*>("North1")->trigger();
    hands.findChild<QAction*>("Suitrank1")->trigger();
    hands.findChild<QAction*>("DoubleDummy1")->trigger();
    const QWidget* client = hands.findChild<QWidget*>("ClientArea");
    hands.resize(hands.size() - client->size() + QSize(443, 432 + 41));
    QApplication::processEvents(); // the store writes its file from the event loop
    ASSERT_EQ(hands.ViewOptions().CardSize, 150);
    QSettings raw(dir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(raw.value("2.1/ViewOptions/HandToView").toString(), "North");
    EXPECT_EQ(raw.value("2.1/ViewOptions/SortSuitsByRank").toString(), "1");
    EXPECT_EQ(raw.value("2.1/ViewOptions/DoubleDummy").toString(), "1");
    EXPECT_EQ(raw.value("2.1/ViewOptions/CardSize").toString(), "150");
    EXPECT_EQ(program->MainWindow().Options().View, hands.ViewOptions());
}

TEST_F(ProgramFixture, TheHandsWindowStartsWithTheStoredView) {
    {
        QSettings raw(dir.filePath("settings.ini"), QSettings::IniFormat);
        raw.setValue("2.1/ViewOptions/HandToView", "South");
        raw.setValue("2.1/ViewOptions/SortSuitsByRank", 1);
        raw.setValue("2.1/ViewOptions/CardSize", 120);
    }
    auto program = Start();
    EXPECT_EQ(program->HandsWindow().ViewOptions().HandToView, THandToView::South);
    EXPECT_TRUE(program->HandsWindow().ViewOptions().SortSuitsByRank);
    program->HandsWindow().show();
    EXPECT_DOUBLE_EQ(program->HandsWindow().Zoom(), 1.2);
}

TEST_F(ProgramFixture, TheStatusNoteChangesNeitherTheWindowNorItsClientArea) {
    auto program = Start();
    TDefinitionForm& form = program->MainWindow();
    form.show();
    QApplication::processEvents();
    const QSize client = form.centralWidget()->size();
    const int height = form.height();
    form.ShowStatus(QStringLiteral("Hand records saved as /tmp/x.pdf"));
    QApplication::processEvents();
    EXPECT_EQ(form.height(), height);
    EXPECT_EQ(form.centralWidget()->size(), client);
    EXPECT_EQ(form.findChild<QLabel*>("StatusLabel")->text(), "Hand records saved as /tmp/x.pdf");
}

// "&Open Deals (PBN)..." opens the file's boards in the hands window, and
// "&Print These Hands..." there opens the print dialog over those boards.
TEST_F(ProgramFixture, OpenDealsShowsTheFileInTheHandsWindowWhichPrintsThem) {
    const QString file =
        WritePbn("[Board \"9\"]\n[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 "
                 "432.432.432.5432\"]\n");
    auto program = Start();
    TScriptedFileDialogs dialogs({file});
    TGraphicDisplayForm& hands = program->HandsWindow();
    program->MainWindow().findChild<QAction*>("OpenDeals1")->trigger();
    ASSERT_TRUE(hands.isVisible()) << "the window opens beside the main window";
    EXPECT_TRUE(program->MainWindow().isEnabled());
    const std::size_t boards = hands.Session().Count();
    QAction* print = hands.findChild<QAction*>("PrintTheseHands1");
    const bool printOffered = print->isEnabled();
    bool printDialogOver = false;
    // Closes the print dialog once it is up.
    QTimer::singleShot(5, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        printDialogOver = dialog != nullptr && dialog->objectName() == "TPrintForm" &&
                          dialog->parentWidget() == &hands;
        if (dialog != nullptr) dialog->close();
    });
    print->trigger();
    hands.reject();
    EXPECT_EQ(boards, 1u);
    EXPECT_TRUE(printOffered);
    EXPECT_TRUE(printDialogOver);
    EXPECT_EQ(hands.Session().Current().Board, 9);
    EXPECT_TRUE(messages.Shown().empty());
}

// The hands window stands beside the main window: the main window's types
// can change while it is open and the next board is dealt from them; ending
// the program asks before it gives up boards neither saved nor printed.
TEST_F(ProgramFixture, HandsWindowBesideTheMainWindowDealsTheChangedTypes) {
    auto program = Start();
    TDefinitionForm& form = program->MainWindow();
    form.show();
    TGraphicDisplayForm& hands = program->HandsWindow();
    form.findChild<QAction*>("ShowHandsAction")->trigger();
    ASSERT_TRUE(hands.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    THandParam strong;
    strong.SHCPMin = 22;
    form.LoadType(strong); // the user moves the track bars
    hands.findChild<QPushButton*>("NextHandBtn")->click();
    ASSERT_EQ(hands.Session().Count(), 2u);
    EXPECT_GE(hands.ShownFullDeal().South().HCP(), 22);
    EXPECT_EQ(form.TypeList().at(0).SHCPMin, 22) << "the editor was stored before the deal";

    messages.Shown();
    TMessageSeam::SetNextAnswers({false});
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    ASSERT_FALSE(messages.Shown().empty());
    EXPECT_EQ(messages.Shown().back().Text, "2 boards were neither saved nor printed.\n"
                                            "Do you want to discard the session?");
    TMessageSeam::SetNextAnswers({true});
    EXPECT_TRUE(form.close());
}

// A type the generator leaves out at "&Next Hand" takes its tab with it: the
// hands window, open beside the main window, tells it through its link.
TEST_F(ProgramFixture, ATypeLeftOutAtNextHandTakesItsTabInTheMainWindow) {
    auto program = Start();
    TDefinitionForm& form = program->MainWindow();
    form.show();
    TGraphicDisplayForm& hands = program->HandsWindow();
    form.findChild<QAction*>("ShowHandsAction")->trigger();
    ASSERT_TRUE(hands.isVisible());
    THandParam rare, none;
    rare.Frequency = 1;
    none.SSpadeMax = none.SHeartMax = none.SDiamondMax = none.SClubMax = 3; // no South hand
    none.Frequency = 999;
    form.ReplaceTypes({rare, none});
    form.Engine().Random().RandomSeed = 0;
    messages.Shown();
    hands.findChild<QPushButton*>("NextHandBtn")->click();
    EXPECT_EQ(hands.Session().Count(), 2u);
    EXPECT_EQ(form.TypeList(), TTypeList{rare});
    EXPECT_EQ(form.Tabs()->count(), 1);
    EXPECT_EQ(form.SelectedIndex(), 0);
    EXPECT_FALSE(form.findChild<QAction*>("DeleteTypeAction")->isEnabled());
    ASSERT_FALSE(messages.Shown().empty());
    EXPECT_EQ(messages.Shown()[0].Text,
              "There are no hands satisfying one of the sets of parameters you chose.");
}

// "&Analyse These Hands..." in the hands window, offered once there are
// boards, analyses the file's boards: the one board without all four hands is
// named, and the results window opens over the hands window, naming the file. One board in notrump
// keeps the solver's work small.
TEST_F(ProgramFixture, AnalyseTheseHandsOpensTheResultsOverTheHandsWindow) {
    const QString file =
        WritePbn("[Board \"9\"]\n[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 "
                 "432.432.432.5432\"]\n\n[Board \"10\"]\n[Deal \"N:AKQJ.AKQ.AKQ.AKQ - - -\"]\n");
    auto program = Start();
    TScriptedFileDialogs dialogs({file});
    TGraphicDisplayForm& hands = program->HandsWindow();
    auto* fileMenu = hands.findChild<QMenu*>("HandsFile1");
    QAction* analyse = hands.findChild<QAction*>("AnalyseTheseHands1");
    emit fileMenu->aboutToShow(); // the user opens the menu, which sets its items afresh
    EXPECT_FALSE(analyse->isEnabled()) << "no board yet";
    program->MainWindow().findChild<QAction*>("OpenDeals1")->trigger();
    ASSERT_TRUE(hands.isVisible());
    QTimer::singleShot(5, [&] { // the analysis dialog: OK with its defaults
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Analyse These Hands");
        dialog->findChild<QPushButton*>("OkBtn")->click();
    });
    emit fileMenu->aboutToShow();
    const bool offered = analyse->isEnabled();
    analyse->trigger();
    QString heading;
    QWidget* resultsParent = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "AnalysisResultsForm" && window->isVisible()) {
            heading = window->findChild<QLabel*>("HeadingLabel")->text();
            resultsParent = window->parentWidget();
            window->close();
        }
    hands.reject();
    EXPECT_TRUE(offered);
    EXPECT_EQ(heading, "Analysis of 1 board of tonight.pbn");
    EXPECT_EQ(resultsParent, &hands);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text,
              "Board 10 does not give all four hands: it is left out of the analysis.");
}
