// "&Analyse These Hands..." in the hands window's File menu: enabled when the
// menu opens over a session and the program gives the link, and handing the
// whole session to it without dealing.
#include "HandsTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

// Opens the File menu as the user does, which sets its items afresh.
bool EnabledWhenOpened(const THandsWindow& w, QAction* item) {
    emit w.Find<QMenu>("HandsFile1")->aboutToShow();
    return item->isEnabled();
}

TEST(HandsAnalyse, AnalyseTheseHandsHandsTheWholeSessionToTheLink) {
    THandsWindow w;
    auto* analyse = w.Find<QAction>("AnalyseTheseHands1");
    ASSERT_NE(analyse, nullptr);
    EXPECT_EQ(analyse->text(), "&Analyse These Hands...");
    EXPECT_FALSE(EnabledWhenOpened(w, analyse)) << "no link";
    std::vector<std::size_t> analysed;
    QWidget* parent = nullptr;
    THandsWindowLinks links;
    links.AnalyseSession = [&](QWidget* p, const TDealSession& session) {
        parent = p;
        analysed.push_back(session.Count());
    };
    w.Form->SetLinks(links);
    EXPECT_FALSE(EnabledWhenOpened(w, analyse)) << "no deal yet";
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    w.Find<QPushButton>("NextHandBtn")->click();
    const std::uint64_t draws = w.Engine.Random().Draws();
    ASSERT_TRUE(EnabledWhenOpened(w, analyse));
    analyse->trigger();
    EXPECT_EQ(analysed, std::vector<std::size_t>{2});
    EXPECT_EQ(parent, w.Form.get());
    EXPECT_EQ(w.Engine.Random().Draws(), draws);
}

} // namespace
