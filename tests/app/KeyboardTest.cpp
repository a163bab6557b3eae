// Everything a mouse user can do, a keyboard user can: no two items of one
// window answer to the same Alt+letter, every toolbar action has a key shown
// in a visible menu, and Tab reaches the Min and Max buttons.
#include "Accelerators.h"
#include "app/src/Program.h"
#include "ui/common/MessageSeam.h"
#include "ui/help/src/HelpWindow.h"
#include "ui/mainwindow/src/BoundButton.h"
#include "ui/mainwindow/src/EditorPage.h"
#include "ui/mainwindow/src/TrackBar.h"
#include "ui/paramsets/ParamSetActions.h"
#include "ui/paramsets/ReadFromFileForm.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <set>

using namespace kv;
using namespace kv::test;

namespace {

struct KeyboardFixture {
    QTemporaryDir dir;
    QString oldDir = QDir::currentPath();
    TRecordedMessages messages;
    std::unique_ptr<TProgram> program;

    KeyboardFixture() {
        QDir::setCurrent(dir.path());
        program = std::make_unique<TProgram>(TSettingsStore::OpenFile(dir.filePath("settings.ini")),
                                             QStringLiteral(KV_REAL_PRINT_LIB));
    }
    ~KeyboardFixture() {
        program.reset();
        QDir::setCurrent(oldDir);
    }
    TDefinitionForm& Form() const { return program->MainWindow(); }
    QAction* Action(const char* name) const {
        return Form().findChild<QAction*>(QString::fromLatin1(name));
    }
};

// Each window of the program: one shown modally by a main-window action, or
// one the program keeps.
struct TWindowRow {
    const char* Name;
    const char* Action;
    std::function<QWidget*(TProgram&)> Kept;
    bool Marked = true; // the window has accelerators at all
};

void PrintTo(const TWindowRow& row, std::ostream* out) {
    *out << row.Name;
}

const TWindowRow kWindows[] = {
    {"MainWindow", nullptr, [](TProgram& p) { return &p.MainWindow(); }},
    {"HandsWindow", nullptr, [](TProgram& p) { return &p.HandsWindow(); }},
    {"HelpWindow", nullptr, [](TProgram& p) { return p.Help().Window(); }},
    {"ReadFromFile", nullptr, [](TProgram& p) { return p.ParamSets().ReadFromFileForm(); }},
    {"PrintDialog", "PrintHandsAction", {}},
    {"AboutBox", "About1", {}, false},
    {"ConfusionAlert", "AddTypeAction", {}, false},
    {"Synchronize", "Synchronize1", {}, false},
    {"NameForSavedParameters", "SaveParams1", {}, false},
};

void ExpectNoClash(QWidget& window, bool marked) {
    const TAcceleratorScopes scopes(window);
    EXPECT_EQ(scopes.Texts().isEmpty(), !marked) << scopes.Texts().join(' ').toStdString();
    for (const QString& clash : scopes.Clashes())
        ADD_FAILURE() << clash.toStdString();
}

struct Accelerators : KeyboardFixture, ::testing::TestWithParam<TWindowRow> {};

} // namespace

TEST_P(Accelerators, NoTwoVisibleItemsOfAWindowShareALetter) {
    const TWindowRow& row = GetParam();
    if (row.Kept) {
        QWidget* window = row.Kept(*program);
        ASSERT_NE(window, nullptr);
        ExpectNoClash(*window, row.Marked);
        return;
    }
    bool seen = false;
    QTimer::singleShot(0, [&seen, &row] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        seen = true;
        ExpectNoClash(*modal, row.Marked);
        modal->reject();
    });
    Action(row.Action)->trigger();
    EXPECT_TRUE(seen) << row.Name << " did not open";
}

INSTANTIATE_TEST_SUITE_P(Program, Accelerators, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.Name); });

namespace {

struct Keyboard : KeyboardFixture, ::testing::Test {
    void ShowActive() const {
        Form().Options().WarnOnNewTypes = false;
        Form().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
        QApplication::setActiveWindow(&Form());
    }
    TTrackBar* Track(TEditorRow row) const { return Form().EditorPage()->Track(row); }
    void Press(QKeyCombination key) const {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
};

bool InAVisibleMenu(const QAction& action) {
    for (QObject* owner : action.associatedObjects())
        if (const auto* menu = qobject_cast<QMenu*>(owner))
            if (menu->menuAction()->isVisible()) return true;
    return false;
}

} // namespace

TEST_F(Keyboard, EveryToolbarActionHasAKeyShownInAVisibleMenu) {
    QList<QAction*> actions = Form().findChild<QToolBar*>("ToolBar1")->actions();
    for (const char* name : {"ReadParams1", "SaveParams1", "Exit1"})
        actions.append(Action(name));
    int checked = 0;
    for (const QAction* action : actions) {
        if (action->isSeparator()) continue;
        ++checked;
        EXPECT_FALSE(action->shortcut().isEmpty()) << action->objectName().toStdString();
        EXPECT_TRUE(InAVisibleMenu(*action)) << action->objectName().toStdString();
    }
    EXPECT_EQ(checked, 10);
}

TEST_F(Keyboard, AddingDeletingAndClearingTypesByKeys) {
    ShowActive();
    Track(TEditorRow::SHCP)->setFocus();
    Press(Qt::CTRL | Qt::Key_T);
    Press(Qt::CTRL | Qt::Key_T);
    EXPECT_EQ(Form().TypeList().size(), 3u);
    Press(Qt::CTRL | Qt::Key_Delete);
    EXPECT_EQ(Form().TypeList().size(), 2u);
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    EXPECT_EQ(Form().TypeList().size(), 1u);
    Track(TEditorRow::SHCP)->setFocus();
    Press(Qt::Key_Right);
    EXPECT_EQ(Form().EditorPage()->MinButton(TEditorRow::SHCP)->text(), "1");
    Press(Qt::CTRL | Qt::Key_L);
    EXPECT_EQ(Form().EditorPage()->MinButton(TEditorRow::SHCP)->text(), "0");
}

TEST_F(Keyboard, TabReachesTheMinAndMaxButtonsAndSpacePressesThem) {
    for (const TEditorRow row : kAllEditorRows) {
        EXPECT_TRUE(Form().EditorPage()->MinButton(row)->focusPolicy() & Qt::TabFocus);
        EXPECT_TRUE(Form().EditorPage()->MaxButton(row)->focusPolicy() & Qt::TabFocus);
    }
    ShowActive();
    TEditorPage& page = *Form().EditorPage();
    std::set<QWidget*> reached;
    Track(TEditorRow::SHCP)->setFocus();
    for (int i = 0; i < 80; ++i) {
        Press(Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    for (const TEditorRow row : kAllEditorRows) {
        EXPECT_TRUE(reached.count(page.MinButton(row)))
            << page.MinButton(row)->objectName().toStdString();
        EXPECT_TRUE(reached.count(page.MaxButton(row)))
            << page.MaxButton(row)->objectName().toStdString();
    }
    Track(TEditorRow::SSpade)->setFocus();
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), page.MaxButton(TEditorRow::SSpade));
    Press(Qt::Key_Space);
    EXPECT_EQ(Form().Editor().Row(TEditorRow::SSpade).Pressed, TBound::Max);
    Press(Qt::SHIFT | Qt::Key_Backtab);
    Press(Qt::SHIFT | Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), page.MinButton(TEditorRow::SSpade));
    Press(Qt::Key_Space);
    EXPECT_EQ(Form().Editor().Row(TEditorRow::SSpade).Pressed, TBound::Min);
}

// The window whose keys an action answers: its nearest window up the
// parents that is no menu (a menu is a window of its own).
const QWidget* KeyWindow(const QObject* object) {
    for (; object != nullptr; object = object->parent())
        if (const auto* widget = qobject_cast<const QWidget*>(object))
            if (widget->isWindow() && qobject_cast<const QMenu*>(widget) == nullptr) return widget;
    return nullptr;
}

// Two actions of one window on one key: Qt calls the key ambiguous and
// neither answers it.
TEST_F(Keyboard, NoTwoActionsOfAWindowShareAKey) {
    for (QWidget* window :
         {static_cast<QWidget*>(&Form()), static_cast<QWidget*>(&program->HandsWindow())}) {
        std::map<QString, QString> owners;
        for (QAction* action : window->findChildren<QAction*>()) {
            if (KeyWindow(action) != window) continue;
            for (const QKeySequence& key : action->shortcuts()) {
                const auto [first, fresh] = owners.emplace(key.toString(), action->text());
                EXPECT_TRUE(fresh)
                    << window->objectName().toStdString() << " " << key.toString().toStdString()
                    << ": " << first->second.toStdString() << " | " << action->text().toStdString();
            }
        }
        EXPECT_GE(owners.size(), 12u) << window->objectName().toStdString();
    }
}

// The keys shown beside Synchronize, the Options items and Contents, and what
// they do. Shift+F1 opens the contents wherever the focus is; F1 alone still
// opens the topic of the control in use.
TEST_F(Keyboard, SynchronizeOptionsAndContentsAnswerTheirKeys) {
    const std::pair<const char*, QKeyCombination> keys[] = {
        {"Synchronize1", Qt::CTRL | Qt::Key_Y},
        {"TenSymbolT1", Qt::CTRL | Qt::SHIFT | Qt::Key_T},
        {"TenSymbol101", Qt::CTRL | Qt::SHIFT | Qt::Key_0},
        {"ColorPrinting1", Qt::CTRL | Qt::SHIFT | Qt::Key_C},
        {"Contents1", Qt::SHIFT | Qt::Key_F1}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(Action(name)->shortcut(), QKeySequence(key)) << name;

    ShowActive();
    Track(TEditorRow::SHCP)->setFocus();
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_0);
    EXPECT_EQ(Form().Options().TenSymbolSetting, "10");
    EXPECT_TRUE(Action("TenSymbol101")->isChecked());
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_T);
    EXPECT_EQ(Form().Options().TenSymbolSetting, "T");
    const bool colour = Form().Options().ColorPrinting;
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    EXPECT_NE(Form().Options().ColorPrinting, colour);

    QString opened;
    QTimer::singleShot(0, [&opened] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        opened = modal->objectName();
        modal->close();
    });
    Press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(opened, "SyncForm");

    QApplication::setActiveWindow(&Form());
    Track(TEditorRow::SHCP)->setFocus();
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(program->Help().Window()->CurrentPage(), "contents.html");
    QApplication::setActiveWindow(&Form());
    Track(TEditorRow::SHCP)->setFocus();
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(program->Help().Window()->CurrentPage(), "editor.html");
}
