// Windows open where the user looks, wide enough for their titles: each
// dialog in the middle of its parent's window or of the screen, the help
// window in the middle of the screen.
#include "ui/common/WindowPlacement.h"
#include "QtPrinters.h"
#include "ui/help/src/HelpWindow.h"
#include "ui/mainwindow/src/AboutBox.h"
#include "ui/mainwindow/src/AdvancedAlertDlg.h"
#include "ui/mainwindow/src/SyncForm.h"
#include "ui/paramsets/src/SavedParametersNameDlg.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

using namespace kv;

namespace {

enum class TCentre { Screen, Parent };

struct TWindowRow {
    const char* Name;
    std::function<std::unique_ptr<QWidget>(QWidget* parent)> Make;
    TCentre Centre;
};

void PrintTo(const TWindowRow& row, std::ostream* out) {
    *out << row.Name;
}

const TWindowRow kWindows[] = {
    {"NameForSavedParameters",
     [](QWidget* parent) {
         return std::make_unique<TSavedParametersNameDlg>(std::vector<std::string>{}, parent);
     },
     TCentre::Parent},
    {"Synchronize", [](QWidget* parent) { return std::make_unique<TSyncForm>(0, parent); },
     TCentre::Screen},
    {"ConfusionAlert", [](QWidget* parent) { return std::make_unique<TAdvancedAlertDlg>(parent); },
     TCentre::Screen},
    {"About", [](QWidget* parent) { return std::make_unique<TAboutBox>(parent); }, TCentre::Screen},
    {"Help", [](QWidget*) { return std::make_unique<THelpWindow>(); }, TCentre::Screen},
};

struct Placement : ::testing::TestWithParam<TWindowRow> {
    QWidget owner;
    Placement() {
        owner.setGeometry(40, 60, 520, 380);
        owner.show();
    }
};

} // namespace

TEST_P(Placement, TheWholeTitleFits) {
    const auto window = GetParam().Make(&owner);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_GE(window->width(), TitleFitWidth(*window, window->windowTitle()))
        << window->windowTitle().toStdString();
}

TEST_P(Placement, OpensInTheMiddleOfItsParentOrOfTheScreen) {
    const auto window = GetParam().Make(&owner);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QPoint middle = GetParam().Centre == TCentre::Parent
                              ? owner.geometry().center()
                              : window->screen()->availableGeometry().center();
    // Within the width of a window frame.
    const QPoint offset = window->geometry().center() - middle;
    EXPECT_LE(offset.manhattanLength(), 8) << offset.x() << "," << offset.y();
}

INSTANTIATE_TEST_SUITE_P(Windows, Placement, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.Name); });
