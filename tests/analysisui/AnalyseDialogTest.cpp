// The "Analyse Hands" dialog: its defaults, the request it makes, and every
// refused choice with its warning.
#include "ui/analysis/src/AnalyseDialog.h"
#include "ui/common/MessageSeam.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::analysis;

namespace {

TTypeList SpadeFit() {
    THandParam t;
    t.SSpadeMin = 5, t.NSpadeMin = 3;
    return {t};
}

template <typename T> T* Child(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST(AnalyseDialog, DefaultsPreselectNotrumpAndTheForcedFit) {
    TAnalyseDialog dialog(SpadeFit(), 0x1234);
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
    TAnalyseDialog dialog(SpadeFit(), 1);
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
    TAnalyseDialog dialog(SpadeFit(), 1);
    Child<QLineEdit>(dialog, "CountEdit")->setText(QString::fromLatin1(GetParam().Count));
    if (GetParam().Shape) Child<QRadioButton>(dialog, "ShapeRadio")->setChecked(true);
    for (const char* name : GetParam().Unticked)
        Child<QCheckBox>(dialog, name)->setChecked(false);
    dialog.accept();
    const std::string warning = GetParam().Warning;
    if (warning.empty()) {
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(messages.Shown().empty());
        return;
    }
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text.toStdString(), warning);
}

// Over given boards the dialog names them instead of asking for a number of
// deals, and checks the choices without hand types.
TEST(AnalyseDialog, ForBoardsNamesThemAndAsksNoNumberOfDeals) {
    const TRecordedMessages messages;
    TAnalyseDialog dialog({}, 0);
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

} // namespace
