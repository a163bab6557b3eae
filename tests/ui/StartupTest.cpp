// Start-up and shutdown: the options read from the settings store (defaults
// for absent values), the print-library warnings, the seeding of the random
// source, and the five values written back at exit.
#include "MainWindowFixture.h"
#include "ui/mainwindow/PrintLibraryState.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

using namespace kv;
using namespace kv::test;

namespace {

const QString kNotFound = QStringLiteral(
    "ZUZIROR3.DLL not found.\r\rThe routines in this program for printing hands require the file "
    "ZUZIROR3.DLL.  The file must be located (1) in the same directory as the program file, (2) in "
    "the current directory, (3) in the Windows system directory, (4) in the Windows directory, or "
    "(5) in a directory listed in the PATH environmental variable.");
const QString kNoEntryPoint = QStringLiteral(
    "There was a problem interfacing with ZUZIROR3.DLL,  which the hand-printing routines in this "
    "program require.  Printing will be disabled.");

struct Startup : MainWindowFixture {
    QVariant Raw(const char* key) const {
        QSettings raw(StorePath(), QSettings::IniFormat);
        return raw.value(QString::fromLatin1(key));
    }
    void WriteRaw(const char* key, const QVariant& value) const {
        QSettings raw(StorePath(), QSettings::IniFormat);
        raw.setValue(QString::fromLatin1(key), value);
    }
    bool Checked(const char* item) const { return Action(item)->isChecked(); }
    TDefinitionLinks Printing(TPrintLibraryState state) const {
        TDefinitionLinks links;
        links.BindPrintLibrary = [state] { return state; };
        links.RunPrintDialog = [](TDefinitionForm&) {};
        return links;
    }
};

} // namespace

TEST_F(Startup, FirstRunWithAnEmptyStoreUsesEveryDefault) {
    CreateForm();
    EXPECT_TRUE(form->Options().WarnOnNewTypes);
    EXPECT_EQ(form->Options().TenSymbolSetting, "T");
    EXPECT_TRUE(Checked("TenSymbolT1"));
    EXPECT_FALSE(Checked("TenSymbol101"));
    EXPECT_TRUE(Checked("ColorPrinting1"));
    EXPECT_EQ(form->Options().View.HandToView, THandToView::Both);
    EXPECT_FALSE(form->Options().View.SortSuitsByRank);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(Startup, AfterExitAllFiveValuesExist) {
    CreateForm();
    CloseForm();
    EXPECT_EQ(Raw("2.1/WarnOnNewTypes").toString(), "1");
    EXPECT_EQ(Raw("2.1/TenSymbol").toString(), "T");
    EXPECT_EQ(Raw("2.1/ViewOptions/HandToView").toString(), "Both");
    EXPECT_EQ(Raw("2.1/ViewOptions/SortSuitsByRank").toString(), "0");
    EXPECT_EQ(Raw("2.1/PrintOptions/ColorPrinting").toString(), "1");
}

TEST_F(Startup, LowerCaseNorthIsBothAndBothIsWrittenBack) {
    WriteRaw("2.1/ViewOptions/HandToView", QStringLiteral("north"));
    CreateForm();
    EXPECT_EQ(form->Options().View.HandToView, THandToView::Both);
    CloseForm();
    EXPECT_EQ(Raw("2.1/ViewOptions/HandToView").toString(), "Both");
}

TEST_F(Startup, ExactNorthAndSouthAreKept) {
    WriteRaw("2.1/ViewOptions/HandToView", QStringLiteral("South"));
    CreateForm();
    EXPECT_EQ(form->Options().View.HandToView, THandToView::South);
    form->Options().View.HandToView = THandToView::North;
    CloseForm();
    EXPECT_EQ(Raw("2.1/ViewOptions/HandToView").toString(), "North");
}

TEST_F(Startup, TenSymbolTenChecksTheTenItem) {
    WriteRaw("2.1/TenSymbol", QStringLiteral("10"));
    CreateForm();
    EXPECT_TRUE(Checked("TenSymbol101"));
    EXPECT_FALSE(Checked("TenSymbolT1"));
    EXPECT_EQ(form->Options().TenSymbolSetting, "10");
}

TEST_F(Startup, TenSymbolXChecksTheTenItemButStaysX) {
    WriteRaw("2.1/TenSymbol", QStringLiteral("X"));
    CreateForm();
    EXPECT_TRUE(Checked("TenSymbol101"));
    EXPECT_EQ(form->Options().TenSymbolSetting, "X");
    CloseForm();
    EXPECT_EQ(Raw("2.1/TenSymbol").toString(), "X");
}

TEST_F(Startup, ClickingATenItemSetsTheSymbol) {
    WriteRaw("2.1/TenSymbol", QStringLiteral("X"));
    CreateForm();
    Trigger("TenSymbolT1");
    EXPECT_EQ(form->Options().TenSymbolSetting, "T");
    EXPECT_FALSE(Checked("TenSymbol101"));
    Trigger("TenSymbol101");
    EXPECT_EQ(form->Options().TenSymbolSetting, "10");
    EXPECT_FALSE(Checked("TenSymbolT1"));
}

TEST_F(Startup, ALongTenSymbolIsCutToTwoCharacters) {
    WriteRaw("2.1/TenSymbol", QStringLiteral("10pt"));
    CreateForm();
    EXPECT_EQ(form->Options().TenSymbolSetting, "10");
}

TEST_F(Startup, BooleansReadAnyNonZeroAsTrue) {
    WriteRaw("2.1/WarnOnNewTypes", 0);
    WriteRaw("2.1/ViewOptions/SortSuitsByRank", 7);
    WriteRaw("2.1/PrintOptions/ColorPrinting", 0);
    CreateForm();
    EXPECT_FALSE(form->Options().WarnOnNewTypes);
    EXPECT_TRUE(form->Options().View.SortSuitsByRank);
    EXPECT_FALSE(Checked("ColorPrinting1"));
    Trigger("ColorPrinting1");
    CloseForm();
    EXPECT_EQ(Raw("2.1/PrintOptions/ColorPrinting").toString(), "1");
    EXPECT_EQ(Raw("2.1/ViewOptions/SortSuitsByRank").toString(), "1");
}

TEST_F(Startup, MissingPrintLibraryWarnsOnceAndDisablesPrinting) {
    CreateForm(Printing(TPrintLibraryState::NotFound));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, kNotFound);
    EXPECT_FALSE(Action("PrintHandsAction")->isEnabled());
    EXPECT_FALSE(form->findChild<QWidget*>("PrintToolBtn")->isEnabled());
    form->UpdateActions(); // the rule holds for the whole run
    EXPECT_FALSE(Action("PrintHandsAction")->isEnabled());
}

TEST_F(Startup, MissingEntryPointWarnsAndDisablesPrinting) {
    CreateForm(Printing(TPrintLibraryState::EntryPointMissing));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, kNoEntryPoint);
    EXPECT_FALSE(Action("PrintHandsAction")->isEnabled());
}

TEST_F(Startup, UsablePrintLibraryEnablesPrinting) {
    CreateForm(Printing(TPrintLibraryState::Usable));
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(Action("PrintHandsAction")->isEnabled());
    EXPECT_TRUE(form->findChild<QWidget*>("PrintToolBtn")->isEnabled());
}

TEST_F(Startup, PrintingStoresTheTypeFirst) {
    int runs = 0;
    TDefinitionLinks links = Printing(TPrintLibraryState::Usable);
    links.RunPrintDialog = [&runs](TDefinitionForm&) { ++runs; };
    CreateForm(links);
    THandParam both7;
    both7.SClubMin = 7;
    both7.NClubMin = 7;
    form->ReplaceTypes({both7});
    Trigger("PrintHandsAction");
    EXPECT_EQ(runs, 0);
    form->ReplaceTypes({THandParam{}});
    Trigger("PrintHandsAction");
    EXPECT_EQ(runs, 1);
}

TEST_F(Startup, CreationSeedsTheRandomSourceFromTheClock) {
    engine.Random().RandomSeed = -1; // no clock reading is negative
    CreateForm();
    EXPECT_GE(engine.Random().RandomSeed, 0);
    EXPECT_LT(engine.Random().RandomSeed, 86400000);
    EXPECT_FALSE(form->Editor().Creating());
    EXPECT_FALSE(form->Editor().Updating());
}

TEST_F(Startup, TheWindowAsTheUserFirstMeetsIt) {
    CreateForm();
    form->show();
    EXPECT_EQ(form->windowTitle(), "Hand Parameters");
    EXPECT_EQ(form->width(), 495);
    // The client area between the menu bar and the status bar, which is part
    // of the window from the start.
    EXPECT_EQ(form->height() - form->menuBar()->height() - form->statusBar()->height(), 323);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(Freq()->TotalLabel()->text(), "of 100");
    EXPECT_EQ(form->TypeList().size(), 1u);
    EXPECT_EQ(form->TypeList()[0], THandParam{});
}

TEST_F(Startup, MenusHoldTheirItemsInOrder) {
    CreateForm();
    std::vector<QString> menus;
    for (QAction* menu : form->menuBar()->actions())
        if (menu->isVisible()) menus.push_back(menu->text());
    // Tools is shown: keyboard users find adding and deleting types there.
    EXPECT_EQ(menus,
              (std::vector<QString>{"&File", "&Edit", "&Generate", "&Options", "&Tools", "&Help"}));
    auto* tools = form->findChild<QMenu*>("Tools1");
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->menuAction()->isVisible());
    EXPECT_EQ(tools->actions(),
              (QList<QAction*>{Action("AddTypeAction"), Action("DeleteTypeAction")}));
    std::vector<QString> file;
    for (QAction* item : form->findChild<QMenu*>("File1")->actions())
        file.push_back(item->text());
    EXPECT_EQ(file,
              (std::vector<QString>{"&Read saved parameters...", "&Save current parameters...", "",
                                    "&Copy parameters", "", "&Open Deals (PBN)...", "",
                                    "S&ynchronize...", "", "E&xit"}));
    EXPECT_EQ(Action("ShowHandsAction")->text(), "Generate Hands to &Screen");
    EXPECT_EQ(Action("ShowHandsAction")->toolTip(), "View Hands");
    EXPECT_EQ(Action("PrintHandsAction")->toolTip(), "Print Hands");
}
