// The results window on a 1366 x 768 screen at 150% scaling (run on
// tests/data/screens/1366x768.json with QT_SCALE_FACTOR=1.5), 911 x 512
// logical pixels: it opens inside the screen, frame included.
#include "analysis/AnalysisSummary.h"
#include "ui/analysis/src/AnalysisResultsForm.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::analysis;

TEST(ResultsSmallScreen, TheWindowOpensInsideTheScreen) {
    TAnalysisRequest request;
    request.Types = {THandParam{}};
    request.Kind = TAnalysisKind::Tricks;
    request.Declarers = {TDeclarer::North, TDeclarer::Better};
    request.Strains = {0, 1, 2, 3, 4};
    TAnalysisResultsForm window(EmptySummary(request), {});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    ASSERT_EQ(screen.size(), QSize(911, 512)) << "run on the 1366 x 768 screen at 150%";
    EXPECT_TRUE(screen.contains(window.frameGeometry()))
        << window.width() << " x " << window.height() << " on " << screen.width() << " x "
        << screen.height();
}
