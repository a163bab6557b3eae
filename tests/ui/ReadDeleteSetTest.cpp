// Reading a stored set into the window and deleting sets from the Read From
// File dialog.
#include "ParamSetTestUtil.h"

#include "ui/paramsets/ParamSetMessages.h"
#include "ui/paramsets/ReadFromFileForm.h"
#include "ui/paramsets/src/SetListBox.h"

#include <QPushButton>
#include <QTest>

namespace kv::test {
namespace {

class TReadTest : public TParamSetTest {
  protected:
    // Stores sets straight into a new database, then starts.
    void StartWith(const std::vector<TSetRecord>& records) {
        WriteParamsFile(kDatabaseFileName, records);
        Start();
    }
    void ClickIn(TReadFromFileForm& form, const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    // Starts with sets "a" and "b"; then another program deletes "b" and saves
    // "intruder", which takes b's record, while the list still shows "b" there.
    void StartAndLetAnotherProgramReplaceB() {
        StartWith({SetOf("a", {TypeWith(1)}), SetOf("b", {TypeWith(2)})});
        DeleteParameterSet(kDatabaseFileName, 2);
        TQuietWarnings none;
        ASSERT_EQ(WriteParameterSet(kDatabaseFileName, SetOf("intruder", {TypeWith(7)}), none)
                      .RecordNumber,
                  2);
    }
    struct TQuietWarnings : IWarningSink {
        void ShowWarning(const std::string&) override {}
    };
    void Choose(TReadFromFileForm& form, const QString& name) {
        TSetListBox& list = form.SetNameList();
        const QListWidgetItem* item = list.findItems(name, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
    }
};

std::vector<int> Frequencies(const std::vector<THandParam>& types) {
    std::vector<int> f;
    for (const THandParam& t : types)
        f.push_back(t.Frequency);
    return f;
}

TEST_F(TReadTest, ReadWithNoEntriesDoesNothing) {
    Start();
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) { ClickIn(form, "ReadBtn"); });
    sets->ReadSavedParameters();
    EXPECT_EQ(host.Reads, 0);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TReadTest, FrequencyZeroTypesAreDropped) {
    StartWith({SetOf("three", {TypeWith(100, 1), TypeWith(0, 2), TypeWith(50, 3)})});
    Read(QStringLiteral("three"));
    EXPECT_EQ(Frequencies(host.Types()), (std::vector<int>{100, 50}));
    EXPECT_EQ(host.Types()[1].SHCPMin, 3);
    EXPECT_EQ(host.TabCaptions(),
              (QStringList{QStringLiteral("Type &1"), QStringLiteral("Type &2")}));
    EXPECT_EQ(host.Tabs().currentIndex(), 0);
    EXPECT_EQ(host.Total(), QStringLiteral("of 150"));
}

TEST_F(TReadTest, FirstTypeKeepsItsStoredFrequency) {
    StartWith({SetOf("fifty", {TypeWith(50)})});
    host.Editor.SetFrequency(30);
    Read(QStringLiteral("fifty"));
    EXPECT_EQ(host.Types()[0].Frequency, 50);
    EXPECT_EQ(host.Editor.Frequency(), 50);
}

TEST_F(TReadTest, OneTypeSetOverThreeTabsLeavesOneTab) {
    StartWith({SetOf("single", {TypeWith(40, 12)})});
    host.SetTypes({TypeWith(100), TypeWith(200), TypeWith(300)}, 2);
    Read(QStringLiteral("single"));
    EXPECT_EQ(host.TabCaptions(), QStringList{QStringLiteral("Type &1")});
    ASSERT_EQ(host.Types().size(), 1u);
    EXPECT_EQ(host.Types()[0], TypeWith(40, 12));
    EXPECT_EQ(host.Editor.EditorType().SHCPMin, 12);
    EXPECT_EQ(host.Total(), QStringLiteral("of 40"));
}

TEST_F(TReadTest, DoubleClickReadsAtOnce) {
    StartWith({SetOf("first", {TypeWith(10)}), SetOf("second", {TypeWith(20), TypeWith(30)})});
    Read(QStringLiteral("second"), true);
    EXPECT_EQ(host.Reads, 1);
    EXPECT_EQ(Frequencies(host.Types()), (std::vector<int>{20, 30}));
}

TEST_F(TReadTest, CancelReadsNothing) {
    StartWith({SetOf("first", {TypeWith(10)})});
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) { ClickIn(form, "CancelBtn"); });
    sets->ReadSavedParameters();
    EXPECT_EQ(host.Reads, 0);
}

TEST_F(TReadTest, SetWithEveryFrequencyZeroLeavesTheWindowUnchanged) {
    StartWith({SetOf("zeros", {TypeWith(0), TypeWith(0)})});
    host.SetTypes({TypeWith(100), TypeWith(200)});
    Read(QStringLiteral("zeros"));
    EXPECT_EQ(host.Reads, 0);
    EXPECT_EQ(Frequencies(host.Types()), (std::vector<int>{100, 200}));
    EXPECT_EQ(Messages(), QStringList{setmsg::NothingToRead(QStringLiteral("zeros"))});
}

TEST_F(TReadTest, RejectedTypeTextLeavesTheWindowUnchanged) {
    TSetRecord bad = SetOf("bad", {TypeWith(100), TypeWith(100)});
    SetSlotText(bad, 1, "47100D0D0D0D1049102510251025102510470D0D0D0D1049102510251025102500000064");
    StartWith({bad});
    Read(QStringLiteral("bad"));
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("Error reading parameters.")});
    EXPECT_EQ(host.Reads, 0);
}

TEST_F(TReadTest, NonDigitInTypeTextIsAConversionError) {
    TSetRecord bad = SetOf("bad", {TypeWith(100)});
    SetSlotText(bad, 0, "1X470D0D0D0D1049102510251025102510470D0D0D0D1049102510251025102500000064");
    StartWith({bad});
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) { ClickIn(form, "ReadBtn"); });
    EXPECT_THROW(sets->ReadSavedParameters(), EConvertError);
    EXPECT_EQ(host.Reads, 0);
}

TEST_F(TReadTest, DeleteAsksThenFreesTheRecordAndTheEntry) {
    StartWith({SetOf("a", {TypeWith(1)}), SetOf("b", {TypeWith(2)}), SetOf("c", {TypeWith(3)})});
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) {
        Choose(form, QStringLiteral("b"));
        ClickIn(form, "DeleteBtn");
        EXPECT_EQ(Messages(), QStringList{QStringLiteral("Delete 'b'?")});
        EXPECT_EQ(messages.Shown().front().Kind, TMessageKind::Confirmation);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.SetNameList().FirstSelection(), -1);
        ClickIn(form, "CancelBtn");
    });
    sets->ReadSavedParameters();
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"a", 1}, {"c", 3}}));
    const TBytes db = Database();
    EXPECT_EQ(db.size(), 4 * kRecordSize);
    EXPECT_EQ(RecordOf(db, 2), TBytes(kRecordSize, 0));
}

TEST_F(TReadTest, DeleteThenSaveReusesTheRecordNumber) {
    StartWith({SetOf("a", {TypeWith(1)}), SetOf("b", {TypeWith(2)}), SetOf("c", {TypeWith(3)})});
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) {
        Choose(form, QStringLiteral("b"));
        ClickIn(form, "DeleteBtn");
        ClickIn(form, "CancelBtn");
    });
    sets->ReadSavedParameters();
    Save(QStringLiteral("new"));
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"a", 1}, {"c", 3}, {"new", 2}}));
    EXPECT_EQ(Database().size(), 4 * kRecordSize);
}

TEST_F(TReadTest, DeleteAnsweredNoKeepsTheSet) {
    StartWith({SetOf("a", {TypeWith(1)})});
    const TBytes before = Database();
    TMessageSeam::SetNextAnswers({false});
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) {
        ClickIn(form, "DeleteBtn");
        ClickIn(form, "CancelBtn");
    });
    sets->ReadSavedParameters();
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"a", 1}}));
    EXPECT_EQ(Database(), before);
}

TEST_F(TReadTest, DeleteWithNothingSelectedAsksNothing) {
    StartWith({SetOf("a", {TypeWith(1)})});
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) {
        form.SetNameList().clearSelection();
        ClickIn(form, "DeleteBtn");
        ClickIn(form, "CancelBtn");
    });
    sets->ReadSavedParameters();
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Listed().size(), 1u);
}

TEST_F(TReadTest, ReadOfASetAnotherProgramReplacedReadsNothingAndListsAgain) {
    StartAndLetAnotherProgramReplaceB();
    Read(QStringLiteral("b"));
    EXPECT_EQ(host.Reads, 0);
    EXPECT_EQ(Messages(), QStringList{setmsg::SetChanged(QStringLiteral("b"))});
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"a", 1}, {"intruder", 2}}));
}

TEST_F(TReadTest, DeleteOfASetAnotherProgramReplacedDeletesNothingAndListsAgain) {
    StartAndLetAnotherProgramReplaceB();
    const TBytes before = Database();
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) {
        Choose(form, QStringLiteral("b"));
        ClickIn(form, "DeleteBtn");
        EXPECT_TRUE(form.isVisible());
        ClickIn(form, "CancelBtn");
    });
    sets->ReadSavedParameters();
    EXPECT_EQ(Messages(), (QStringList{QStringLiteral("Delete 'b'?"),
                                       setmsg::SetChanged(QStringLiteral("b"))}));
    EXPECT_EQ(Database(), before);
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"a", 1}, {"intruder", 2}}));
}

TEST_F(TReadTest, FailedDeleteIsReportedAndKeepsTheEntry) {
    StartWith({SetOf("a", {TypeWith(1)})});
    std::filesystem::remove(Folder() / kDatabaseFileName);
    std::filesystem::create_directory(Folder() / kDatabaseFileName);
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) {
        ClickIn(form, "DeleteBtn");
        ClickIn(form, "CancelBtn");
    });
    sets->ReadSavedParameters();
    EXPECT_EQ(host.Errors.size(), 1u);
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"a", 1}}));
}

TEST_F(TReadTest, TwoSetsOfEqualNameAreReadByRecordNumber) {
    StartWith({SetOf("twin", {TypeWith(11)}), SetOf("twin", {TypeWith(22)})});
    driver.Then<TReadFromFileForm>([this](TReadFromFileForm& form) {
        form.SetNameList().setCurrentRow(1);
        ClickIn(form, "ReadBtn");
    });
    sets->ReadSavedParameters();
    EXPECT_EQ(Frequencies(host.Types()), (std::vector<int>{22}));
}

} // namespace
} // namespace kv::test
