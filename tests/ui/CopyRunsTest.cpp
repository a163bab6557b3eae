// Copying sets between the database and other files: the file checks, the
// database guard, the rename pass and what each run writes.
#include "ParamSetTestUtil.h"

#include "ui/paramsets/ParamSetMessages.h"
#include "ui/paramsets/ReadFromFileForm.h"
#include "ui/paramsets/src/CopyParamsDlg.h"
#include "ui/paramsets/src/DupeNameDlg.h"
#include "ui/paramsets/src/SetListBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kv::test {
namespace {

class TCopyRunTest : public TParamSetTest {
  protected:
    void Click(QDialog& dlg, const char* name) {
        QTest::mouseClick(dlg.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    TSetListBox& List(QDialog& dlg, const char* name) {
        return *dlg.findChild<TSetListBox*>(QString::fromLatin1(name));
    }
    // Chooses the named source sets one by one with ">", so they are copied in this order.
    void Choose(TCopyParamsDlg& dlg, std::initializer_list<const char*> names) {
        TSetListBox& src = List(dlg, "SrcList");
        for (const char* name : names) {
            src.clearSelection();
            src.findItems(QString::fromLatin1(name), Qt::MatchExactly).value(0)->setSelected(true);
            Click(dlg, "IncludeBtn");
        }
    }
    // Gives the Duplicate Name dialog this new name and presses OK.
    void RenameNext(const QString& expectedOld, const QString& newName) {
        driver.Then<TDupeNameDlg>([=, this](TDupeNameDlg& dlg) {
            EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("Label3"))->text(), expectedOld);
            EXPECT_EQ(dlg.NameEdit()->text(), expectedOld);
            EXPECT_EQ(dlg.NameEdit()->selectedText(), expectedOld);
            dlg.NameEdit()->setText(newName);
            Click(dlg, "OKBtn");
        });
    }
    void CancelNextRename() {
        driver.Then<TDupeNameDlg>([this](TDupeNameDlg& dlg) { Click(dlg, "CancelBtn"); });
    }
    // The database holds these sets of one type each (frequency = position).
    void StartWithDatabase(const std::vector<std::string>& names) {
        std::vector<TSetRecord> records;
        for (std::size_t i = 0; i < names.size(); ++i)
            records.push_back(SetOf(names[i], {TypeWith(static_cast<int>(i) + 1)}));
        WriteParamsFile(kDatabaseFileName, records);
        Start();
    }
    // Runs one export through the dialog, choosing names, copying to path.
    void ExportOnce(std::initializer_list<const char*> names, const std::optional<QString>& path) {
        TFileDialogSeam::SetNextAnswers({path});
        driver.Then<TCopyParamsDlg>([=, this](TCopyParamsDlg& dlg) {
            Choose(dlg, names);
            Click(dlg, "NextBtn");
            Click(dlg, "CancelBtn");
        });
        sets->CopyToOtherFile();
    }
    // Another program deletes the set at record and saves one under name, which
    // takes its record.
    void LetAnotherProgramReplace(const std::string& file, std::int32_t record,
                                  const std::string& name) {
        DeleteParameterSet(file, record);
        TSilentWarnings none;
        ASSERT_EQ(WriteParameterSet(file, SetOf(name, {TypeWith(7)}), none).RecordNumber, record);
    }
    std::vector<TSetEntry> SetsIn(const std::string& name) {
        std::vector<TSetEntry> held;
        TSilentWarnings none;
        ListParameterSets(held, PathOf(name), none);
        return held;
    }
    struct TSilentWarnings : IWarningSink {
        void ShowWarning(const std::string&) override {}
    };
};

TEST_F(TCopyRunTest, ExportToANewFileWritesTheChosenOrderWithoutRenaming) {
    StartWithDatabase({"a", "b", "c"});
    ExportOnce({"c", "a"}, QPathOf("out.SAV"));
    const TBytes out = ReadBytes(Folder() / "out.SAV");
    const TBytes db = Database();
    ASSERT_EQ(out.size(), 3 * kRecordSize);
    EXPECT_EQ(RecordOf(out, 0), RecordOf(db, 0));
    EXPECT_EQ(RecordOf(out, 1), RecordOf(db, 3));
    EXPECT_EQ(RecordOf(out, 2), RecordOf(db, 1));
    ASSERT_EQ(fileDialogs.Requests().size(), 1u);
    const TFileDialogRequest& asked = fileDialogs.Requests().front();
    EXPECT_EQ(asked.Kind, TFileDialogKind::Save);
    EXPECT_EQ(asked.Filter, QStringLiteral("Saved parameter files|*.SAV|All files|*.*"));
    EXPECT_EQ(asked.DefaultExtension, QStringLiteral("SAV"));
    EXPECT_TRUE(Messages().isEmpty());
}

// A save dialog that requires an existing folder: the user is told and asked again.
TEST_F(TCopyRunTest, ExportToAFileInAMissingFolderAsksAgain) {
    StartWithDatabase({"a"});
    TFileDialogSeam::SetNextAnswers({QPathOf("gone/out.SAV"), QPathOf("out.SAV")});
    driver.Then<TCopyParamsDlg>([this](TCopyParamsDlg& dlg) {
        Choose(dlg, {"a"});
        Click(dlg, "NextBtn");
        Click(dlg, "CancelBtn");
    });
    sets->CopyToOtherFile();
    EXPECT_EQ(Messages(), QStringList{setmsg::FolderMissing(QPathOf("gone"))});
    EXPECT_EQ(fileDialogs.Requests().size(), 2u);
    EXPECT_TRUE(host.Errors.empty());
    EXPECT_EQ(SetsIn("out.SAV"), (std::vector<TSetEntry>{{"a", 1}}));
    EXPECT_FALSE(std::filesystem::exists(Folder() / "gone"));
}

// The chosen sets are all checked against the database before any is written.
TEST_F(TCopyRunTest, ExportOfASetAnotherProgramReplacedCopiesNothingAndListsAgain) {
    StartWithDatabase({"a", "b"});
    TFileDialogSeam::SetNextAnswers({QPathOf("out.SAV")});
    driver.Then<TCopyParamsDlg>([this](TCopyParamsDlg& dlg) {
        Choose(dlg, {"a", "b"});
        LetAnotherProgramReplace(kDatabaseFileName, 2, "intruder");
        Click(dlg, "NextBtn");
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(List(dlg, "SrcList").Entries(),
                  (std::vector<TSetEntry>{{"a", 1}, {"intruder", 2}}));
        EXPECT_TRUE(List(dlg, "DstList").Entries().empty());
        Click(dlg, "CancelBtn");
    });
    sets->CopyToOtherFile();
    EXPECT_EQ(Messages(),
              QStringList{setmsg::CopySourceChanged(QStringLiteral("b"), setmsg::kYourDatabase)});
    EXPECT_FALSE(std::filesystem::exists(Folder() / "out.SAV"));
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"a", 1}, {"intruder", 2}}));
}

TEST_F(TCopyRunTest, SeveralExportsBeforeCancelKeepTheListsAndAppend) {
    StartWithDatabase({"a", "b"});
    TFileDialogSeam::SetNextAnswers({QPathOf("one.SAV"), QPathOf("two.SAV")});
    driver.Then<TCopyParamsDlg>([this](TCopyParamsDlg& dlg) {
        Choose(dlg, {"a"});
        Click(dlg, "NextBtn");
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(List(dlg, "DstList").Names(), std::vector<std::string>{"a"});
        Choose(dlg, {"b"});
        Click(dlg, "NextBtn");
        Click(dlg, "CancelBtn");
    });
    sets->CopyToOtherFile();
    EXPECT_EQ(SetsIn("one.SAV"), (std::vector<TSetEntry>{{"a", 1}}));
    EXPECT_EQ(SetsIn("two.SAV"), (std::vector<TSetEntry>{{"a", 1}, {"b", 2}}));
}

TEST_F(TCopyRunTest, CancelledSaveDialogCopiesNothing) {
    StartWithDatabase({"a"});
    ExportOnce({"a"}, std::nullopt);
    EXPECT_EQ(fileDialogs.Requests().size(), 1u);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), {}), 2)
        << "PARAMS.SAV and settings only";
}

TEST_F(TCopyRunTest, CaseOnlyDuplicateIsRenamedEvenToTheTargetsSpelling) {
    StartWithDatabase({"opening"});
    WriteParamsFile("club.SAV", {SetOf("Opening", {TypeWith(9)})});
    RenameNext(QStringLiteral("opening"), QStringLiteral("Opening"));
    ExportOnce({"opening"}, QPathOf("club.SAV"));
    EXPECT_EQ(SetsIn("club.SAV"), (std::vector<TSetEntry>{{"Opening", 1}, {"Opening", 2}}));
    const TBytes copied = RecordOf(ReadBytes(Folder() / "club.SAV"), 2);
    TBytes expected = RecordOf(Database(), 1);
    expected[1] = 'O';
    EXPECT_EQ(copied, expected) << "only the name changes";
}

TEST_F(TCopyRunTest, RenameRefusesAnEmptyNameAndTheOldName) {
    StartWithDatabase({"x"});
    WriteParamsFile("t.SAV", {SetOf("X", {TypeWith(9)})});
    driver.Then<TDupeNameDlg>([this](TDupeNameDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Duplicate Name for Parameters"));
        dlg.NameEdit()->clear();
        Click(dlg, "OKBtn");
        EXPECT_EQ(Messages(), QStringList{QStringLiteral("You must supply a name.")});
        EXPECT_TRUE(dlg.isVisible());
        dlg.NameEdit()->setText(QStringLiteral("x"));
        Click(dlg, "OKBtn");
        EXPECT_EQ(Messages().back(), QStringLiteral("You must supply a new name."));
        EXPECT_EQ(dlg.NameEdit()->selectedText(), QStringLiteral("x"));
        EXPECT_TRUE(dlg.isVisible());
        dlg.NameEdit()->setText(QStringLiteral("x2"));
        Click(dlg, "OKBtn");
    });
    ExportOnce({"x"}, QPathOf("t.SAV"));
    EXPECT_EQ(SetsIn("t.SAV"), (std::vector<TSetEntry>{{"X", 1}, {"x2", 2}}));
}

TEST_F(TCopyRunTest, RenameRefusesANameTheFilesCannotHold) {
    StartWithDatabase({"x"});
    WriteParamsFile("t.SAV", {SetOf("x", {TypeWith(9)})});
    driver.Then<TDupeNameDlg>([this](TDupeNameDlg& dlg) {
        dlg.NameEdit()->setText(QStringLiteral("x \u2660"));
        Click(dlg, "OKBtn");
        ASSERT_EQ(Messages().size(), 1);
        EXPECT_TRUE(Messages().front().contains(QStringLiteral("U+2660")));
        EXPECT_TRUE(dlg.isVisible());
        dlg.NameEdit()->setText(QStringLiteral("x spades"));
        Click(dlg, "OKBtn");
    });
    ExportOnce({"x"}, QPathOf("t.SAV"));
    EXPECT_EQ(SetsIn("t.SAV"), (std::vector<TSetEntry>{{"x", 1}, {"x spades", 2}}));
}

TEST_F(TCopyRunTest, RenameCancelAnsweredNoKeepsTheDialogOpen) {
    StartWithDatabase({"x"});
    WriteParamsFile("t.SAV", {SetOf("x", {TypeWith(9)})});
    driver.Then<TDupeNameDlg>([this](TDupeNameDlg& dlg) {
        TMessageSeam::SetNextAnswers({false});
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_EQ(Messages(), QStringList{QStringLiteral("Cancel copying of files?")});
        EXPECT_TRUE(dlg.isVisible());
        dlg.NameEdit()->setText(QStringLiteral("y"));
        Click(dlg, "OKBtn");
    });
    ExportOnce({"x"}, QPathOf("t.SAV"));
    EXPECT_EQ(SetsIn("t.SAV").size(), 2u);
}

TEST_F(TCopyRunTest, CancellingTheSecondOfThreeRenamesWritesNone) {
    StartWithDatabase({"a", "b", "c"});
    WriteParamsFile("t.SAV", {SetOf("A", {}), SetOf("B", {}), SetOf("C", {})});
    const TBytes before = ReadBytes(Folder() / "t.SAV");
    RenameNext(QStringLiteral("a"), QStringLiteral("a2"));
    CancelNextRename();
    ExportOnce({"a", "b", "c"}, QPathOf("t.SAV"));
    EXPECT_EQ(ReadBytes(Folder() / "t.SAV"), before);
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("Cancel copying of files?")});
}

TEST_F(TCopyRunTest, NewNamesAreNotComparedAgain) {
    StartWithDatabase({"a", "b"});
    WriteParamsFile("t.SAV", {SetOf("a", {})});
    RenameNext(QStringLiteral("a"), QStringLiteral("b"));
    ExportOnce({"a", "b"}, QPathOf("t.SAV"));
    EXPECT_EQ(SetsIn("t.SAV"), (std::vector<TSetEntry>{{"a", 1}, {"b", 2}, {"b", 3}}));
}

TEST_F(TCopyRunTest, ExportIntoTheDatabaseIsRefusedHoweverItsPathIsWritten) {
    StartWithDatabase({"a"});
    std::filesystem::create_directory(Folder() / "sub");
    std::filesystem::create_symlink(Folder() / kDatabaseFileName, Folder() / "link.SAV");
    const TBytes before = Database();
    for (const QString& path :
         {QPathOf("PARAMS.SAV"), QPathOf("sub/../PARAMS.SAV"), QPathOf("./PARAMS.SAV"),
          QStringLiteral("PARAMS.SAV"), QPathOf("link.SAV")}) {
        TMessageSeam::ClearShown();
        ExportOnce({"a"}, path);
        EXPECT_EQ(Messages(), QStringList{QStringLiteral(
                                  "Parameters may not be copied back into your database.")})
            << path.toStdString();
        EXPECT_EQ(Database(), before);
    }
}

TEST_F(TCopyRunTest, AFileNamedLikeTheDatabaseInAnotherFolderIsNotTheDatabase) {
    StartWithDatabase({"a"});
    std::filesystem::create_directory(Folder() / "program");
    ExportOnce({"a"}, QPathOf("program/PARAMS.SAV"));
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(SetsIn("program/PARAMS.SAV"), (std::vector<TSetEntry>{{"a", 1}}));
}

TEST_F(TCopyRunTest, ExportToAZeroLengthFileIsRefused) {
    StartWithDatabase({"a"});
    WriteBytes(Folder() / "empty.SAV", {});
    ExportOnce({"a"}, QPathOf("empty.SAV"));
    EXPECT_EQ(Messages(), QStringList{QStringLiteral(
                              "'empty.SAV' is not a valid parameters file for this program.")});
    EXPECT_TRUE(ReadBytes(Folder() / "empty.SAV").empty());
}

TEST_F(TCopyRunTest, ExportedSetThatFailsValidationIsCopiedAnyway) {
    TSetRecord bad = SetOf("bad", {TypeWith(100)});
    SetSlotText(bad, 0, "47100D0D0D0D1049102510251025102510470D0D0D0D1049102510251025102500000064");
    WriteParamsFile(kDatabaseFileName, {bad});
    Start();
    ExportOnce({"bad"}, QPathOf("out.SAV"));
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("Error reading parameters.")});
    EXPECT_EQ(RecordOf(ReadBytes(Folder() / "out.SAV"), 1), TBytes(bad.begin(), bad.end()));
}

// ---- into the database

TEST_F(TCopyRunTest, ImportFromAZeroLengthFileIsRefused) {
    Start();
    WriteBytes(Folder() / "empty.SAV", {});
    TFileDialogSeam::SetNextAnswers({QPathOf("empty.SAV")});
    sets->CopyFromOtherFile();
    EXPECT_EQ(Messages(), QStringList{QStringLiteral(
                              "'empty.SAV' is not a valid parameters file for this program.")});
    ASSERT_EQ(fileDialogs.Requests().size(), 1u);
    EXPECT_EQ(fileDialogs.Requests().front().Kind, TFileDialogKind::Open);
    EXPECT_EQ(fileDialogs.Requests().front().Filter,
              QStringLiteral("Saved parameter files|*.SAV|All files|*.*"));
    EXPECT_EQ(fileDialogs.Requests().front().DefaultExtension, QStringLiteral("SAV"));
}

TEST_F(TCopyRunTest, ImportFromAnotherHeaderVersionIsRefused) {
    Start();
    TSetRecord header = HeaderRecord();
    header[48] = '1'; // "(Version 2.1)"
    WriteBytes(Folder() / "v21.SAV", TBytes(header.begin(), header.end()));
    TFileDialogSeam::SetNextAnswers({QPathOf("v21.SAV")});
    sets->CopyFromOtherFile();
    EXPECT_EQ(Messages(), QStringList{QStringLiteral(
                              "'v21.SAV' is not a valid parameters file for this program.")});
}

TEST_F(TCopyRunTest, ImportFromTheDatabaseIsRefused) {
    Start();
    TFileDialogSeam::SetNextAnswers({QPathOf("sub/../PARAMS.SAV")});
    std::filesystem::create_directory(Folder() / "sub");
    sets->CopyFromOtherFile();
    EXPECT_EQ(Messages(), QStringList{QStringLiteral(
                              "Database parameters may not be copied back into the database.")});
}

TEST_F(TCopyRunTest, ImportedNamesAreListedAndReadableAtOnce) {
    StartWithDatabase({"mine"});
    WriteParamsFile("friend.SAV",
                    {SetOf("y", {TypeWith(70), TypeWith(30)}), SetOf("x", {TypeWith(5)})});
    TFileDialogSeam::SetNextAnswers({QPathOf("friend.SAV")});
    driver.Then<TCopyParamsDlg>([this](TCopyParamsDlg& dlg) {
        Click(dlg, "IncAllBtn");
        Click(dlg, "NextBtn");
        EXPECT_FALSE(dlg.isVisible()) << "one copy into the database closes the dialog";
    });
    sets->CopyFromOtherFile();
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"mine", 1}, {"x", 2}, {"y", 3}}));
    Read(QStringLiteral("y"));
    ASSERT_EQ(host.Types().size(), 2u);
    EXPECT_EQ(host.Types()[0].Frequency, 70);
}

TEST_F(TCopyRunTest, ImportRenamesANameTheDatabaseHolds) {
    StartWithDatabase({"Slam"});
    WriteParamsFile("friend.SAV", {SetOf("SLAM", {TypeWith(5)})});
    TFileDialogSeam::SetNextAnswers({QPathOf("friend.SAV")});
    driver.Then<TCopyParamsDlg>([this](TCopyParamsDlg& dlg) {
        Click(dlg, "IncAllBtn");
        Click(dlg, "NextBtn");
    });
    RenameNext(QStringLiteral("SLAM"), QStringLiteral("Slam from a friend"));
    sets->CopyFromOtherFile();
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"Slam", 1}, {"Slam from a friend", 2}}));
}

TEST_F(TCopyRunTest, ImportStoppedByAnErrorKeepsDatabaseAndListInStep) {
    StartWithDatabase({});
    WriteParamsFile("friend.SAV", {SetOf("a", {TypeWith(1)}), SetOf("b", {TypeWith(2)})});
    TFileDialogSeam::SetNextAnswers({QPathOf("friend.SAV")});
    driver.Then<TCopyParamsDlg>([this](TCopyParamsDlg& dlg) {
        Click(dlg, "IncAllBtn");
        std::filesystem::remove(Folder() / "friend.SAV");
        std::filesystem::create_directory(Folder() / "friend.SAV");
        Click(dlg, "NextBtn");
    });
    sets->CopyFromOtherFile();
    ASSERT_EQ(host.Errors.size(), 1u);
    EXPECT_TRUE(Listed().empty());
    EXPECT_EQ(Database().size(), kRecordSize);
}

TEST_F(TCopyRunTest, ImportOfASetAnotherProgramReplacedCopiesNothingAndListsAgain) {
    StartWithDatabase({"mine"});
    WriteParamsFile("friend.SAV", {SetOf("a", {TypeWith(1)}), SetOf("b", {TypeWith(2)})});
    const TBytes before = Database();
    TFileDialogSeam::SetNextAnswers({QPathOf("friend.SAV")});
    driver.Then<TCopyParamsDlg>([this](TCopyParamsDlg& dlg) {
        Click(dlg, "IncAllBtn");
        LetAnotherProgramReplace(PathOf("friend.SAV"), 2, "other");
        Click(dlg, "NextBtn");
        EXPECT_TRUE(dlg.isVisible()) << "the user may choose again";
        EXPECT_EQ(List(dlg, "SrcList").Entries(), (std::vector<TSetEntry>{{"a", 1}, {"other", 2}}));
        Click(dlg, "CancelBtn");
    });
    sets->CopyFromOtherFile();
    EXPECT_EQ(Messages(), QStringList{setmsg::CopySourceChanged(QStringLiteral("b"),
                                                                QStringLiteral("friend.SAV"))});
    EXPECT_EQ(Database(), before);
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"mine", 1}}));
}

TEST_F(TCopyRunTest, ImportIntoADatabaseWithARefusedHeaderListsNothing) {
    Start();
    TBytes db = Database();
    db[3] = '?';
    WriteBytes(Folder() / kDatabaseFileName, db);
    WriteParamsFile("friend.SAV", {SetOf("a", {}), SetOf("b", {})});
    TFileDialogSeam::SetNextAnswers({QPathOf("friend.SAV")});
    driver.Then<TCopyParamsDlg>([this](TCopyParamsDlg& dlg) {
        Click(dlg, "IncAllBtn");
        Click(dlg, "NextBtn");
    });
    sets->CopyFromOtherFile();
    EXPECT_EQ(Messages(),
              QStringList{QStringLiteral("'PARAMS.SAV' is not a valid parameter file.")});
    EXPECT_TRUE(Listed().empty());
    EXPECT_EQ(Database(), db);
}

} // namespace
} // namespace kv::test
