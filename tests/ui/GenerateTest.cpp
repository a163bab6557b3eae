// Generating hands to the screen from the main window: the selected type is
// stored first, two deals are made (the shown one and the next), and types
// the generator finds impossible leave the list together with their tabs.
#include "MainWindowFixture.h"
#include "RecordingHost.h"
#include "engine/GenerateDeal.h"
#include "output/dealtext/DealText.h"

using namespace kv;
using namespace kv::test;

namespace {

// South's suit maxima add up to 12: no South hand exists.
THandParam Impossible() {
    THandParam type;
    type.SSpadeMax = type.SHeartMax = type.SDiamondMax = type.SClubMax = 3;
    return type;
}

// The cards a hand holds, as text: positions beyond a suit's count are not cards.
std::string Cards(const tHand& hand) {
    return HandText(hand);
}

struct Generate : MainWindowFixture {
    TRecordingHost host;
    int draws = 0;
    int shows = 0;
    std::vector<TFullDeal> shown;
    TFullDeal next;

    // The hands window's opening sequence, recorded: the shown deal, the next
    // one dealt in advance, then the window shown.
    bool OpeningSequence(TTypeList& types) {
        const TDealOutcome first = GenerateDeal(engine, types, host);
        if (!first.Dealt()) return false;
        ++draws;
        shown.push_back(first.Deal);
        const TDealOutcome second = GenerateDeal(engine, types, host);
        if (!second.Dealt()) return false;
        next = second.Deal;
        ++shows;
        return true;
    }

    void SetUp() override {
        TDefinitionLinks links;
        links.ShowDeals = [this](TTypeList& types) { return OpeningSequence(types); };
        CreateForm(links);
        engine.Random().RandomSeed = 1234;
    }
};

} // namespace

TEST_F(Generate, WithoutTheHandsWindowTheActionIsDisabled) {
    form.reset();
    CreateForm();
    EXPECT_FALSE(Action("ShowHandsAction")->isEnabled());
    EXPECT_FALSE(form->findChild<QWidget*>("ViewToolBtn")->isEnabled());
}

TEST_F(Generate, ShowsOneDealAndKeepsTheNextReady) {
    EXPECT_TRUE(Action("ShowHandsAction")->isEnabled());
    Trigger("ShowHandsAction");
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(shows, 1);
    EXPECT_NE(Cards(shown[0].South()), Cards(next.South()));
    EXPECT_TRUE(host.Warnings.empty());
}

TEST_F(Generate, TheSameSeedGivesTheSameDeals) {
    Trigger("ShowHandsAction");
    const TFullDeal first = shown.at(0);
    engine.Random().RandomSeed = 1234;
    Trigger("ShowHandsAction");
    EXPECT_EQ(Cards(shown.at(1).South()), Cards(first.South()));
    EXPECT_EQ(Cards(shown.at(1).North()), Cards(first.North()));
}

TEST_F(Generate, AnImpossibleSelectedTypeIsRefusedBeforeDealing) {
    THandParam both7;
    both7.SDiamondMin = 7;
    both7.NDiamondMin = 7;
    form->ReplaceTypes({both7});
    Trigger("ShowHandsAction");
    EXPECT_EQ(draws, 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(
        messages.Shown()[0].Text,
        "Impossible Hand Parameters:\r\rThe minimum number of Diamonds in the hands exceeds 13.");
}

TEST_F(Generate, RemovedTypesTakeTheirTabsWithThem) {
    form->ReplaceTypes({THandParam{}, Impossible(), Impossible()});
    for (int i = 0; i < 20 && form->TypeList().size() == 3; ++i)
        Trigger("ShowHandsAction");
    ASSERT_LT(form->TypeList().size(), 3u);
    EXPECT_EQ(Tabs()->count(), static_cast<int>(form->TypeList().size()));
    EXPECT_EQ(Tabs()->tabText(0), "Type &1");
    EXPECT_EQ(form->SelectedIndex(), 0);
    EXPECT_EQ(host.Warnings.at(0),
              "There are no hands satisfying one of the sets of parameters you chose.");
}

TEST_F(Generate, ALoneImpossibleTypeStaysForTheUserToMend) {
    form->ReplaceTypes({Impossible()});
    Trigger("ShowHandsAction");
    EXPECT_EQ(shows, 0);
    ASSERT_EQ(host.Warnings.size(), 1u);
    EXPECT_EQ(host.Warnings[0], "There are no hands satisfying your parameters.");
    ASSERT_EQ(form->TypeList().size(), 1u);
    EXPECT_EQ(form->TypeList()[0].SClubMax, 3);
    EXPECT_EQ(Tabs()->count(), 1);
}

// "Analyse Hands..." stores the selected type first, hands its link the form
// (whose types and engine seed the analysis starts from) and draws nothing;
// without the link it is disabled, and an impossible type is refused first.
TEST_F(Generate, AnalyseHandsStoresTheTypeAndLeavesTheEngineAlone) {
    EXPECT_FALSE(Action("AnalyseHandsAction")->isEnabled()) << "no analysis link";
    form.reset();
    int analysed = 0;
    TDefinitionLinks links;
    links.AnalyseHands = [&](TDefinitionForm& f) {
        ++analysed;
        EXPECT_EQ(&f, form.get());
        EXPECT_EQ(f.Engine().Random().RandomSeed, 1234);
    };
    CreateForm(links);
    engine.Random().RandomSeed = 1234;
    ASSERT_TRUE(Action("AnalyseHandsAction")->isEnabled());
    EXPECT_TRUE(form->findChild<QWidget*>("AnalyseToolBtn")->isEnabled());
    Trigger("AnalyseHandsAction");
    EXPECT_EQ(analysed, 1);
    EXPECT_EQ(engine.Random().RandomSeed, 1234) << "the analysis draws nothing from the engine";
    THandParam both7;
    both7.SDiamondMin = 7;
    both7.NDiamondMin = 7;
    form->ReplaceTypes({both7});
    Trigger("AnalyseHandsAction");
    EXPECT_EQ(analysed, 1) << "an impossible type is refused before the analysis";
}
