// The Read From File dialog's list order, size and help contexts.
#include "ParamSetTestUtil.h"
#include "ui/common/HelpContext.h"

#include "ui/paramsets/ReadFromFileForm.h"
#include "ui/paramsets/src/SetListBox.h"

#include <QPushButton>

namespace kv::test {
namespace {

using TReadFormTest = TParamSetTest;

QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

TEST_F(TReadFormTest, ListIsSortedIgnoringCase) {
    WriteParamsFile(kDatabaseFileName, {SetOf("beta", {}), SetOf("Alpha", {}), SetOf("gamma", {}),
                                        SetOf("alpha2", {}), SetOf("Beta", {})});
    Start();
    EXPECT_EQ(Texts(sets->ReadFromFileForm()->SetNameList()),
              (QStringList{"Alpha", "alpha2", "beta", "Beta", "gamma"}));
    EXPECT_EQ(Listed()[0].RecordNumber, 2);
}

TEST_F(TReadFormTest, SavedNameIsInsertedInSortOrder) {
    WriteParamsFile(kDatabaseFileName, {SetOf("apple", {}), SetOf("cherry", {})});
    Start();
    Save(QStringLiteral("Banana"));
    EXPECT_EQ(Texts(sets->ReadFromFileForm()->SetNameList()),
              (QStringList{"apple", "Banana", "cherry"}));
}

TEST_F(TReadFormTest, EmptyStoreGivesTheDefaultSizeAndStoresIt) {
    Start();
    const TReadFromFileForm* form = sets->ReadFromFileForm();
    EXPECT_EQ(form->size(), QSize(341, 206));
    EXPECT_EQ(form->minimumSize(), QSize(341, 206));
    EXPECT_EQ(store->ReadInt(setting::ReadFileFormWidth), 341);
    EXPECT_TRUE(store->Exists(setting::ReadFileFormHeight));
}

TEST_F(TReadFormTest, StoredSizeIsUsedAndEveryResizeIsStored) {
    store->WriteInt(setting::ReadFileFormWidth, 500);
    store->WriteInt(setting::ReadFileFormHeight, 300);
    Start();
    TReadFromFileForm* form = sets->ReadFromFileForm();
    EXPECT_EQ(form->size(), QSize(500, 300));
    form->show();
    form->resize(620, 410);
    QApplication::processEvents();
    EXPECT_EQ(store->ReadInt(setting::ReadFileFormWidth), 620);
    EXPECT_EQ(store->ReadInt(setting::ReadFileFormHeight), 410);
    form->resize(100, 100);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), QSize(341, 206));
    EXPECT_EQ(store->ReadInt(setting::ReadFileFormWidth), 341);
    form->hide();
}

TEST_F(TReadFormTest, ButtonsCarryTheHelpContextAndTheListNone) {
    Start();
    const TReadFromFileForm* form = sets->ReadFromFileForm();
    for (const char* name : {"ReadBtn", "CancelBtn", "DeleteBtn"})
        EXPECT_EQ(OwnHelpContext(form->findChild<QPushButton*>(QString::fromLatin1(name))), 5);
    EXPECT_EQ(OwnHelpContext(&form->SetNameList()), 0);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Read From File"));
    EXPECT_FALSE(form->isVisible()) << "made hidden at start-up";
}

TEST_F(TReadFormTest, UnreadableDatabaseIsWarnedAboutAndListsWhatWasRead) {
    TBytes bytes = ReadBytes(
        (WriteParamsFile(kDatabaseFileName, {SetOf("whole", {})}), Folder() / kDatabaseFileName));
    bytes.resize(bytes.size() + 100, 0);
    WriteBytes(Folder() / kDatabaseFileName, bytes);
    Start();
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("Error reading 'PARAMS.SAV'.")});
    EXPECT_EQ(Listed(), (std::vector<TSetEntry>{{"whole", 1}}));
}

} // namespace
} // namespace kv::test
