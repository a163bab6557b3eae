// Saving the window's types as a new set: the name dialog and its duplicate
// test, the record written, and SetNameList kept in step with the database.
#include "ParamSetTestUtil.h"

#include "storage/paramsfile/ParamsMessages.h"
#include "ui/paramsets/ParamSetMessages.h"
#include "ui/paramsets/ReadFromFileForm.h"
#include "ui/paramsets/src/SavedParametersNameDlg.h"
#include "ui/paramsets/src/SetListBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kv::test {
namespace {

using TSaveTest = TParamSetTest;

void ClickOK(QDialog& dlg) {
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
}

TEST_F(TSaveTest, StartCreatesTheDatabaseWithItsHeaderOnly) {
    Start();
    EXPECT_EQ(Database().size(), kRecordSize);
    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TSaveTest, SaveIntoEmptyDatabaseListsTheName) {
    Start();
    Save(QStringLiteral("abc"));
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"abc", 1}}));
    const TBytes db = Database();
    ASSERT_EQ(db.size(), 2 * kRecordSize);
    const TSetRecord expected = SetOf("abc", {THandParam{}});
    EXPECT_EQ(RecordOf(db, 1), TBytes(expected.begin(), expected.end()));

    driver.Then<TReadFromFileForm>([](TReadFromFileForm& form) {
        TSetListBox& list = form.SetNameList();
        ASSERT_EQ(list.count(), 1);
        EXPECT_EQ(list.item(0)->text(), QStringLiteral("abc"));
        EXPECT_TRUE(list.item(0)->isSelected()) << "the first entry is chosen on show";
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CancelBtn")),
                          Qt::LeftButton);
    });
    sets->ReadSavedParameters();
    EXPECT_EQ(host.Reads, 0);
}

TEST_F(TSaveTest, NameDifferingOnlyInAsciiCaseIsRefused) {
    Start();
    Save(QStringLiteral("Club Opening"));
    driver.Then<TSavedParametersNameDlg>([this](TSavedParametersNameDlg& dlg) {
        TypeText(dlg.NameEdit(), QStringLiteral("cLUB oPENING"));
        ClickOK(dlg);
        EXPECT_EQ(Messages(), QStringList{setmsg::kNameExists});
        EXPECT_EQ(setmsg::kNameExists,
                  QStringLiteral("That name already exists in the saved "
                                 "parameters file.\r\rPlease pick another name."));
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.NameEdit()->selectedText(), QStringLiteral("cLUB oPENING"));
        TypeText(dlg.NameEdit(), QStringLiteral("Other"));
        ClickOK(dlg);
    });
    sets->SaveCurrentParameters();
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"Club Opening", 1}, {"Other", 2}}));
}

TEST_F(TSaveTest, NameDifferingInCaseOfAnAccentedLetterIsAccepted) {
    Start();
    Save(QStringLiteral("été"));
    Save(QStringLiteral("Été"));
    EXPECT_TRUE(Messages().isEmpty());
    ASSERT_EQ(Listed().size(), 2u);
    EXPECT_EQ(RecordName(AsRecord(RecordOf(Database(), 2))), "Été");
}

TEST_F(TSaveTest, EmptyNameIsAccepted) {
    Start();
    Save(QString());
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"", 1}}));
}

TEST_F(TSaveTest, NameThePageCannotHoldIsRefusedWithItsReason) {
    Start();
    driver.Then<TSavedParametersNameDlg>([this](TSavedParametersNameDlg& dlg) {
        dlg.NameEdit()->setText(QStringLiteral("Ω set"));
        ClickOK(dlg);
        ASSERT_EQ(Messages().size(), 1);
        EXPECT_TRUE(Messages().front().contains(QStringLiteral("U+03A9")))
            << Messages().front().toStdString();
        EXPECT_TRUE(dlg.isVisible());
        dlg.NameEdit()->setText(QStringLiteral("Omega set"));
        ClickOK(dlg);
    });
    sets->SaveCurrentParameters();
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"Omega set", 1}}));
}

TEST_F(TSaveTest, OneTypeFillsSlotOneOnly) {
    Start();
    host.SetTypes({TypeWith(100, 5)});
    host.Editor.LoadType(TypeWith(100, 5));
    Save(QStringLiteral("one"));
    const TBytes record = RecordOf(Database(), 1);
    EXPECT_EQ(record[kFirstSlotOffset], 72);
    EXPECT_EQ(
        std::string(record.begin() + kFirstSlotOffset + 1, record.begin() + kFirstSlotOffset + 73),
        TypeToText(host.Types()[0]));
    for (std::size_t i = kFirstSlotOffset + kSlotSize; i < kRecordSize; ++i)
        ASSERT_EQ(record[i], 0) << i;
}

TEST_F(TSaveTest, EightTypesFillEverySlotInTabOrder) {
    Start();
    std::vector<THandParam> eight;
    for (int i = 0; i < 8; ++i)
        eight.push_back(TypeWith(10 + i, i));
    host.SetTypes(eight);
    Save(QStringLiteral("eight"));
    const TSetRecord record = AsRecord(RecordOf(Database(), 1));
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(SlotLength(record, slot), 72);
        EXPECT_EQ(SlotText(record, slot), TypeToText(host.Types()[slot])) << slot;
        EXPECT_EQ(host.Types()[slot].Frequency, 10 + static_cast<int>(slot));
    }
}

TEST_F(TSaveTest, SelectedTypeIsStoredBeforeWriting) {
    Start();
    host.SetTypes({TypeWith(100), TypeWith(200), TypeWith(300)}, 1);
    host.Editor.SetFrequency(77);
    Save(QStringLiteral("stored"));
    EXPECT_EQ(host.Types()[1].Frequency, 77);
    THandParam second;
    ASSERT_TRUE(TypeFromText(second, SlotText(AsRecord(RecordOf(Database(), 1)), 1)));
    EXPECT_EQ(second.Frequency, 77);
}

TEST_F(TSaveTest, ImpossibleEditorSavesNothing) {
    Start();
    host.RefuseStore = true;
    Save(QStringLiteral("never"));
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages().front().startsWith(QStringLiteral("Impossible Hand Parameters:")));
    EXPECT_EQ(Database().size(), kRecordSize);
    EXPECT_TRUE(Listed().empty());
}

TEST_F(TSaveTest, CancelledNameDialogSavesNothing) {
    Start();
    driver.Then<TSavedParametersNameDlg>([](TSavedParametersNameDlg& dlg) {
        TypeText(dlg.NameEdit(), QStringLiteral("x"));
        QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("CancelBtn")), Qt::LeftButton);
    });
    sets->SaveCurrentParameters();
    EXPECT_EQ(Database().size(), kRecordSize);
    EXPECT_TRUE(Listed().empty());
}

TEST_F(TSaveTest, RefusedDatabaseHeaderLeavesTheListAlone) {
    Start();
    TBytes db = Database();
    db[10] = 'x';
    WriteBytes(Folder() / kDatabaseFileName, db);
    Save(QStringLiteral("refused"));
    EXPECT_EQ(Messages(),
              QStringList{QStringLiteral("'PARAMS.SAV' is not a valid parameter file.")});
    EXPECT_TRUE(Listed().empty());
    EXPECT_EQ(Database(), db);
}

TEST_F(TSaveTest, InputOutputErrorLeavesDatabaseAndListInStep) {
    Start();
    Save(QStringLiteral("kept"));
    std::filesystem::remove(Folder() / kDatabaseFileName);
    std::filesystem::create_directory(Folder() / kDatabaseFileName);
    driver.Then<TSavedParametersNameDlg>([](TSavedParametersNameDlg& dlg) {
        TypeText(dlg.NameEdit(), QStringLiteral("lost"));
        ClickOK(dlg);
    });
    EXPECT_THROW(sets->SaveCurrentParameters(), EInOutError);
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"kept", 1}}));
}

TEST_F(TSaveTest, LongNameIsStoredAndListedCutTo255Characters) {
    Start();
    const QString longName(300, QLatin1Char('n'));
    Save(longName);
    ASSERT_EQ(Listed().size(), 1u);
    EXPECT_EQ(Listed()[0].Name, std::string(255, 'n'));
    EXPECT_EQ(RecordOf(Database(), 1)[0], 255);
}

} // namespace
} // namespace kv::test
