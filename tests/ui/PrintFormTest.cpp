// The print dialog's controls: names, captions, defaults, stored counts,
// what may be typed, the refusals, the printer setup and the focus order.
#include "PrintFormFixture.h"
#include "ui/common/HelpContext.h"
#include "ui/help/HelpSystem.h"
#include "ui/help/src/HelpWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPrintDialog>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace kv;
using namespace kv::test;

TEST_F(PrintFormFixture, ControlsCarryTheirNamesCaptionsAndHelpContexts) {
    EXPECT_EQ(form->windowTitle(), "Print");
    EXPECT_EQ(Find<QCheckBox>("CheckBox1")->text(), "Indicate &dealer and vul.");
    EXPECT_EQ(Find<QPushButton>("PrinterSetupBtn")->text(), "P&rinter Setup");
    EXPECT_EQ(Find<QPushButton>("PrintBtn")->text(), "&Print");
    EXPECT_EQ(Find<QPushButton>("CancelBtn")->text(), "&Cancel");
    EXPECT_TRUE(Find<QPushButton>("PrintBtn")->isDefault());
    EXPECT_NE(Find<QStatusBar>("StatusBar1"), nullptr);
    const std::map<int, QString> captions{{1, "Copies with &South hands only:"},
                                          {2, "Copies with &North hands only:"},
                                          {3, "Copies with &both South and North hands:"},
                                          {4, "Number of &hands to print:"},
                                          {5, "Copies with &West hands only:"},
                                          {6, "Copies with &East hands only:"},
                                          {7, "Copies with &All four hands:"}};
    for (const auto& [n, caption] : captions) {
        EXPECT_EQ(Box(n)->minimum(), 0);
        EXPECT_EQ(Box(n)->maximum(), 100);
        EXPECT_FALSE(Box(n)->wrapping());
        EXPECT_EQ(OwnHelpContext(Box(n)), help::PrintDialog);
        const auto labels = form->findChildren<QLabel*>();
        const bool labelled = std::any_of(labels.begin(), labels.end(), [&](QLabel* l) {
            return l->text() == caption && l->buddy() == Box(n);
        });
        EXPECT_TRUE(labelled) << caption.toStdString();
    }
    EXPECT_EQ(OwnHelpContext(form.get()), help::PrintDialog);
    EXPECT_EQ(OwnHelpContext(Find("PrintBtn")), help::PrintDialog);
    EXPECT_EQ(OwnHelpContext(Find("CancelBtn")), help::PrintDialog);
    EXPECT_EQ(OwnHelpContext(Find("CheckBox1")), 0);
    EXPECT_EQ(OwnHelpContext(Find("PrinterSetupBtn")), 0);
}

// F1 on any control, the check box and Printer Setup (which carry no context
// of their own) included, opens the part of the help on the dialog's options,
// scrolled to it.
TEST_F(PrintFormFixture, F1OpensTheHelpOnItsOptions) {
    THelpSystem help;
    THelpWindow& window = *help.Window();
    for (const char* name :
         {"UpDown4", "UpDown7", "CheckBox1", "DoubleDummyBox", "PrinterSetupBtn", "PrintBtn"}) {
        window.close();
        QApplication::setActiveWindow(form.get());
        Find(name)->setFocus();
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_F1);
        EXPECT_TRUE(window.isVisible()) << name;
        EXPECT_EQ(window.CurrentPage(), "hands.html") << name;
        EXPECT_EQ(window.CurrentAnchor(), "printer") << name;
        EXPECT_GT(window.findChild<QTextBrowser*>("HelpPage")->verticalScrollBar()->value(), 0)
            << name;
    }
}

TEST_F(PrintFormFixture, FirstOpeningShowsTheDefaults) {
    const int expected[] = {1, 1, 1, 10, 0, 0, 0};
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(Box(n)->value(), expected[n - 1]) << n;
    EXPECT_TRUE(Find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_TRUE(Find<QStatusBar>("StatusBar1")->currentMessage().isEmpty());
}

TEST_F(PrintFormFixture, StoredCountsComeBackIntoTheirOwnControls) {
    store->WriteInt(setting::East, 2); // the West-only count
    store->WriteInt(setting::West, 0); // the East-only count
    store->WriteInt(setting::Deals, 33);
    store->WriteBool(setting::DealerAndVul, false);
    OpenForm();
    EXPECT_EQ(Box(5)->value(), 2) << "West hands only";
    EXPECT_EQ(Box(6)->value(), 0) << "East hands only";
    EXPECT_EQ(Box(4)->value(), 33);
    EXPECT_FALSE(Find<QCheckBox>("CheckBox1")->isChecked());
}

TEST_F(PrintFormFixture, TypingALetterChangesNothing) {
    Edit(4)->selectAll();
    QTest::keyClicks(Edit(4), "a");
    EXPECT_EQ(Edit(4)->text(), "10");
    QTest::keyClicks(Box(4), "x+- ");
    EXPECT_EQ(Box(4)->value(), 10);
    EXPECT_EQ(Edit(4)->text(), "10");
}

TEST_F(PrintFormFixture, BackspaceDeletesAndDigitsAreTyped) {
    Edit(1)->setFocus();
    Edit(1)->end(false);
    QTest::keyClick(Edit(1), Qt::Key_Backspace);
    EXPECT_EQ(Edit(1)->text(), "");
    QTest::keyClicks(Edit(1), "42");
    EXPECT_EQ(Box(1)->value(), 42);
}

TEST_F(PrintFormFixture, CountAboveHundredCannotBeTyped) {
    Edit(4)->selectAll();
    QTest::keyClicks(Edit(4), "150");
    EXPECT_LE(Box(4)->value(), 100);
    EXPECT_EQ(Edit(4)->text(), "15");
}

TEST_F(PrintFormFixture, ArrowKeysStepWithoutWrapping) {
    Box(5)->setFocus();
    QTest::keyClick(Box(5), Qt::Key_Down);
    EXPECT_EQ(Box(5)->value(), 0);
    QTest::keyClick(Box(5), Qt::Key_Up);
    EXPECT_EQ(Box(5)->value(), 1);
    Box(5)->setValue(100);
    QTest::keyClick(Box(5), Qt::Key_Up);
    EXPECT_EQ(Box(5)->value(), 100);
}

TEST_F(PrintFormFixture, NoHandsIsNothingToPrint) {
    SetCounts(0, 1, 1, 1, 0, 0, 0);
    PressPrint();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, "Nothing to print!");
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(store->Exists(setting::Deals));
    EXPECT_TRUE(calls.Take().empty());
}

TEST_F(PrintFormFixture, FiveHandsWithoutCopiesIsNothingToPrint) {
    SetCounts(5, 0, 0, 0, 0, 0, 0);
    PressPrint();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, "Nothing to print!");
    EXPECT_TRUE(form->isVisible());
    for (const TSettingDef* def : setting::kAll)
        EXPECT_FALSE(store->Exists(*def)) << def->Name;
    EXPECT_TRUE(calls.Take().empty());
}

TEST_F(PrintFormFixture, CancelClosesAndSavesNothing) {
    SetCounts(4, 2, 2, 2, 2, 2, 2);
    Find<QPushButton>("CancelBtn")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(store->Exists(setting::Deals));
    EXPECT_TRUE(calls.Take().empty());
}

TEST_F(PrintFormFixture, FocusFollowsTheFixedOrder) {
    QApplication::setActiveWindow(form.get());
    const char* order[] = {"UpDown4",        "UpDown1",         "UpDown2",  "UpDown3",
                           "UpDown5",        "UpDown6",         "UpDown7",  "CheckBox1",
                           "DoubleDummyBox", "PrinterSetupBtn", "PrintBtn", "CancelBtn"};
    Box(4)->setFocus();
    for (const char* name : order) {
        QWidget* focus = QApplication::focusWidget();
        while (focus != nullptr && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(PrintFormFixture, PrinterSetupKeepsTheChoiceWhenCancelled) {
    printer.PrinterName = QStringLiteral("Club laser");
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = form->findChild<QPrintDialog*>("PrinterSetupDialog1");
        opened = dialog != nullptr;
        if (dialog) dialog->reject();
    });
    Find<QPushButton>("PrinterSetupBtn")->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(printer.PrinterName, "Club laser");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(calls.Take().empty()) << "nothing else happens";
}

TEST_F(PrintFormFixture, PrinterSetupTakesTheChosenOutput) {
    const QString file = dir.filePath("chosen.pdf");
    printer.OutputFile = file;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = form->findChild<QPrintDialog*>("PrinterSetupDialog1")) dialog->accept();
    });
    Find<QPushButton>("PrinterSetupBtn")->click();
    EXPECT_EQ(printer.OutputFile, file);
    EXPECT_TRUE(printer.PrinterName.isEmpty());
    EXPECT_TRUE(printer.PagePoints.isValid());
}

TEST_F(PrintFormFixture, DoubleDummyBoxIsOffByDefault) {
    auto* box = Find<QCheckBox>("DoubleDummyBox");
    EXPECT_EQ(box->text(), "Sh&ow double-dummy results"); // Alt+D is the dealer box's
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(box->isEnabled());
    EXPECT_EQ(OwnHelpContext(box), help::PrintDialog);
}

TEST_F(PrintFormFixture, DoubleDummyBoxIsNotStoredWhenThereIsNothingToPrint) {
    Find<QCheckBox>("DoubleDummyBox")->setChecked(true);
    SetCounts(0, 0, 0, 0, 0, 0, 1);
    PressPrint();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, "Nothing to print!");
    EXPECT_FALSE(store->Exists(setting::PrintDoubleDummy));
    OpenForm();
    EXPECT_FALSE(Find<QCheckBox>("DoubleDummyBox")->isChecked());
}

TEST_F(PrintFormFixture, DoubleDummyBoxIsStoredWhenPrintingAndComesBack) {
    Find<QCheckBox>("DoubleDummyBox")->setChecked(true);
    SetCounts(1, 0, 0, 0, 0, 0, 1);
    PressPrint();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(store->ReadBool(setting::PrintDoubleDummy));
    OpenForm();
    EXPECT_TRUE(Find<QCheckBox>("DoubleDummyBox")->isChecked());
    Find<QCheckBox>("DoubleDummyBox")->setChecked(false);
    PressPrint();
    EXPECT_TRUE(store->Exists(setting::PrintDoubleDummy));
    EXPECT_FALSE(store->ReadBool(setting::PrintDoubleDummy));
}

TEST(PrintFormDoubleDummy, BoxIsDisabledWhenTheLibraryCannotPrintResults) {
    QTemporaryDir dir;
    auto store = TSettingsStore::OpenFile(dir.filePath("s.ini"));
    store->WriteBool(setting::PrintDoubleDummy, true);
    TPrintLibrary library{QStringLiteral(KV_RECORD_NODD_LIB)};
    ASSERT_EQ(library.Bind(), TBindResult::Bound);
    TDealEngine engine;
    TTypeList types{THandParam{}};
    TRecordingHost host;
    QString ten = QStringLiteral("T");
    TPrintForm form(TPrintFormContext{{engine, types, host, library, *store, ten, true}});
    form.show();
    auto* box = form.findChild<QCheckBox*>("DoubleDummyBox");
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(box->isChecked()) << "the stored choice is kept for a library that can";
}
