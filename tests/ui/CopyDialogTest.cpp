// The Copy parameters dialog itself: captions, the arrow buttons with their
// enabling and selection rules, and the geometry that follows a resize.
#include "ParamSetTestUtil.h"
#include "ui/common/HelpContext.h"

#include "ui/paramsets/ReadFromFileForm.h"
#include "ui/paramsets/src/CopyParamsDlg.h"
#include "ui/paramsets/src/SetListBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocumentFragment>

namespace kv::test {
namespace {

class TCopyDialogTest : public TParamSetTest {
  protected:
    // A database of the named sets, and the dialog from it to another file.
    std::unique_ptr<TCopyParamsDlg> ExportDialog(const std::vector<std::string>& names) {
        std::vector<TSetRecord> records;
        for (const std::string& n : names)
            records.push_back(SetOf(n, {TypeWith(100)}));
        WriteParamsFile(kDatabaseFileName, records);
        Start();
        auto dlg = std::make_unique<TCopyParamsDlg>(
            true, QString(), sets->ReadFromFileForm()->SetNameList(), host, *store, host.Window());
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    static TSetListBox& List(TCopyParamsDlg& dlg, const char* name) {
        return *dlg.findChild<TSetListBox*>(QString::fromLatin1(name));
    }
    static QPushButton& Button(TCopyParamsDlg& dlg, const char* name) {
        return *dlg.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static void Click(TCopyParamsDlg& dlg, const char* name) {
        QTest::mouseClick(&Button(dlg, name), Qt::LeftButton);
    }
    static void Select(TSetListBox& list, std::initializer_list<int> rows) {
        list.clearSelection();
        for (int row : rows)
            list.item(row)->setSelected(true);
    }
    static std::vector<std::string> Names(const TSetListBox& list) { return list.Names(); }
    // Which of ">", ">>", "<", "<<", Next are enabled.
    static std::string Enabled(TCopyParamsDlg& dlg) {
        std::string s;
        for (const char* b : {"IncludeBtn", "IncAllBtn", "ExcludeBtn", "ExAllBtn", "NextBtn"})
            s += Button(dlg, b).isEnabled() ? '1' : '0';
        return s;
    }
};

TEST_F(TCopyDialogTest, ExportDirectionShowsTheDatabaseSets) {
    auto dlg = ExportDialog({"b", "a"});
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Copy parameters"));
    EXPECT_EQ(
        dlg->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
        QStringLiteral("Select parameter sets to be copied from your database to another file:"));
    EXPECT_EQ(dlg->findChild<QLabel*>(QStringLiteral("SrcLabel"))->text(),
              QStringLiteral("Parameter sets in your database:"));
    EXPECT_EQ(dlg->findChild<QLabel*>(QStringLiteral("DstLabel"))->text(),
              QStringLiteral("Parameter sets to be copied:"));
    EXPECT_EQ(Button(*dlg, "NextBtn").text(), QStringLiteral("&Next"));
    EXPECT_EQ(List(*dlg, "SrcList").Entries(), (std::vector<TSetEntry>{{"a", 2}, {"b", 1}}));
    EXPECT_EQ(List(*dlg, "DstList").count(), 0);
    EXPECT_EQ(Enabled(*dlg), "11000");
}

TEST_F(TCopyDialogTest, ImportDirectionNamesTheSourceFile) {
    WriteParamsFile("friend.SAV", {SetOf("theirs", {TypeWith(5)})});
    Start();
    TCopyParamsDlg dlg(false, QPathOf("friend.SAV"), sets->ReadFromFileForm()->SetNameList(), host,
                       *store, host.Window());
    EXPECT_EQ(
        dlg.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
        QStringLiteral("Select parameter sets to be copied from friend.SAV to your database:"));
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("SrcLabel"))->text(),
              QStringLiteral("Parameter sets in friend.SAV:"));
    EXPECT_EQ(Button(dlg, "NextBtn").text(), QStringLiteral("Co&py"));
    EXPECT_EQ(List(dlg, "SrcList").Entries(), (std::vector<TSetEntry>{{"theirs", 1}}));
}

// The file name is data: its label and tooltip show it as it is, never as markup.
TEST_F(TCopyDialogTest, MarkupInTheSourceFileNameIsShownAsText) {
    const std::string name = "<h1><font color=red>big.SAV"; // no closing tags: no slash
    WriteParamsFile(name, {SetOf("theirs", {TypeWith(5)})});
    Start();
    TCopyParamsDlg dlg(false, QPathOf(name), sets->ReadFromFileForm()->SetNameList(), host, *store,
                       host.Window());
    const auto* label = dlg.findChild<QLabel*>(QStringLiteral("SrcLabel"));
    const QString shown = QStringLiteral("Parameter sets in <h1><font color=red>big.SAV:");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), shown);
    EXPECT_EQ(QTextDocumentFragment::fromHtml(label->toolTip()).toPlainText(), shown);
}

TEST_F(TCopyDialogTest, EmptySourceLeavesNothingToInclude) {
    auto dlg = ExportDialog({});
    EXPECT_EQ(Enabled(*dlg), "00000");
}

TEST_F(TCopyDialogTest, ThreeIncludedAtOnceArriveInReverseOrderAndOnlyOnce) {
    auto dlg = ExportDialog({"one", "three", "two"});
    Select(List(*dlg, "SrcList"), {0, 1, 2});
    Click(*dlg, "IncludeBtn");
    EXPECT_EQ(Names(List(*dlg, "DstList")), (std::vector<std::string>{"two", "three", "one"}));
    EXPECT_EQ(Enabled(*dlg), "11111");
    Click(*dlg, "IncludeBtn");
    EXPECT_EQ(List(*dlg, "DstList").count(), 3);
}

TEST_F(TCopyDialogTest, IncludeSkipsANameChosenInOtherCase) {
    auto dlg = ExportDialog({"abc", "ABC"});
    Select(List(*dlg, "SrcList"), {0, 1});
    Click(*dlg, "IncludeBtn");
    EXPECT_EQ(List(*dlg, "DstList").Entries(), (std::vector<TSetEntry>{{"ABC", 2}}));
}

TEST_F(TCopyDialogTest, IncludeAllReplacesTheChoiceWithEverySetInOrder) {
    auto dlg = ExportDialog({"c", "a", "b"});
    Select(List(*dlg, "SrcList"), {2});
    Click(*dlg, "IncludeBtn");
    Click(*dlg, "IncAllBtn");
    EXPECT_EQ(Names(List(*dlg, "DstList")), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(TCopyDialogTest, ExcludeSelectsTheEntryAtTheFirstRemovedPlace) {
    auto dlg = ExportDialog({"a", "b", "c", "d"});
    Click(*dlg, "IncAllBtn");
    TSetListBox& dst = List(*dlg, "DstList");
    Select(dst, {1, 2});
    Click(*dlg, "ExcludeBtn");
    EXPECT_EQ(Names(dst), (std::vector<std::string>{"a", "d"}));
    EXPECT_EQ(dst.FirstSelection(), 1);
    EXPECT_EQ(dst.selectedItems().size(), 1);
    Select(dst, {1});
    Click(*dlg, "ExcludeBtn");
    EXPECT_EQ(Names(dst), (std::vector<std::string>{"a"}));
    EXPECT_EQ(dst.FirstSelection(), 0) << "past the end becomes the last entry";
    Click(*dlg, "ExcludeBtn");
    EXPECT_EQ(dst.count(), 0);
    EXPECT_EQ(Enabled(*dlg), "11000");
}

TEST_F(TCopyDialogTest, ExcludeWithNothingSelectedSelectsTheFirst) {
    auto dlg = ExportDialog({"a", "b"});
    Click(*dlg, "IncAllBtn");
    TSetListBox& dst = List(*dlg, "DstList");
    dst.clearSelection();
    Click(*dlg, "ExcludeBtn");
    EXPECT_EQ(dst.count(), 2);
    EXPECT_EQ(dst.FirstSelection(), 0);
}

TEST_F(TCopyDialogTest, ExcludeAllEmptiesTheChoice) {
    auto dlg = ExportDialog({"a", "b"});
    Click(*dlg, "IncAllBtn");
    Click(*dlg, "ExAllBtn");
    EXPECT_EQ(List(*dlg, "DstList").count(), 0);
    EXPECT_EQ(Enabled(*dlg), "11000");
}

TEST_F(TCopyDialogTest, DoubleClicksIncludeAndExclude) {
    WriteParamsFile(kDatabaseFileName, {SetOf("a", {}), SetOf("b", {})});
    Start();
    driver.Then<TCopyParamsDlg>([](TCopyParamsDlg& dlg) {
        TSetListBox& src = List(dlg, "SrcList");
        TSetListBox& dst = List(dlg, "DstList");
        const QPoint b = src.visualItemRect(src.item(1)).center();
        QTest::mouseClick(src.viewport(), Qt::LeftButton, {}, b);
        QTest::mouseDClick(src.viewport(), Qt::LeftButton, {}, b);
        EXPECT_EQ(Names(dst), (std::vector<std::string>{"b"}));
        const QPoint chosen = dst.visualItemRect(dst.item(0)).center();
        QTest::mouseClick(dst.viewport(), Qt::LeftButton, {}, chosen);
        QTest::mouseDClick(dst.viewport(), Qt::LeftButton, {}, chosen);
        EXPECT_EQ(dst.count(), 0);
        Click(dlg, "CancelBtn");
    });
    sets->CopyToOtherFile();
}

TEST_F(TCopyDialogTest, GeometryFollowsTheClientWidth) {
    auto dlg = ExportDialog({"a"});
    EXPECT_EQ(dlg->size(), QSize(442, 309));
    const auto check = [&](int width) {
        const int arrow = Button(*dlg, "IncludeBtn").width();
        const int list = (width - 3 * arrow) / 2;
        const QRect src = List(*dlg, "SrcList").geometry();
        const QRect dst = List(*dlg, "DstList").geometry();
        EXPECT_EQ(src.width(), list);
        EXPECT_EQ(dst.width(), list);
        EXPECT_EQ(width - (dst.x() + dst.width()), src.x());
        EXPECT_EQ(dlg->findChild<QLabel*>(QStringLiteral("DstLabel"))->x(), dst.x());
        for (const char* b : {"IncludeBtn", "IncAllBtn", "ExcludeBtn", "ExAllBtn"})
            EXPECT_EQ(Button(*dlg, b).x(), (width - arrow) / 2) << b;
    };
    check(442);
    dlg->resize(601, 420);
    QApplication::processEvents();
    check(601);
    EXPECT_EQ(store->ReadInt(setting::CopyFormWidth), 601);
    EXPECT_EQ(store->ReadInt(setting::CopyFormHeight), 420);
}

TEST_F(TCopyDialogTest, StoredSizeBelowTheMinimumIsRaisedAndStored) {
    store->WriteInt(setting::CopyFormWidth, 300);
    store->WriteInt(setting::CopyFormHeight, 200);
    auto dlg = ExportDialog({"a"});
    EXPECT_EQ(dlg->size(), QSize(442, 309));
    EXPECT_EQ(store->ReadInt(setting::CopyFormWidth), 442);
    EXPECT_EQ(store->ReadInt(setting::CopyFormHeight), 309);
    dlg->resize(100, 100);
    QApplication::processEvents();
    EXPECT_EQ(dlg->size(), QSize(442, 309));
}

TEST_F(TCopyDialogTest, HelpButtonOpensTheParameterSetsTopic) {
    auto dlg = ExportDialog({"a"});
    Click(*dlg, "HelpBtn");
    EXPECT_EQ(host.HelpContexts, std::vector<int>{5});
    EXPECT_EQ(OwnHelpContext(&List(*dlg, "SrcList")), 5);
}

} // namespace
} // namespace kv::test
