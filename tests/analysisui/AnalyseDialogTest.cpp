// The "Analyse Hands" dialog: its defaults, the request it makes, every
// refused choice with its warning, and the choices it remembers.
#include "ui/analysis/src/AnalyseDialog.h"
#include "storage/settings/SettingsStore.h"
#include "ui/common/MessageSeam.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::analysis;

namespace {

TTypeList SpadeFit() {
    THandParam t;
    t.SSpadeMin = 5, t.NSpadeMin = 3;
    return {t};
}

TTypeList NoFit() {
    return {THandParam{}};
}

template <typename T> T* Child(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// A settings store of the test's own, empty at first.
struct TTestStore {
    QTemporaryDir dir;
    std::unique_ptr<TSettingsStore> store = TSettingsStore::OpenFile(Path());
    QString Path() const { return dir.filePath(QStringLiteral("settings.ini")); }
};

TEST(AnalyseDialog, DefaultsPreselectNotrumpAndTheForcedFit) {
    TTestStore settings;
    TAnalyseDialog dialog(SpadeFit(), 0x1234, *settings.store);
    EXPECT_EQ(Child<QLineEdit>(dialog, "CountEdit")->text(), "500");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "TricksRadio")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(dialog, "BetterCheck")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dialog, "NorthCheck")->isChecked());
    const TAnalysisRequest r = dialog.Request();
    EXPECT_EQ(r.Seed, 0x1234);
    EXPECT_EQ(r.Count, 500);
    EXPECT_EQ(r.Kind, TAnalysisKind::Tricks);
    EXPECT_EQ(r.Strains, (std::vector<int>{0, 1}));
    EXPECT_EQ(r.Declarers, (std::vector<TDeclarer>{TDeclarer::Better}));
    EXPECT_EQ(r.Types, SpadeFit());
}

TEST(AnalyseDialog, ShapeAndPointsLeavesTheSolverChoicesOut) {
    TTestStore settings;
    TAnalyseDialog dialog(SpadeFit(), 1, *settings.store);
    Child<QRadioButton>(dialog, "ShapeRadio")->setChecked(true);
    EXPECT_FALSE(Child<QWidget>(dialog, "DeclarerBox")->isEnabled());
    EXPECT_FALSE(Child<QWidget>(dialog, "StrainBox")->isEnabled());
    const TAnalysisRequest r = dialog.Request();
    EXPECT_EQ(r.Kind, TAnalysisKind::ShapeAndPoints);
    EXPECT_TRUE(r.Strains.empty());
    EXPECT_TRUE(r.Declarers.empty());
}

struct TChoiceRow {
    const char* Name;
    const char* Count;
    bool Shape;
    std::vector<const char*> Unticked;
    const char* Warning; // empty when accepted
};

const char* const kCountWarning = "The number of deals must be a whole number from 1 to 1000000.";

class DialogChoices : public ::testing::TestWithParam<TChoiceRow> {};

TEST_P(DialogChoices, AcceptedOrWarned) {
    const TRecordedMessages messages;
    TTestStore settings;
    TAnalyseDialog dialog(SpadeFit(), 1, *settings.store);
    Child<QLineEdit>(dialog, "CountEdit")->setText(QString::fromLatin1(GetParam().Count));
    if (GetParam().Shape) Child<QRadioButton>(dialog, "ShapeRadio")->setChecked(true);
    for (const char* name : GetParam().Unticked)
        Child<QCheckBox>(dialog, name)->setChecked(false);
    dialog.accept();
    const std::string warning = GetParam().Warning;
    if (warning.empty()) {
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(messages.Shown().empty());
        EXPECT_TRUE(settings.store->Exists(setting::AnalysisDeals));
        return;
    }
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    for (const TSettingDef* def : {&setting::AnalysisDeals, &setting::AnalysisTricks,
                                   &setting::AnalysisDeclarers, &setting::AnalysisDenominations})
        EXPECT_FALSE(settings.store->Exists(*def)) << def->Name << ": a refused choice is kept";
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text.toStdString(), warning);
}

// Over given boards the dialog names them instead of asking for a number of
// deals, and checks the choices without hand types.
TEST(AnalyseDialog, ForBoardsNamesThemAndAsksNoNumberOfDeals) {
    const TRecordedMessages messages;
    TTestStore settings;
    TAnalyseDialog dialog({}, 0, *settings.store);
    dialog.ForBoards("3 boards of <b>club</b>.pbn");
    EXPECT_EQ(dialog.windowTitle(), "Analyse These Hands");
    auto* subject = Child<QLabel>(dialog, "SubjectLabel");
    EXPECT_EQ(subject->text(), "3 boards of <b>club</b>.pbn");
    EXPECT_EQ(subject->textFormat(), Qt::PlainText);
    EXPECT_FALSE(Child<QLineEdit>(dialog, "CountEdit")->isVisibleTo(&dialog));
    Child<QCheckBox>(dialog, "BetterCheck")->setChecked(false);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, "Choose at least one declarer.");
    Child<QCheckBox>(dialog, "SouthCheck")->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Request().Declarers, std::vector<TDeclarer>{TDeclarer::South});
}

INSTANTIATE_TEST_SUITE_P(
    AnalyseDialog, DialogChoices,
    ::testing::Values(
        TChoiceRow{"One", "1", false, {}, ""}, TChoiceRow{"Million", "1000000", false, {}, ""},
        TChoiceRow{"Zero", "0", false, {}, kCountWarning},
        TChoiceRow{"MillionAndOne", "1000001", false, {}, kCountWarning},
        TChoiceRow{"Empty", "", false, {}, kCountWarning},
        TChoiceRow{"Letters", "5x", false, {}, kCountWarning},
        TChoiceRow{"Negative", "-5", false, {}, kCountWarning},
        TChoiceRow{"BlanksAround", " 20 ", false, {}, ""},
        TChoiceRow{"NoDeclarer", "10", false, {"BetterCheck"}, "Choose at least one declarer."},
        TChoiceRow{"NoStrain",
                   "10",
                   false,
                   {"NTCheck", "SpadesCheck"},
                   "Choose at least one denomination."},
        TChoiceRow{"ShapeNeedsNeither", "10", true, {"BetterCheck", "NTCheck", "SpadesCheck"}, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

// OK keeps the choices; the next dialog, even for other types, opens with
// them, as does a dialog over the same store after a restart.
TEST(AnalyseDialog, TheLastChoicesComeBack) {
    TTestStore settings;
    {
        TAnalyseDialog first(SpadeFit(), 1, *settings.store);
        Child<QLineEdit>(first, "CountEdit")->setText(QStringLiteral("2000"));
        Child<QCheckBox>(first, "BetterCheck")->setChecked(false);
        Child<QCheckBox>(first, "NorthCheck")->setChecked(true);
        Child<QCheckBox>(first, "SouthCheck")->setChecked(true);
        Child<QCheckBox>(first, "NTCheck")->setChecked(false);
        Child<QCheckBox>(first, "HeartsCheck")->setChecked(true);
        first.accept();
        ASSERT_EQ(first.result(), QDialog::Accepted);
    }
    const QSettings raw(settings.Path(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("2.1/AnalysisOptions/Deals").toInt(), 2000);
    EXPECT_EQ(raw.value("2.1/AnalysisOptions/Declarers").toString(), "N,S");
    EXPECT_EQ(raw.value("2.1/AnalysisOptions/Denominations").toString(), "S,H");
    EXPECT_EQ(raw.value("2.1/AnalysisOptions/DoubleDummy").toInt(), 1);

    const auto reopened = TSettingsStore::OpenFile(settings.Path());
    TAnalyseDialog second(NoFit(), 1, *reopened);
    EXPECT_EQ(Child<QLineEdit>(second, "CountEdit")->text(), "2000");
    const TAnalysisRequest r = second.Request();
    EXPECT_EQ(r.Count, 2000);
    EXPECT_EQ(r.Declarers, (std::vector<TDeclarer>{TDeclarer::North, TDeclarer::South}));
    EXPECT_EQ(r.Strains, (std::vector<int>{1, 2}));

    Child<QRadioButton>(second, "ShapeRadio")->setChecked(true);
    second.accept();
    TAnalyseDialog third(NoFit(), 1, *reopened);
    EXPECT_TRUE(Child<QRadioButton>(third, "ShapeRadio")->isChecked());
    EXPECT_FALSE(Child<QWidget>(third, "DeclarerBox")->isEnabled());
    EXPECT_TRUE(Child<QCheckBox>(third, "NorthCheck")->isChecked()) << "kept while unused";
}

// Stored values the dialog cannot use: each gives way to its default alone.
struct TStoredRow {
    const char* Name;
    const char* Value; // under 2.1/AnalysisOptions/
    const char* Text;
    TAnalyseChoices Expected;
};

TAnalyseChoices Defaults() {
    TAnalyseChoices c;
    c.Declarers = {false, false, true};
    c.Strains = {true, true, false, false, false}; // notrump and the spade fit
    return c;
}

TAnalyseChoices With(std::int64_t count, std::array<bool, 3> declarers = {false, false, true},
                     std::array<bool, 5> strains = {true, true, false, false, false}) {
    TAnalyseChoices c = Defaults();
    c.Count = count;
    c.Declarers = declarers;
    c.Strains = strains;
    return c;
}

class StoredChoices : public ::testing::TestWithParam<TStoredRow> {};

TEST_P(StoredChoices, ReadOrDefault) {
    TTestStore settings;
    {
        QSettings raw(settings.Path(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("2.1/AnalysisOptions/") + GetParam().Value, GetParam().Text);
    }
    const auto store = TSettingsStore::OpenFile(settings.Path());
    EXPECT_EQ(ReadAnalyseChoices(*store, SpadeFit(), kMaxWindowDeals), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    AnalyseDialog, StoredChoices,
    ::testing::Values(
        TStoredRow{"CountOne", "Deals", "1", With(1)},
        TStoredRow{"CountZero", "Deals", "0", Defaults()},
        TStoredRow{"CountMillion", "Deals", "1000000", With(1000000)},
        TStoredRow{"CountMillionAndOne", "Deals", "1000001", Defaults()},
        TStoredRow{"CountText", "Deals", "many", Defaults()},
        TStoredRow{"DeclarersBoth", "Declarers", "n,ns", With(500, {true, false, true})},
        TStoredRow{"DeclarersUnknown", "Declarers", "N,E", Defaults()},
        TStoredRow{"DeclarersEmpty", "Declarers", "", Defaults()},
        TStoredRow{"Denominations", "Denominations", "C,NT",
                   With(500, {false, false, true}, {true, false, false, false, true})},
        TStoredRow{"DenominationsUnknown", "Denominations", "NT,X", Defaults()}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
