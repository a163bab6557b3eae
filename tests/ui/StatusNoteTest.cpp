// The main window's status bar: a note such as "Hand records saved as ..."
// neither resizes the window nor outlives the user's next action there.
#include "MainWindowFixture.h"
#include "ui/mainwindow/src/TrackBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

using namespace kv;
using namespace kv::test;

namespace {

const QString kNote = QStringLiteral("Hand records saved as /tmp/<b>x</b>.pdf");

struct StatusNote : MainWindowFixture {
    void SetUp() override {
        CreateForm();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QApplication::setActiveWindow(form.get());
    }
    QLabel* Note() const { return form->findChild<QLabel*>(QStringLiteral("StatusLabel")); }
};

struct TNextAction {
    const char* Name;
    std::function<void(TDefinitionForm&)> Act;
};

const TNextAction kNextActions[] = {
    {"ClickOnATrackBar",
     [](TDefinitionForm& f) {
         QTest::mouseClick(f.EditorPage()->Track(TEditorRow::SHCP), Qt::LeftButton);
     }},
    {"ClickOnATab", [](TDefinitionForm& f) { QTest::mouseClick(f.Tabs(), Qt::LeftButton); }},
    {"KeyInTheFrequencyBox",
     [](TDefinitionForm& f) {
         QTest::keyClick(f.FrequencyPanel()->Edit()->lineEdit(), Qt::Key_Right);
     }},
};

} // namespace

TEST_F(StatusNote, KeepsTheWindowsSizeAndHasNoGrip) {
    const QSize size = form->size();
    const QSize client = form->centralWidget()->size();
    form->ShowStatus(kNote);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), size);
    EXPECT_EQ(form->centralWidget()->size(), client);
    EXPECT_TRUE(form->statusBar()->isVisible());
    EXPECT_EQ(form->statusBar()->geometry().bottom(), form->height() - 1)
        << "the bar lies inside the window's fixed size";
    EXPECT_FALSE(form->statusBar()->isSizeGripEnabled());
}

TEST_F(StatusNote, ShowsAFileNameAsPlainText) {
    form->ShowStatus(kNote);
    ASSERT_NE(Note(), nullptr);
    EXPECT_EQ(Note()->text(), kNote);
    EXPECT_EQ(Note()->textFormat(), Qt::PlainText);
}

TEST_F(StatusNote, ClearsAtTheNextActionInTheWindow) {
    for (const TNextAction& action : kNextActions) {
        form->ShowStatus(kNote);
        ASSERT_EQ(Note()->text(), kNote) << action.Name;
        action.Act(*form);
        EXPECT_EQ(Note()->text(), QString()) << action.Name;
    }
}

TEST_F(StatusNote, StaysWhileTheMousePassesAndForInputToOtherWindows) {
    form->ShowStatus(kNote);
    QTest::mouseMove(form->EditorPage());
    QWidget other;
    other.show();
    QTest::mouseClick(&other, Qt::LeftButton);
    QTest::keyClick(&other, Qt::Key_A);
    EXPECT_EQ(Note()->text(), kNote);
}
