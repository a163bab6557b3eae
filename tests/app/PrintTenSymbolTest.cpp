// The main window's ten symbol through a print run started from its action:
// the run takes it as a value, so the user's "10" stays "10" while the deals
// are generated and after the run, whether the run prints, the generator gives
// up or the user cancels the double-dummy analysis.
#include "app/src/Program.h"
#include "engine/EngineMessages.h"
#include "ui/common/MessageSeam.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;

namespace {

enum class TEnding { Printed, GeneratorGivesUp, AnalysisCancelled };

struct TRunRow {
    const char* Name;
    TEnding Ending;
    QString Status; // the dialog's status bar after the run
};

const TRunRow kRunRows[] = {
    {"Printed", TEnding::Printed, QString()},
    {"GeneratorGivesUp", TEnding::GeneratorGivesUp, QStringLiteral("Generating hand 2")},
    {"AnalysisCancelled", TEnding::AnalysisCancelled,
     QStringLiteral("Cancelled: nothing was printed.")},
};

// South maxima adding up to 12: no South pattern, so the generator gives up.
// Thirteen spades hold exactly 10 points: at least 11 is never reached.
THandParam TooNarrowType() {
    THandParam t;
    t.SSpadeMin = 13;
    t.SHCPMin = 11;
    return t;
}

QWidget* PrintDialog() {
    QWidget* dialog = QApplication::activeModalWidget();
    return dialog != nullptr && dialog->objectName() == "TPrintForm" ? dialog : nullptr;
}

class TenSymbolThroughARun : public ::testing::TestWithParam<TRunRow> {
  protected:
    void SetUp() override { QDir::setCurrent(dir.path()); }
    void TearDown() override { QDir::setCurrent(oldDir); }

    // Sets 3 hands with one copy of all four hands (analysed double dummy
    // for the cancelled row) and presses Print; closes the dialog when the
    // run leaves it open.
    void PrintFrom(QWidget& dialog, TEnding ending) {
        dialog.findChild<QSpinBox*>("UpDown4")->setValue(3);
        dialog.findChild<QSpinBox*>("UpDown7")->setValue(1);
        dialog.findChild<QCheckBox*>("DoubleDummyBox")
            ->setChecked(ending == TEnding::AnalysisCancelled);
        dialog.findChild<QPushButton*>("PrintBtn")->click();
        statusAfter = dialog.findChild<QStatusBar*>("StatusBar1")->currentMessage();
        closedItself = !dialog.isVisible();
        if (!closedItself) dialog.close();
    }

    // While deals are generated: notes the main window's ten symbol, and
    // breaks the type or cancels the analysis as the row asks.
    void Watch(TDefinitionForm& form, TEnding ending) {
        QWidget* dialog = PrintDialog();
        if (dialog == nullptr) return;
        const QString status = dialog->findChild<QStatusBar*>("StatusBar1")->currentMessage();
        if (status.startsWith("Generating hand ")) seenDuringRun << form.Options().TenSymbolSetting;
        // Hand 1 is dealt from the list as it was; hand 2 from this one.
        if (ending == TEnding::GeneratorGivesUp && status == "Generating hand 1")
            form.TypeList() = {TooNarrowType()};
        auto* progress = dialog->findChild<QProgressDialog*>("AnalysisProgress");
        if (ending == TEnding::AnalysisCancelled && progress != nullptr && !progress->wasCanceled())
            progress->cancel();
    }

    QTemporaryDir dir;
    QString oldDir = QDir::currentPath();
    TRecordedMessages messages;
    QStringList seenDuringRun;
    QString statusAfter;
    bool closedItself = false;
};

TEST_P(TenSymbolThroughARun, TheMainWindowKeepsTheUsersTenSymbol) {
    const TRunRow& row = GetParam();
    TProgram program(TSettingsStore::OpenFile(dir.filePath("settings.ini")),
                     QStringLiteral(KV_RECORD_LIB));
    TDefinitionForm& form = program.MainWindow();
    form.findChild<QAction*>("TenSymbol101")->trigger();
    ASSERT_EQ(form.Options().TenSymbolSetting, "10");

    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { Watch(form, row.Ending); });
    watch.start(0);
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = PrintDialog()) PrintFrom(*dialog, row.Ending);
    });
    form.findChild<QAction*>("PrintHandsAction")->trigger();
    watch.stop();

    EXPECT_EQ(closedItself, row.Ending == TEnding::Printed);
    if (row.Ending != TEnding::Printed) {
        EXPECT_EQ(statusAfter, row.Status);
    }
    EXPECT_FALSE(seenDuringRun.isEmpty());
    EXPECT_EQ(seenDuringRun.count("10"), seenDuringRun.size())
        << seenDuringRun.join(' ').toStdString();
    EXPECT_EQ(form.Options().TenSymbolSetting, "10");
    // The generator's own warning when it gives up, and nothing else.
    std::vector<QString> texts;
    for (const TShownMessage& shown : messages.Shown())
        texts.push_back(shown.Title + ": " + shown.Text);
    EXPECT_EQ(texts, row.Ending == TEnding::GeneratorGivesUp
                         ? std::vector<QString>{QStringLiteral("Warning: ") +
                                                QString::fromLatin1(msg::kTooNarrow)}
                         : std::vector<QString>{});
}

INSTANTIATE_TEST_SUITE_P(PrintRun, TenSymbolThroughARun, ::testing::ValuesIn(kRunRows),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
