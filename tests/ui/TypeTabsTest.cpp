// The main window over its type list: tabs and actions that follow the
// model, the editor and the frequency box at each change, the Confusion
// Alert and refused changes. Which types there are and which is selected
// after each change is the model's, tested in tests/params.
#include "MainWindowFixture.h"
#include "ui/mainwindow/src/AdvancedAlertDlg.h"
#include "ui/mainwindow/src/BoundButton.h"
#include "ui/mainwindow/src/TrackBar.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <limits>

using namespace kv;
using namespace kv::test;

namespace {

const QString kSpadeMessage = QStringLiteral(
    "Impossible Hand Parameters:\r\rThe minimum number of Spades in the hands exceeds 13.");

struct TypeTabs : MainWindowFixture {
    void SetUp() override {
        OpenStore();
        store->WriteBool(setting::WarnOnNewTypes, false);
        CreateForm();
    }
    void AddTypes(int count) {
        for (int i = 0; i < count; ++i)
            Trigger("AddTypeAction");
    }
    void Drag(TEditorRow row, int position) const {
        form->EditorPage()->Track(row)->setValue(position);
    }
    int Shown(TEditorRow row) const { return form->EditorPage()->MinButton(row)->text().toInt(); }
    QLineEdit* Box() const { return Freq()->Edit()->lineEdit(); }
    QString BoxText() const { return Box()->text(); }
    QString Total() const { return Freq()->TotalLabel()->text(); }
    // Replaces the box's text by typing, as the user does ("" empties it).
    void Type(const QString& text) const {
        Box()->selectAll();
        QTest::keyClick(Box(), Qt::Key_Backspace);
        QTest::keyClicks(Box(), text);
    }
    // The window shown and active, so that focus moves as it does for the user.
    void ShowActive() const {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QApplication::setActiveWindow(form.get());
    }
};

struct ConfusionAlert : MainWindowFixture {
    void SetUp() override { CreateForm(); }
    // Adds a type and leaves the alert through `button`, ticking the box first when asked.
    void AddAnswering(const char* button, bool tick) {
        WhenModal([button, tick](QWidget* modal) {
            auto* alert = qobject_cast<TAdvancedAlertDlg*>(modal);
            ASSERT_NE(alert, nullptr);
            EXPECT_FALSE(alert->DontShowBox()->isChecked());
            EXPECT_EQ(alert->focusWidget(), alert->WaitButton());
            alert->DontShowBox()->setChecked(tick);
            alert->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
        Trigger("AddTypeAction");
    }
};

} // namespace

// The tabs, the actions and the Clear hint (the tooltip on the toolbar, the
// status-bar text over the menu item) as types are added and deleted.
TEST_F(TypeTabs, TabsAndActionsFollowTheNumberOfTypes) {
    struct TState {
        const char* Step;
        int Types;
        int Current;
        const char* ClearHint;
    };
    const TState states[] = {{"", 1, 0, "Clear"},
                             {"AddTypeAction", 2, 1, "Clear One"},
                             {"AddTypeAction", 3, 2, "Clear One"},
                             {"DeleteTypeAction", 2, 1, "Clear One"},
                             {"DeleteTypeAction", 1, 0, "Clear"}};
    for (const TState& s : states) {
        if (*s.Step != '\0') Trigger(s.Step);
        const std::string at = std::string(s.Step) + " to " + std::to_string(s.Types);
        ASSERT_EQ(Tabs()->count(), s.Types) << at;
        EXPECT_EQ(Tabs()->tabText(s.Types - 1), QStringLiteral("Type &%1").arg(s.Types)) << at;
        EXPECT_EQ(Tabs()->currentIndex(), s.Current) << at;
        EXPECT_EQ(Action("ClearAllAction")->isEnabled(), s.Types > 1) << at;
        EXPECT_EQ(Action("DeleteTypeAction")->isEnabled(), s.Types > 1) << at;
        EXPECT_TRUE(Action("AddTypeAction")->isEnabled()) << at;
        EXPECT_TRUE(Action("ClearOneAction")->isEnabled()) << at;
        EXPECT_EQ(Action("ClearOneAction")->toolTip(), s.ClearHint) << at;
        EXPECT_EQ(Action("ClearOneAction")->statusTip(), s.ClearHint) << at;
    }
}

TEST_F(TypeTabs, AtEightTypesAddIsDisabled) {
    AddTypes(7);
    EXPECT_EQ(Tabs()->tabText(7), "Type &8");
    EXPECT_EQ(Tabs()->currentIndex(), 7);
    EXPECT_FALSE(Action("AddTypeAction")->isEnabled());
    EXPECT_FALSE(form->findChild<QWidget*>("AddTypeToolBtn")->isEnabled());
}

TEST_F(TypeTabs, ToolbarButtonsFollowTheirActions) {
    const char* names[] = {"ViewToolBtn",     "PrintToolBtn",   "ClearToolBtn",
                           "ClearAllToolBtn", "AddTypeToolBtn", "DeleteTypeToolBtn"};
    for (const char* name : names)
        EXPECT_NE(form->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_FALSE(form->findChild<QWidget*>("DeleteTypeToolBtn")->isEnabled());
    AddTypes(1);
    EXPECT_TRUE(form->findChild<QWidget*>("DeleteTypeToolBtn")->isEnabled());
}

TEST_F(TypeTabs, AddingStoresTheTypeBeingLeftAndShowsAClearEditor) {
    Drag(TEditorRow::SSpade, 5);
    AddTypes(1);
    EXPECT_EQ(form->TypeList()[0].SSpadeMin, 5);
    EXPECT_EQ(form->TypeList()[0].SSpadeMinReq, 5);
    EXPECT_EQ(Shown(TEditorRow::SSpade), 0);
    EXPECT_EQ(form->TypeList()[1], THandParam{});
}

TEST_F(TypeTabs, DeletingTheFirstOfThreeShowsTheFormerSecondAsTypeOne) {
    AddTypes(1);
    Drag(TEditorRow::NHeart, 4);
    AddTypes(1);
    ClickTab(0);
    form->DeleteTypeActionExecute();
    EXPECT_EQ(TabCaptions(), (std::vector<QString>{"Type &1", "Type &2"}));
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(Shown(TEditorRow::NHeart), 4);
    EXPECT_EQ(form->TypeList()[0].NHeartMinReq, 4);
}

TEST_F(TypeTabs, DeletingDiscardsTheEditor) {
    AddTypes(1);
    ClickTab(0);
    Drag(TEditorRow::SClub, 3);
    form->DeleteTypeActionExecute();
    EXPECT_EQ(form->TypeList().size(), 1u);
    EXPECT_EQ(Shown(TEditorRow::SClub), 0);
    EXPECT_FALSE(Action("DeleteTypeAction")->isEnabled());
}

TEST_F(TypeTabs, FrequencyTotalsFollowEveryChangeOfTheBox) {
    EXPECT_EQ(Freq()->TotalLabel()->text(), "of 100");
    AddTypes(2);
    const int frequencies[] = {100, 50, 850};
    for (int i = 0; i < 3; ++i) {
        ClickTab(i);
        Freq()->Edit()->lineEdit()->selectAll();
        QTest::keyClicks(Freq()->Edit()->lineEdit(), QString::number(frequencies[i]));
    }
    EXPECT_EQ(Freq()->TotalLabel()->text(), "of 1000");
    ClickTab(1);
    Freq()->Edit()->lineEdit()->selectAll();
    QTest::keyClick(Freq()->Edit()->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(Freq()->Edit()->lineEdit()->text(), "");
    EXPECT_EQ(Freq()->TotalLabel()->text(), "of 950");
    EXPECT_EQ(form->TypeList()[1].Frequency, 0);
}

TEST_F(TypeTabs, AnEmptiedBoxStoresTheSpinnersLastValue) {
    Freq()->Edit()->lineEdit()->selectAll();
    QTest::keyClicks(Freq()->Edit()->lineEdit(), QStringLiteral("250"));
    Freq()->Edit()->lineEdit()->selectAll();
    QTest::keyClick(Freq()->Edit()->lineEdit(), Qt::Key_Backspace);
    ASSERT_TRUE(form->StoreType());
    EXPECT_EQ(form->TypeList()[0].Frequency, 250);
}

// The spinner's arrows and the Up and Down keys change the box's text with the
// field's own signal blocked; the type and the total must follow all the same.
TEST_F(TypeTabs, SteppingTheSpinnerSetsTheFrequencyAndTheTotal) {
    struct TStep {
        const char* Name;
        std::function<void(TFrequencyEdit&)> Step;
        QString Expected;
    };
    const TStep steps[] = {
        {"UpKey", [](TFrequencyEdit& e) { QTest::keyClick(&e, Qt::Key_Up); }, "101"},
        {"DownKey", [](TFrequencyEdit& e) { QTest::keyClick(&e, Qt::Key_Down); }, "99"},
        {"UpArrow", [](TFrequencyEdit& e) { e.stepUp(); }, "101"},
        {"DownArrow", [](TFrequencyEdit& e) { e.stepDown(); }, "99"},
        {"UpInAnEmptiedBoxPutsTheLastValueBack",
         [this](TFrequencyEdit& e) {
             Type(QString());
             QTest::keyClick(&e, Qt::Key_Up);
         },
         "100"},
    };
    for (const TStep& step : steps) {
        Type(QStringLiteral("100"));
        step.Step(*Freq()->Edit());
        EXPECT_EQ(BoxText(), step.Expected) << step.Name;
        EXPECT_EQ(form->TypeList()[0].Frequency, step.Expected.toInt()) << step.Name;
        EXPECT_EQ(Total(), "of " + step.Expected) << step.Name;
    }
}

TEST_F(TypeTabs, AFrequencySetWithTheSpinnerIsKeptWhenATypeIsAdded) {
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(Freq()->Edit(), Qt::Key_Up);
    EXPECT_EQ(Total(), "of 103");
    AddTypes(1);
    EXPECT_EQ(form->TypeList()[0].Frequency, 103);
    EXPECT_EQ(BoxText(), "100");
    EXPECT_EQ(Total(), "of 203");
    ClickTab(0);
    EXPECT_EQ(BoxText(), "103");
}

// Clear puts 100 into the box whatever it held, and the type takes it.
TEST_F(TypeTabs, ClearAlwaysRefillsTheBox) {
    for (const QString& typed : {QString(), QStringLiteral("0"), QStringLiteral("250")}) {
        Type(typed);
        Trigger("ClearOneAction");
        EXPECT_EQ(BoxText(), "100") << typed.toStdString();
        EXPECT_EQ(form->TypeList()[0].Frequency, 100) << typed.toStdString();
        EXPECT_EQ(Total(), "of 100") << typed.toStdString();
    }
}

TEST_F(TypeTabs, AddingAfterAZeroShowsTheNewTypesFrequency) {
    Type(QStringLiteral("0"));
    EXPECT_EQ(Total(), "of 0");
    AddTypes(1);
    EXPECT_EQ(BoxText(), "100");
    EXPECT_EQ(form->TypeList()[0].Frequency, 100) << "stored as the spinner's last value";
    EXPECT_EQ(form->TypeList()[1].Frequency, 100);
    EXPECT_EQ(Total(), "of 200");
}

TEST_F(TypeTabs, DeletingShowsTheFrequencyOfTheTypeNowSelected) {
    AddTypes(1);
    for (const QString& typed : {QString(), QStringLiteral("0")}) {
        AddTypes(1);
        Type(typed);
        Trigger("DeleteTypeAction");
        EXPECT_EQ(BoxText(), "100") << typed.toStdString();
        EXPECT_EQ(Total(), "of 200") << typed.toStdString();
    }
}

// Every tab change shows the stored frequencies, and the total counts them.
TEST_F(TypeTabs, TabChangesShowWhatEachTypeStored) {
    Trigger("ClearAllAction");
    AddTypes(1);
    Type(QStringLiteral("50"));
    EXPECT_EQ(Total(), "of 150");
    ClickTab(0);
    Type(QStringLiteral("0"));
    EXPECT_EQ(Total(), "of 50");
    ClickTab(1);
    EXPECT_EQ(BoxText(), "50");
    EXPECT_EQ(form->TypeList()[0].Frequency, 100) << "a 0 is stored as the spinner's value";
    EXPECT_EQ(Total(), "of 150");
    ClickTab(0);
    EXPECT_EQ(BoxText(), "100");
    EXPECT_EQ(Total(), "of 150");
}

// Leaving an emptied box puts the spinner's last value back into it; the type
// and the total take that value too.
TEST_F(TypeTabs, LeavingAnEmptiedBoxCountsTheValueItShowsAgain) {
    ShowActive();
    Freq()->Edit()->setFocus();
    Type(QStringLiteral("70"));
    Type(QString());
    EXPECT_EQ(Total(), "of 0");
    form->EditorPage()->Track(TEditorRow::SHCP)->setFocus();
    EXPECT_EQ(BoxText(), "70");
    EXPECT_EQ(form->TypeList()[0].Frequency, 70);
    EXPECT_EQ(Total(), "of 70");
}

TEST_F(TypeTabs, LettersAndAFourthDigitAreRefusedInTheFrequencyBox) {
    QLineEdit* box = Freq()->Edit()->lineEdit();
    box->setCursorPosition(3);
    QTest::keyClicks(box, QStringLiteral("a-+ "));
    EXPECT_EQ(box->text(), "100");
    QTest::keyClick(box, Qt::Key_5);
    EXPECT_EQ(box->text(), "100");
    EXPECT_EQ(Freq()->Edit()->maximum(), 999);
    EXPECT_EQ(Freq()->Edit()->minimum(), 1);
}

TEST_F(TypeTabs, TabChangeAwayFromAnImpossibleTypeIsRefused) {
    THandParam both7;
    both7.SSpadeMin = 7;
    both7.NSpadeMin = 7;
    form->ReplaceTypes({both7, THandParam{}});
    messages.Shown();
    ClickTab(1);
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(form->SelectedIndex(), 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, kSpadeMessage);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Warning);
}

TEST_F(TypeTabs, AnImpossibleTypeBlocksAddingAType) {
    THandParam both7;
    both7.SSpadeMin = 7;
    both7.NSpadeMin = 7;
    form->ReplaceTypes({both7});
    Trigger("AddTypeAction");
    EXPECT_EQ(form->TypeList().size(), 1u);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, kSpadeMessage);
}

TEST_F(TypeTabs, ClearResetsTheEditorOnly) {
    Drag(TEditorRow::SHCP, 12);
    AddTypes(1);
    ClickTab(0);
    Trigger("ClearOneAction");
    EXPECT_EQ(Shown(TEditorRow::SHCP), 0);
    EXPECT_EQ(form->TypeList()[0].SHCPMin, 12); // until the type is next stored
    EXPECT_FALSE(form->EditorPage()->MinButton(TEditorRow::SHCP)->Bold());
}

TEST_F(TypeTabs, ClearAllLeavesOneDefaultType) {
    AddTypes(3);
    Drag(TEditorRow::NClub, 2);
    Trigger("ClearAllAction");
    EXPECT_EQ(TabCaptions(), std::vector<QString>{"Type &1"});
    EXPECT_EQ(form->TypeList().size(), 1u);
    EXPECT_EQ(form->TypeList()[0], THandParam{});
    EXPECT_EQ(Shown(TEditorRow::NClub), 0);
    EXPECT_EQ(Freq()->TotalLabel()->text(), "of 100");
    EXPECT_FALSE(Action("ClearAllAction")->isEnabled());
}

TEST_F(TypeTabs, ReplacingTypesFitsTheTabs) {
    AddTypes(4);
    THandParam second;
    second.Frequency = 40;
    form->ReplaceTypes({THandParam{}, second});
    EXPECT_EQ(TabCaptions(), (std::vector<QString>{"Type &1", "Type &2"}));
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(Freq()->TotalLabel()->text(), "of 140");
    second.Frequency = std::numeric_limits<std::int32_t>::max(); // as a file may hold
    form->ReplaceTypes({THandParam{}, second});
    EXPECT_EQ(Freq()->TotalLabel()->text(), "of 2147483747");
}

TEST_F(ConfusionAlert, WaitTillLaterAddsNothing) {
    AddAnswering("WaitBtn", false);
    EXPECT_EQ(form->TypeList().size(), 1u);
    EXPECT_TRUE(form->Options().WarnOnNewTypes);
}

TEST_F(ConfusionAlert, ReadyWithTheBoxTickedAddsAndNeverAsksAgain) {
    AddAnswering("ReadyBtn", true);
    EXPECT_EQ(form->TypeList().size(), 2u);
    EXPECT_FALSE(form->Options().WarnOnNewTypes);
    Trigger("ClearAllAction");
    Trigger("AddTypeAction"); // no alert: a modal dialog here would block the test
    EXPECT_EQ(form->TypeList().size(), 2u);
    CloseForm();
    OpenStore();
    EXPECT_FALSE(store->ReadBool(setting::WarnOnNewTypes));
}

TEST_F(ConfusionAlert, ReadyWithTheBoxUntickedAsksAgainAtOneType) {
    AddAnswering("ReadyBtn", false);
    EXPECT_EQ(form->TypeList().size(), 2u);
    EXPECT_TRUE(form->Options().WarnOnNewTypes);
    Trigger("AddTypeAction"); // the third type: no alert
    EXPECT_EQ(form->TypeList().size(), 3u);
    Trigger("ClearAllAction");
    AddAnswering("WaitBtn", false);
    EXPECT_EQ(form->TypeList().size(), 1u);
}

TEST_F(ConfusionAlert, TellMeMoreKeepsTheAlertOpen) {
    WhenModal([](QWidget* modal) {
        auto* alert = qobject_cast<TAdvancedAlertDlg*>(modal);
        alert->MoreButton()->click();
        EXPECT_TRUE(alert->isVisible());
        alert->WaitButton()->click();
    });
    Trigger("AddTypeAction");
    EXPECT_EQ(form->TypeList().size(), 1u);
}
