// The program's help: the window opens at its contents, at an index with an
// empty search field, and at the topics of the context numbers that windows
// pass; releasing F1 opens the topic of the focused control.
#include "MainWindowFixture.h"
#include "ui/common/HelpContext.h"
#include "ui/enginehost/QtEngineHost.h"
#include "ui/hands/GraphicDisplayForm.h"
#include "ui/help/HelpSystem.h"
#include "ui/help/src/HelpTopics.h"
#include "ui/help/src/HelpWindow.h"
#include "ui/mainwindow/src/SyncForm.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <set>
#include <span>

using namespace kv;
using namespace kv::test;

namespace {

struct Help : MainWindowFixture {
    THelpSystem help;
    THelpWindow& Window() const { return *help.Window(); }
    QString Page() const { return Window().CurrentPage(); }
};

} // namespace

TEST_F(Help, EveryTopicAndKeywordPageIsBuiltIn) {
    // The page, and the anchor when one is named.
    const auto exists = [](const char* target) {
        const QString page = QString::fromLatin1(target).section(u'#', 0, 0);
        const QString anchor = QString::fromLatin1(target).section(u'#', 1);
        QFile file(QStringLiteral(":/help/") + page);
        if (!file.open(QIODevice::ReadOnly)) return false;
        return anchor.isEmpty() ||
               file.readAll().contains(QStringLiteral("name=\"%1\"").arg(anchor).toLatin1());
    };
    for (const THelpTopic& topic : HelpTopics())
        EXPECT_TRUE(exists(topic.Page)) << topic.Page;
    for (const THelpKeyword& keyword : HelpKeywords())
        EXPECT_TRUE(exists(keyword.Page)) << keyword.Word;
}

TEST_F(Help, ContentsOpensAtTheContentsPage) {
    CreateForm();
    Trigger("Contents1");
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Page(), "contents.html");
    EXPECT_EQ(Window().Tabs()->currentIndex(), 0);
}

TEST_F(Help, TopicSearchOpensTheIndexWithAnEmptyField) {
    CreateForm();
    Window().SearchField()->setText(QStringLiteral("syn"));
    Trigger("TopicSearch1");
    EXPECT_EQ(Window().Tabs()->currentIndex(), 1);
    EXPECT_TRUE(Window().SearchField()->text().isEmpty());
    EXPECT_EQ(Window().focusWidget(), Window().SearchField());
}

TEST_F(Help, TypingInTheIndexFindsTheKeyword) {
    THelpSystem::ShowIndex();
    QTest::keyClicks(Window().SearchField(), QStringLiteral("ran"));
    EXPECT_EQ(Window().KeywordList()->currentItem()->text(), "Random number seed");
    QTest::keyClick(Window().SearchField(), Qt::Key_Return);
    EXPECT_EQ(Page(), "synchronize.html");
    Window().SearchField()->clear();
    QTest::keyClicks(Window().SearchField(), QStringLiteral("vul"));
    EXPECT_EQ(Window().KeywordList()->currentItem()->text(), "Dealer and vulnerability");
}

// "seed" finds the seed, whatever the case, and Return opens its page; the
// index leads to each place where the seed is shown too.
TEST_F(Help, TheIndexFindsTheSeed) {
    for (const char* typed : {"seed", "Seed", "SEED"}) {
        THelpSystem::ShowIndex();
        QTest::keyClicks(Window().SearchField(), QString::fromLatin1(typed));
        ASSERT_NE(Window().KeywordList()->currentItem(), nullptr) << typed;
        EXPECT_EQ(Window().KeywordList()->currentItem()->text(), "Seed") << typed;
        QTest::keyClick(Window().SearchField(), Qt::Key_Return);
        EXPECT_EQ(Page(), "synchronize.html") << typed;
    }
    QStringList seeds;
    for (const THelpKeyword& keyword : HelpKeywords())
        if (QString::fromUtf8(keyword.Word).contains("seed", Qt::CaseInsensitive))
            seeds << QString::fromLatin1(keyword.Page);
    EXPECT_EQ(seeds, (QStringList{"synchronize.html", "synchronize.html", "hands.html#savepbn",
                                  "analysis.html#deals"}));
}

// The index goes to the first keyword that begins with the typed text, else
// to the first with a later word that does.
TEST(HelpIndex, TypedTextFindsAKeywordByAnyOfItsWords) {
    const QStringList keywords{"Dealer and vulnerability", "PBN files", "PDF file",
                               "Random number seed", "Seed"};
    const std::pair<const char*, int> rows[] = {{"", 0},      {"seed", 4}, {"SEE", 4},
                                                {"vul", 0},   {"file", 1}, {"number see", 3},
                                                {"and v", 0}, {"xyz", -1}, {"ulner", -1}};
    for (const auto& [typed, row] : rows)
        EXPECT_EQ(KeywordRow(keywords, QString::fromLatin1(typed)), row) << typed;
}

// Escape closes the help window from wherever the focus is in it.
TEST_F(Help, EscapeClosesTheWindow) {
    const std::pair<void (*)(), const char*> openings[] = {
        {[] { THelpSystem::ShowIndex(); }, "HelpSearch"},
        {[] { THelpSystem::ShowIndex(); }, "HelpKeywords"},
        {[] { THelpSystem::ShowContents(); }, "HelpTopics"},
        {[] { THelpSystem::ShowContents(); }, "HelpPage"}};
    for (const auto& [open, name] : openings) {
        open();
        ASSERT_TRUE(Window().isVisible()) << name;
        QWidget* focus = Window().findChild<QWidget*>(QString::fromLatin1(name));
        QApplication::setActiveWindow(&Window());
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(Window().isVisible()) << name;
    }
}

TEST_F(Help, EachNamedContextHasItsOwnTopic) {
    const std::tuple<int, const char*, const char*> contexts[] = {
        {5, "paramsets.html", ""},    {6, "synchronize.html", ""}, {7, "hands.html", ""},
        {8, "hands.html", "printer"}, {10, "moretypes.html", ""},  {7, "hands.html", ""}};
    for (const auto& [context, page, anchor] : contexts) {
        THelpSystem::ShowContext(context);
        EXPECT_EQ(Page(), page) << context;
        EXPECT_EQ(Window().CurrentAnchor(), anchor) << context;
    }
    THelpSystem::ShowContext(99);
    EXPECT_EQ(Page(), "contents.html");
}

TEST_F(Help, F1ReleasedOpensTheFocusedControlsTopic) {
    CreateForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QWidget* track = form->findChild<QWidget*>("SSpadeTrack");
    QApplication::setActiveWindow(form.get());
    track->setFocus();
    QTest::keyRelease(track, Qt::Key_F1);
    EXPECT_EQ(Page(), "editor.html");
    QWidget* freq = form->findChild<QWidget*>("FrequencyEdit");
    QApplication::setActiveWindow(form.get());
    freq->setFocus();
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(Page(), "editor.html"); // a press alone opens nothing
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(Page(), "types.html");
}

TEST_F(Help, F1InTheSynchronizeDialogOpensItsTopicOverTheModalDialog) {
    TDealEngine local;
    QTimer::singleShot(0, [this] {
        auto* sync = qobject_cast<TSyncForm*>(QApplication::activeModalWidget());
        ASSERT_NE(sync, nullptr);
        QApplication::setActiveWindow(sync);
        sync->SeedEdit()->setFocus();
        QTest::keyRelease(sync->SeedEdit(), Qt::Key_F1);
        EXPECT_EQ(Page(), "synchronize.html");
        EXPECT_EQ(Window().windowModality(), Qt::ApplicationModal);
        Window().close();
        sync->reject();
    });
    SynchronizeSeed(nullptr, local.Random());
}

namespace {

// F1 in an open menu: the page of the highlighted item's context, or of the
// menu's own when the item has none. Menu items are named by their object
// names; a submenu by the name of its menu.
struct TMenuItemHelp {
    const char* Menu;
    const char* Item;
    const char* Page;
};

const TMenuItemHelp kMainMenuHelp[] = {
    {"File1", "ReadParams1", "paramsets.html"},
    {"File1", "SaveParams1", "paramsets.html"},
    {"File1", "CopyParams1", "paramsets.html"},
    {"CopyParams1", "CopyToFile1", "paramsets.html"},
    {"CopyParams1", "CopyFromFile1", "paramsets.html"},
    {"File1", "OpenDeals1", "hands.html"},
    {"File1", "Synchronize1", "synchronize.html"},
    {"File1", "Exit1", "contents.html"},
    {"Edit1", "ClearOneAction", "contents.html"},
    {"Edit1", "ClearAllAction", "contents.html"},
    {"Generate1", "ShowHandsAction", "contents.html"},
    {"Generate1", "PrintHandsAction", "contents.html"},
    {"Generate1", "AnalyseHandsAction", "contents.html"},
    {"Options1", "TenSymbol1", "contents.html"},
    {"TenSymbol1", "TenSymbolT1", "options.html"},
    {"TenSymbol1", "TenSymbol101", "options.html"},
    {"Options1", "ColorPrinting1", "options.html"},
    {"Tools1", "AddTypeAction", "contents.html"},
    {"Tools1", "DeleteTypeAction", "contents.html"},
    {"Help1", "Contents1", "contents.html"},
    {"Help1", "TopicSearch1", "contents.html"},
    {"Help1", "About1", "contents.html"},
};

const TMenuItemHelp kHandsMenuHelp[] = {
    {"HandsFile1", "PrintTheseHands1", "hands.html"},
    {"HandsFile1", "SaveAsPbn1", "hands.html"},
    {"HandsFile1", "AnalyseTheseHands1", "hands.html"},
    {"View1", "Hand1", "hands.html"},
    {"View1", "Sortorder1", "hands.html"},
    {"View1", "DoubleDummy1", "hands.html"},
    {"Hand1", "North1", "hands.html"},
    {"Hand1", "South1", "hands.html"},
    {"Hand1", "Both1", "hands.html"},
    {"Hand1", "All1", "hands.html"},
    {"Sortorder1", "Alternatecolors1", "hands.html"},
    {"Sortorder1", "Suitrank1", "hands.html"},
    {"Go1", "FirstBoard1", "hands.html"},
    {"Go1", "LastBoard1", "hands.html"},
    {"Go1", "GoToBoard1", "hands.html"},
};

// The item's name: its own, or, for a submenu's item, its menu's.
QString ItemName(const QAction* item) {
    return item->menu() != nullptr ? item->menu()->objectName() : item->objectName();
}

// Releases F1 over each row's menu with its item highlighted, and checks that
// every item of every menu of the window has its row.
void ExpectMenuHelp(const QWidget& window, std::span<const TMenuItemHelp> rows,
                    const THelpWindow& help) {
    std::set<std::pair<QString, QString>> listed;
    for (const TMenuItemHelp& row : rows) {
        auto* menu = window.findChild<QMenu*>(QLatin1String(row.Menu));
        ASSERT_NE(menu, nullptr) << row.Menu;
        const QList<QAction*> items = menu->actions();
        const auto item = std::find_if(items.begin(), items.end(), [&row](const QAction* a) {
            return ItemName(a) == QLatin1String(row.Item);
        });
        ASSERT_NE(item, items.end()) << row.Item;
        THelpSystem::ShowContext(help::Analysis); // a page that no row expects
        (*item)->setEnabled(true);                // a disabled item is never highlighted
        menu->setActiveAction(*item);
        QTest::keyRelease(menu, Qt::Key_F1);
        EXPECT_EQ(help.CurrentPage().toStdString(), row.Page) << row.Menu << " > " << row.Item;
        listed.emplace(menu->objectName(), ItemName(*item));
    }
    // Unnamed menus are the toolkit's own, such as the menu bar's overflow.
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->objectName().isEmpty()) continue;
        for (const QAction* item : menu->actions()) {
            if (item->isSeparator()) continue;
            EXPECT_TRUE(listed.count({menu->objectName(), ItemName(item)}))
                << "no row for " << menu->objectName().toStdString() << " > "
                << ItemName(item).toStdString();
        }
    }
}

} // namespace

TEST_F(Help, F1InEachMainWindowMenuOpensItsItemsTopic) {
    CreateForm();
    ExpectMenuHelp(*form, kMainMenuHelp, Window());
}

TEST_F(Help, F1InEachHandsWindowMenuOpensTheHandsTopic) {
    TQtEngineHost host;
    TGraphicDisplayForm hands(engine, host, {});
    ExpectMenuHelp(hands, kHandsMenuHelp, Window());
}

TEST_F(Help, F1InAnOpenMenuOpensTheHighlightedItemsTopic) {
    CreateForm();
    auto* file = form->findChild<QMenu*>("File1");
    file->setActiveAction(Action("Synchronize1"));
    QTest::keyRelease(file, Qt::Key_F1);
    EXPECT_EQ(Page(), "synchronize.html");
}

namespace {

// A page's text as the reader sees it.
QString PageText(const char* page) {
    QFile file(QStringLiteral(":/help/") + QLatin1String(page));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText().simplified();
}

struct TPhrase {
    const char* Page;
    const char* Text;
};

// What each page must tell the reader, in the program's own words.
const TPhrase kPhrases[] = {
    {"hands.html", "View menu of the Hands window"},
    {"hands.html", "North, South or Both"},
    {"hands.html", "Alternate colors"},
    {"hands.html", "Suit rank"},
    {"hands.html", "View > Double dummy"},
    {"hands.html", "number of tricks that declarer takes"},
    {"hands.html", "the par line names the contract"},
    {"hands.html", "North dealing with nobody vulnerable"},
    {"hands.html", "Indicate dealer and vul."},
    {"hands.html", "Show double-dummy results"},
    {"hands.html", "Printer Setup"},
    {"hands.html", "Print to file"},
    {"hands.html", "Documents folder"},
    {"hands.html", "Previous Hand"},
    {"hands.html", "never deals anything"},
    {"hands.html", "All four hands shows every hand"},
    {"hands.html", "the cards grow with it"},
    {"hands.html", "the board's own dealer and vulnerability"},
    {"hands.html", "File > Print These Hands (Ctrl+P)"},
    {"hands.html", "Boards from and to"},
    {"hands.html", "File > Save as PBN (Ctrl+S)"},
    {"hands.html", "DoubleDummyTricks"},
    {"hands.html", "asks before replacing it"},
    {"hands.html", "File > Open Deals (PBN) (Ctrl+Shift+O)"},
    {"hands.html", "Hand not given"},
    {"hands.html", "names the file and the line"},
    {"hands.html", "Analysing board k of n"},
    {"hands.html", "stops the run before anything is printed"},
    {"hands.html", "no earlier file is ever overwritten"},
    {"hands.html", "Open Folder"},
    {"hands.html", "Page Up"},
    {"mainwindow.html", "Ctrl+Shift+O"},
    {"mainwindow.html", "Ctrl+T"},
    {"mainwindow.html", "Ctrl+Del"},
    {"mainwindow.html", "Space presses the Min or Max button"},
    {"mainwindow.html", "Alt+R goes to the frequency box"},
};

} // namespace

TEST(HelpPages, DescribeTheHandsWindowThePrintDialogAndTheKeys) {
    for (const TPhrase& phrase : kPhrases)
        EXPECT_TRUE(PageText(phrase.Page).contains(QLatin1String(phrase.Text)))
            << phrase.Page << ": " << phrase.Text;
}

TEST(HelpPages, EveryKeywordAnchorIsOnItsPage) {
    for (const THelpKeyword& keyword : HelpKeywords()) {
        const QString target = QString::fromLatin1(keyword.Page);
        if (!target.contains(u'#')) continue;
        QFile file(QStringLiteral(":/help/") + target.section(u'#', 0, 0));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << keyword.Word;
        const QString anchor = QStringLiteral("name=\"%1\"").arg(target.section(u'#', 1));
        EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(anchor)) << keyword.Word;
    }
}

TEST_F(Help, TheIndexFindsTheNewTopics) {
    const std::pair<const char*, const char*> words[] = {
        {"Par", "hands.html"},           {"PDF", "hands.html"},
        {"Double dummy", "hands.html"},  {"View menu", "hands.html"},
        {"Previous Hand", "hands.html"}, {"Save as PBN", "hands.html"},
        {"Open Deals", "hands.html"},    {"Keyboard", "mainwindow.html"}};
    for (const auto& [word, page] : words) {
        THelpSystem::ShowIndex();
        QTest::keyClicks(Window().SearchField(), QString::fromLatin1(word));
        QTest::keyClick(Window().SearchField(), Qt::Key_Return);
        EXPECT_EQ(Page(), page) << word;
    }
}
