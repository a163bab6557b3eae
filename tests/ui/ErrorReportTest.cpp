// The general error report: an input/output or conversion error escaping a
// user action is shown with the system's description and the program goes on.
#include "ui/mainwindow/ErrorReport.h"
#include "MainWindowFixture.h"
#include "app/src/KvApplication.h"
#include "ui/mainwindow/src/TrackBar.h"

#include <gtest/gtest.h>

#include <ios>
#include <system_error>

using namespace kv;
using namespace kv::test;

namespace {

// A widget whose handling of one event fails the way a file operation does.
class TFailingWidget : public QWidget {
  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::system_error(std::make_error_code(std::errc::no_space_on_device),
                                    "PARAMS.SAV");
        return QWidget::event(event);
    }
};

struct ErrorReport : MainWindowFixture {
    void ExpectOneError(const QString& contains) {
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Error);
        EXPECT_EQ(messages.Shown()[0].Title, "Kestrovanhalme");
        EXPECT_TRUE(messages.Shown()[0].Text.contains(contains))
            << messages.Shown()[0].Text.toStdString();
    }
};

} // namespace

TEST_F(ErrorReport, AGuardedActionReportsTheSystemsDescription) {
    const bool done = RunGuarded(nullptr, [] {
        throw std::system_error(std::make_error_code(std::errc::permission_denied), "PARAMS.SAV");
    });
    EXPECT_FALSE(done);
    ExpectOneError(QStringLiteral("PARAMS.SAV: Permission denied"));
}

TEST_F(ErrorReport, AConversionErrorIsReported) {
    RunGuarded(nullptr, [] { throw std::invalid_argument("'12x' is not a valid integer value"); });
    ExpectOneError(QStringLiteral("'12x' is not a valid integer value"));
}

TEST_F(ErrorReport, AnErrorEscapingAnEventHandlerDoesNotEndTheProgram) {
    TFailingWidget widget;
    QEvent failing(QEvent::User);
    QApplication::sendEvent(&widget, &failing);
    ExpectOneError(QStringLiteral("No space left on device"));
    QEvent again(QEvent::User);
    QApplication::sendEvent(&widget, &again);
    EXPECT_EQ(messages.Shown().size(), 2u);
}

TEST_F(ErrorReport, AFailedReadLeavesTheTypesAsTheyWere) {
    TDefinitionLinks links;
    links.ReadParameters = [](TDefinitionForm&) {
        throw std::ios_base::failure("PARAMS.SAV: read error");
    };
    OpenStore();
    store->WriteBool(setting::WarnOnNewTypes, false);
    CreateForm(links);
    Trigger("AddTypeAction");
    Trigger("ReadParams1");
    ExpectOneError(QStringLiteral("PARAMS.SAV: read error"));
    EXPECT_EQ(form->TypeList().size(), 2u);
    EXPECT_EQ(Tabs()->count(), 2);
}

TEST_F(ErrorReport, SavingStoresTheTypeFirstAndReportsAFailure) {
    int saves = 0;
    TDefinitionLinks links;
    links.SaveParameters = [&saves](TDefinitionForm& form) {
        ++saves;
        EXPECT_EQ(form.TypeList()[0].SHeartMinReq, 3);
        throw std::system_error(std::make_error_code(std::errc::io_error), "PARAMS.SAV");
    };
    CreateForm(links);
    form->EditorPage()->Track(TEditorRow::SHeart)->setValue(3);
    Trigger("SaveParams1");
    EXPECT_EQ(saves, 1);
    ExpectOneError(QStringLiteral("Input/output error"));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TKvApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
