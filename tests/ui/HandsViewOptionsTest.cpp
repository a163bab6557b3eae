// The view options as text and in the settings store, and the input
// block that keeps open windows still while deals are made.
#include "ui/hands/HandsViewOptions.h"
#include "storage/settings/SettingsStore.h"
#include "ui/common/UserInputBlock.h"

#include <QAction>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace kv;

TEST(HandsViewOptions, TextReadsExactNamesAndAnythingElseAsBoth) {
    EXPECT_EQ(HandToViewFromText("North"), THandToView::North);
    EXPECT_EQ(HandToViewFromText("South"), THandToView::South);
    EXPECT_EQ(HandToViewFromText("Both"), THandToView::Both);
    EXPECT_EQ(HandToViewFromText("All"), THandToView::All);
    EXPECT_EQ(HandToViewFromText("all"), THandToView::Both);
    EXPECT_EQ(HandToViewFromText("south"), THandToView::Both);
    EXPECT_EQ(HandToViewFromText("north"), THandToView::Both);
    EXPECT_EQ(HandToViewFromText(""), THandToView::Both);
    EXPECT_EQ(HandToViewText(THandToView::North), "North");
    EXPECT_EQ(HandToViewText(THandToView::South), "South");
    EXPECT_EQ(HandToViewText(THandToView::Both), "Both");
    EXPECT_EQ(HandToViewText(THandToView::All), "All");
    EXPECT_EQ(int(THandToView::All), 3);
}

TEST(HandsViewOptions, AllFourHandsIsStoredAsAllAndReadBack) {
    QTemporaryDir dir;
    auto store = TSettingsStore::OpenFile(dir.filePath(QStringLiteral("store.ini")));
    WriteHandsViewOptions(*store, {THandToView::All, false, true});
    EXPECT_EQ(store->ReadString(setting::HandToView), "All");
    EXPECT_EQ(ReadHandsViewOptions(*store), (THandsViewOptions{THandToView::All, false, true}));
}

TEST(HandsViewOptions, StoreDefaultsAndRoundTrip) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.ini"));
    {
        auto store = TSettingsStore::OpenFile(path);
        EXPECT_EQ(ReadHandsViewOptions(*store), (THandsViewOptions{THandToView::Both, false}));
        store->WriteString(setting::HandToView, QStringLiteral("south"));
        EXPECT_EQ(ReadHandsViewOptions(*store).HandToView, THandToView::Both);
        WriteHandsViewOptions(*store,
                              ReadHandsViewOptions(*store)); // "south" is written back as "Both"
        EXPECT_EQ(store->ReadString(setting::HandToView), "Both");
        WriteHandsViewOptions(*store, {THandToView::North, true});
    }
    auto store = TSettingsStore::OpenFile(path);
    EXPECT_EQ(store->ReadString(setting::HandToView), "North");
    EXPECT_EQ(store->ReadInt(setting::SortSuitsByRank), 1);
    EXPECT_EQ(ReadHandsViewOptions(*store), (THandsViewOptions{THandToView::North, true}));
}

TEST(UserInputBlock, OpenWindowsIgnoreClicksKeysAndShortcutsNewOnesDoNot) {
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Go"), &window);
    auto* action = new QAction(QStringLiteral("Act"), &window);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    window.addAction(action);
    int clicks = 0, triggers = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    QObject::connect(action, &QAction::triggered, [&triggers] { ++triggers; });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    {
        const TUserInputBlock block;
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(triggers, 0);

        QPushButton later(QStringLiteral("OK")); // a message box opened meanwhile
        int laterClicks = 0;
        QObject::connect(&later, &QPushButton::clicked, [&laterClicks] { ++laterClicks; });
        later.show();
        QTest::mouseClick(&later, Qt::LeftButton);
        EXPECT_EQ(laterClicks, 1);
    }
    QApplication::setActiveWindow(&window);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(triggers, 1);
}

TEST(HandsViewOptions, DoubleDummyIsOffByDefaultAndKeptUnderViewOptions) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.ini"));
    {
        auto store = TSettingsStore::OpenFile(path);
        EXPECT_FALSE(ReadHandsViewOptions(*store).DoubleDummy);
        WriteHandsViewOptions(*store, {THandToView::South, false, true});
        store->Sync();
    }
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("2.1/ViewOptions/DoubleDummy").toInt(), 1);
    auto store = TSettingsStore::OpenFile(path);
    EXPECT_EQ(ReadHandsViewOptions(*store), (THandsViewOptions{THandToView::South, false, true}));
    WriteHandsViewOptions(*store, {});
    EXPECT_EQ(store->ReadInt(setting::ViewDoubleDummy), 0);
}

// The card size: 100 when absent or not a number, and a stored size the
// window cannot draw is taken as the nearest it can.
TEST(HandsViewOptions, CardSizeIsKeptInPercentWithinTheWindowsRange) {
    QTemporaryDir dir;
    auto store = TSettingsStore::OpenFile(dir.filePath(QStringLiteral("store.ini")));
    EXPECT_EQ(ReadHandsViewOptions(*store).CardSize, 100);
    THandsViewOptions options;
    options.CardSize = 150;
    WriteHandsViewOptions(*store, options);
    EXPECT_EQ(store->ReadInt(setting::CardSize), 150);
    EXPECT_EQ(ReadHandsViewOptions(*store), options);
    EXPECT_EQ(MinCardSize(), 80);
    EXPECT_EQ(MaxCardSize(), 400);
    const std::pair<const char*, int> stored[] = {{"79", 80},   {"80", 80}, {"400", 400},
                                                  {"401", 400}, {"-5", 80}, {"big", 100}};
    for (const auto& [text, read] : stored) {
        store->WriteString(setting::CardSize, QString::fromLatin1(text));
        EXPECT_EQ(ReadHandsViewOptions(*store).CardSize, read) << text;
    }
}
